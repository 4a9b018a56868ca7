// The settings tool: one window that writes the setup.ini the game reads,
// found by the same rule as the game finds it (beside the program in the
// portable folder, the player's config folder when installed).
#include <QApplication>
#include <QMessageBox>

#include "game/platform/app_paths.h"
#include "setup/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const auto paths =
        platform::AppPaths::ForProgram(QCoreApplication::applicationDirPath().toStdString());
    const auto surroundings = platform::Surroundings::OfThisProcess();
    const std::string& folder = paths.FolderPath(platform::AppPaths::Folder::Settings);
    // Said at once; the window still opens, and saving says so again.
    if (!platform::MakePrivateFolder(folder, surroundings)) {
        const std::string text =
            platform::CannotWriteText(paths.FolderName(platform::AppPaths::Folder::Settings));
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Karvelun"),
                        QString::fromStdString(text), QMessageBox::Ok);
        box.exec();
    }
    setup::Form1 form(QString::fromStdString(paths.SettingsFile()),
                      QString::fromStdString(paths.SettingsFileToWrite()));
    form.show();
    // Closing the window, by the button or otherwise, ends the program.
    return app.exec();
}
