// The game program: prepares everything behind the loading notice, then
// runs on window events until the game window is unloaded.
//
// With the option --new-game (end-to-end checks) a new game starts as soon
// as the menu is up, as the menu's "Nová hra" starts one.
#include <QApplication>
#include <QStringList>

#include "game/core/game_state.h"
#include "game/core/sound_component.h"
#include "game/core/startup.h"
#include "game/core/window_set.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/platform/fonts.h"
#include "game/ui/form3.h"

namespace {

// The fresh campaign's level 0 with a new hero, in the game window.
void StartNewGame(game::WindowSet& windows) {
    windows.ClearLog();
    game::LevelNumber = 0;
    game::GameSuspended = false;
    game::Paused = false;
    game::ResetHero();
    // A missing or damaged campaign ends the program through the failure
    // path; nothing is left to start then.
    if (!game::UnpackLevels("levels.all") || game::ShutdownRequested) return;
    if (!game::LoadLevel(0) || game::ShutdownRequested) return;
    windows.form3().hide();
    windows.ResumeGameWindow();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString folder = QCoreApplication::applicationDirPath();
    platform::LoadGameFont(folder + "/data/fonts/DejaVuSans-Bold.ttf");
    game::SetSoundComponent(game::LoadSoundComponent(folder.toStdString()));
    const bool newGame = QCoreApplication::arguments().contains(QStringLiteral("--new-game"));

    int status;
    {
        game::WindowSet windows;
        game::SetWindows(&windows);
        if (game::Main(folder.toStdString())) {
            if (newGame) StartNewGame(windows);
            // A failure while starting has shut the program down already.
            status = game::ShutdownRequested ? 1 : app.exec();
        } else {
            windows.SetExitStatus(1);
            game::ShutDown();
            status = 1;
        }
        game::SetWindows(nullptr);
    }
    return status;
}
