// The position file of a save: the hero's values, and the level he is on.
#pragma once

#include <string>

#include "game/levels/position_record.h"

namespace game {

// Writes the hero into data/saves/<name> (name with ".pos") and completes
// the save: the package PackLevels left ready goes into place first, then
// the position file.  When the package failed, nothing is written; while
// HeroDead the save is refused.  A refusal or failure is told in the
// message log, and the previous pair stays as it was.  True when the save
// is complete.
bool SavePosition(const std::string& name);

// Reads data/saves/<name>, whose header must be name exactly, into the
// hero's globals, refreshes the status display and loads the level.
// "quick.pos" in any letter case when there is no quick.pos changes
// nothing.  A missing, foreign or damaged file ends the game through the
// failure path.
bool LoadPosition(const std::string& name);

// The hero's sixteen saved values from the globals, and back.
PositionRecord CurrentPosition();
void UsePosition(const PositionRecord& position);

}  // namespace game
