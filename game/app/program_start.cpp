#include "game/app/program_start.h"

#include "game/core/sound_component.h"
#include "game/desktop/fonts.h"
#include "game/desktop/view.h"
#include "game/play/startup.h"
#include "game/windows/language.h"
#include "game/windows/window_set.h"

namespace game {

int StartAndRun(ProgramRun& run) {
    const platform::AppPaths& paths = run.Paths();
    // setup.ini, read once and before anything is shown, so that even the
    // box saying another copy runs speaks the chosen language: how large
    // the windows are shown is known before the first of them, the loading
    // notice, opens; the start-up takes the rest.
    const Settings settings = ReadSettings(paths.Places().settingsFile);
    UseLanguagesOf(settings);
    if (const std::optional<int> status = run.Hold()) return *status;
    const FilePlaces places = run.Places();

    platform::LoadGameFont(QString::fromStdString(paths.FontFile()));
    const ViewSettings& view = settings.view;
    platform::View::Instance().Configure(view.scale, view.fullScreen);
    platform::View::Instance().SetLargeText(settings.access.largeText);
    SetSoundComponent(LoadSoundComponentFile(paths.SoundLibraryFile()));

    int status = 0;
    {
        WindowSet windows;
        windows.ApplyViewSettings(view);
        SetWindows(&run.Open(windows));
        if (!Main(places, settings, run.BeforeMenu())) {
            windows.SetExitStatus(1);
            ShutDown();
            status = 1;
        } else if (!ShutdownRequested) {
            status = run.Run(windows);
        }
        // Else the program ended during the start-up (a signal while the
        // loading notice or the question took events): the shut-down has
        // run, nothing more is shown, and it ends as "Exit" ends it.
        SetWindows(nullptr);
        run.Close();
    }
    return status;
}

}  // namespace game
