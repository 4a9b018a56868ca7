// The one way the game gives up on a level, package or position file it
// cannot use: a message box, then the main window closes, which shuts the
// program down.  Nothing of the file is used, and every level and save
// routine does nothing from then on (ShutdownRequested).
#pragma once

#include <string>
#include "game/platform/shown_text.h"

namespace game {

inline constexpr const char* kLoadErrorText = SHOWN_TEXT("Message", "Chyba během načítání...");
inline constexpr const char* kLevelErrorTitle =
    SHOWN_TEXT("Message", "CHYBA!!");  // level files and packages
inline constexpr const char* kPositionErrorTitle =
    SHOWN_TEXT("Message", "CHYBA!");  // position files

// Hides the progress window and restores the pointer, writes the reason to
// stderr for whoever looks into it, shows "Chyba během načítání..." under
// the title and closes the main window.
void RefuseDamagedFile(const char* title, const std::string& path, const std::string& why);

}  // namespace game
