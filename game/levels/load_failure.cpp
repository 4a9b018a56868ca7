#include "game/levels/load_failure.h"

#include <cstdio>

#include "game/core/game_state.h"
#include "game/core/windows.h"

namespace game {

void RefuseDamagedFile(const char* title, const std::string& path, const std::string& why) {
    std::fprintf(stderr, "karvelun: cannot use %s: %s\n", path.c_str(), why.c_str());
    GameWindows& windows = Windows();
    windows.HideProgress();
    windows.SetBusyCursor(false);
    // A game already closing has said so once: no second box.
    if (!ShutdownRequested) windows.ShowMessageBox(kLoadErrorText, title);
    windows.CloseMainWindow();
    // Closing the main window shuts the program down; the flag also stops
    // the rest of the caller's work where the windows close later.
    ShutdownRequested = true;
}

}  // namespace game
