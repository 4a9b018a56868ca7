// The game program: prepares everything behind the loading notice, then
// runs on window events until the game window is unloaded.
#include <QApplication>

#include "game/core/game_state.h"
#include "game/core/settings.h"
#include "game/core/sound_component.h"
#include "game/core/startup.h"
#include "game/core/window_set.h"
#include "game/platform/fonts.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString folder = QCoreApplication::applicationDirPath();
    platform::LoadGameFont(folder + "/data/fonts/DejaVuSans-Bold.ttf");
    game::SetSoundComponent(game::LoadSoundComponent(folder.toStdString()));

    int status;
    {
        game::WindowSet windows;
        game::SetWindows(&windows);
        windows.ApplyViewSettings(game::ReadSettings(folder.toStdString() + "/setup.ini").view);
        if (game::Main(folder.toStdString())) {
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
