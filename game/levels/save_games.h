// Saving and loading a whole game under a name: what the quick-save keys
// and the save and load dialogs do (game/play/game_flow.h).  Each flow tells its outcome in the
// message log.
#pragma once

#include <string>
#include "game/platform/shown_text.h"

namespace game {

inline constexpr const char* kGameSavedLine = SHOWN_TEXT("Rules", "Hra byla úspěšně uložena...");
inline constexpr const char* kGameLoadedLine = SHOWN_TEXT("Rules", "Hra byla úspěšně načtena...");
inline constexpr const char* kNoSaveLine = SHOWN_TEXT("Message", "Uložená hra nebyla nalezena...");

// The name of the quick save (F5, F7).
inline constexpr const char* kQuickSaveName = "quick";

// StoreLevel(LevelNumber), SaveGamePair(name), then "Hra byla úspěšně
// uložena..." -- or, when the save is refused or fails, a line that says
// so, with the previous save untouched.
bool SaveGame(const std::string& name);

// UnpackLevels(name + ".lev"), LoadPosition(name + ".pos"), then "Hra byla
// úspěšně načtena...".  When either file of the pair is missing nothing
// changes and the log says there is no such save.  A damaged save ends the
// game through the failure path.
bool LoadGame(const std::string& name);

}  // namespace game
