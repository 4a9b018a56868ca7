#include "game/levels/load_failure.h"

#include <cstdio>

#include "game/core/game_state.h"
#include "game/core/terminal.h"
#include "game/core/windows.h"
#include "game/platform/shown_text.h"

namespace game {

void RefuseDamagedFile(const char* title, const std::string& path, const std::string& why) {
    Tell(SHOWN_TEXT("Terminal", "Soubor %1 nelze použít: %2"), {path, why});
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
