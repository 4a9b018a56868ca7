// A floor as the player reads it wherever the game names it (the load
// dialog, the question after a run that ended badly, its echo on the
// terminal): as the floor's own greeting names it, "2. patro: Stará krypta"
// or "Floor 2: The Old Crypt".  A floor the campaign has no name for is its
// number alone.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace game {

// `czechName` is the level's name as LevelName gives it (empty: none).
QString FloorTitle(int32_t level, const std::string& czechName);
// The same in the terminal's language.
std::string FloorTitleOnTerminal(int32_t level, const std::string& czechName);

}  // namespace game
