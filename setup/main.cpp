// The settings tool: one window that writes the setup.ini the game reads,
// found by the same rule as the game finds it (beside the program in the
// portable folder, the player's config folder when installed).
#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "game/desktop/app_paths.h"
#include "game/desktop/toolkit_options.h"
#include "game/settings/terminal_language.h"
#include "setup/form1.h"
#include "setup/terminal_text.h"

int main(int argc, char** argv) {
    const auto paths = platform::AppPaths::ForThisProgram();
    // Its command line is read before the toolkit starts, so that --help and
    // a mistake need no display; the terminal speaks the language the file
    // chooses, else the desktop's.
    const std::optional<settings::SetupLines> lines =
        settings::ReadSetupLines(paths.SettingsFile());
    setup::UseTerminalLanguage(
        settings::TerminalLanguage(lines ? settings::ChosenLanguage(*lines) : std::nullopt));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    arguments = platform::WithoutToolkitOptions(arguments);
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("setup"))).fileName();
    if (arguments.size() > 1) {
        const QString& first = arguments[1];
        if (arguments.size() == 2 &&
            (first == QLatin1String("--help") || first == QLatin1String("-h"))) {
            std::fputs(setup::ToolUsage(program).toUtf8().constData(), stdout);
            return 0;
        }
        setup::TellOnTerminal(
            setup::TerminalText("Setup", QT_TRANSLATE_NOOP("Setup", "Neznámá volba %1"))
                .arg(first));
        std::fputs(setup::ToolUsage(program).toUtf8().constData(), stderr);
        return 2;
    }

    QApplication app(argc, argv);
    // The tool speaks the language the file chose; Czech needs nothing.
    QTranslator english;
    if (settings::ReadSetupIni(paths.SettingsFile()).value_or(settings::SetupValues{}).language ==
            settings::Language::kEnglish &&
        english.load(QStringLiteral(":/translations/setup_en.qm"))) {
        QCoreApplication::installTranslator(&english);
        setup::NameKeysIn(settings::KeyLanguage::English);
    }
    const auto surroundings = platform::Surroundings::OfThisProcess();
    const std::string& folder = paths.FolderPath(platform::AppPaths::Folder::Settings);
    // Said at once; the window still opens, and saving says so again.
    if (!platform::MakePrivateFolder(folder, surroundings)) {
        const QString text = QCoreApplication::translate("Message", platform::kCannotWriteTemplate)
                                 .arg(QString::fromStdString(
                                     paths.FolderName(platform::AppPaths::Folder::Settings)));
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Karvelun"), text, QMessageBox::Ok);
        box.exec();
    }
    // Drawn at the game's scale, as far as the screen has room for it.
    int scale = 1;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const settings::SetupValues values =
            settings::ReadSetupIni(paths.SettingsFile()).value_or(settings::SetupValues{});
        const double ratio = screen->devicePixelRatio();
        const QSize whole = screen->geometry().size();
        const QSize freeArea = screen->availableGeometry().size();
        // The frame the game assumes until the window system tells: thin
        // borders and a title bar.
        scale = setup::ToolScale(values.scale, values.fullScreen,
                                 platform::DevicePixels(whole.width(), whole.height(), ratio),
                                 platform::DevicePixels(freeArea.width(), freeArea.height(), ratio),
                                 platform::PixelSize{2, 32});
        // The layout is in the toolkit's units, ratio device pixels each.
        scale = std::max(1, static_cast<int>(scale / ratio));
    }
    setup::Form1 form(QString::fromStdString(paths.SettingsFile()),
                      QString::fromStdString(paths.SettingsFileToWrite()), scale);
    form.show();
    // Closing the window, by the button or otherwise, ends the program.
    return app.exec();
}
