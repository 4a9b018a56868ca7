// The game program: prepares everything behind the loading notice, then
// runs on window events until the game window is unloaded.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <optional>

#include "game/core/game_recordings.h"
#include "game/core/game_state.h"
#include "game/core/pad_delivery.h"
#include "game/core/playback_run.h"
#include "game/core/settings.h"
#include "game/core/sound_component.h"
#include "game/core/startup.h"
#include "game/core/window_set.h"
#include "game/platform/app_paths.h"
#include "game/platform/fonts.h"
#include "game/platform/launch_options.h"
#include "game/platform/level_try_out.h"
#include "game/platform/view.h"
#include "game/ui/form3.h"

namespace {

// Takes the game's folder for this copy; false, after a message box has
// said why, when another copy holds it or it cannot be written.  Nothing of
// the game is touched then.
bool HoldFolder(platform::OneCopyLock& lock) {
    QString text;
    switch (lock.Take()) {
        case platform::OneCopyLock::Outcome::Taken:
            return true;
        case platform::OneCopyLock::Outcome::AnotherCopyRuns:
            text = QString::fromUtf8("Karvelun už běží.");
            break;
        case platform::OneCopyLock::Outcome::Unusable:
            text = QString::fromUtf8("Nelze zapisovat do složky %1.")
                       .arg(QString::fromStdString(lock.Folder()));
            break;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Karvelun"), text, QMessageBox::Ok);
    box.exec();
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString folder = QCoreApplication::applicationDirPath();
    QString commandLineError;
    const auto options = platform::ParseLaunchOptions(app.arguments(), &commandLineError);
    if (!options) {
        std::fprintf(stderr, "karvelun: %s\n", commandLineError.toUtf8().constData());
        return 2;
    }
    if (!options->replayFile.empty()) return game::RunPlayback(*options, folder.toStdString());
    std::optional<platform::LevelTryOut> tryOut;
    if (!options->levelFile.empty()) {
        tryOut = platform::PrepareLevelTryOut(folder, QString::fromStdString(options->levelFile),
                                              options->startTile, &commandLineError);
        if (!tryOut) {
            std::fprintf(stderr, "karvelun: %s\n", commandLineError.toUtf8().constData());
            return 1;
        }
        folder = tryOut->folder->path();
        game::NewGameLevel = tryOut->level;
        game::NewGameTile = static_cast<int16_t>(tryOut->startTile);
    }
    const auto paths = platform::AppPaths::Portable(folder.toStdString());
    // Held until the program ends, after the shut-down has deleted the
    // working levels.
    platform::OneCopyLock lock(paths.WorkingLevelsFolder());
    if (!HoldFolder(lock)) return 1;

    platform::LoadGameFont(folder + "/data/fonts/DejaVuSans-Bold.ttf");
    // How large the windows are shown, known before the first of them, the
    // loading notice, opens.  Main reads the file again for the rest.
    const game::ViewSettings view = game::ReadSettings(folder.toStdString() + "/setup.ini").view;
    platform::View::Instance().Configure(view.scale, view.fullScreen);
    game::SetSoundComponent(game::LoadSoundComponent(folder.toStdString()));

    int status;
    {
        game::WindowSet windows;
        game::SetWindows(&windows);
        windows.ApplyViewSettings(view);
        // A game pad plays and goes through the menus like the keyboard.
        game::PadDelivery padKeys;
        platform::Gamepad gamepad(padKeys);
        // Every game played is recorded.
        game::GameRecordings recordings;
        if (game::Main(folder.toStdString())) {
            if (tryOut) windows.form3().MenuItems(0);  // straight into the new game
            status = app.exec();
        } else {
            windows.SetExitStatus(1);
            game::ShutDown();
            status = 1;
        }
        game::SetWindows(nullptr);
    }
    return status;
}
