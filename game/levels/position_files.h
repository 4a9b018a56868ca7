// The position file of a save: the hero's values, and the level he is on.
#pragma once

#include <string>

#include "game/levels/position_record.h"

namespace game {

// A save of the position file alone: writes the hero into data/saves/<name>
// (name with ".pos") and puts it into place; the package beside it, if any,
// stays as it was.  While HeroDead the save is refused.  A refusal or
// failure is told in the message log, and the previous file stays as it
// was.  True when the save is complete.  A whole save is SaveGamePair.
bool SavePosition(const std::string& name);

// The position half of a save: the checks, then the hero written completely
// under UnfinishedPositionPath(), header name.  A refusal or failure is told
// in the message log and the unfinished halves are removed.  True when the
// half is ready.
bool WriteUnfinishedPosition(const std::string& name);
// The same half without a word in the log: false, with the reason in *why.
bool WritePositionAside(const std::string& name, std::string* why);

// Puts the complete halves into place together as the save folder's files
// packageName (none when empty) and name, or neither of them.  A failure is
// told in the message log, the unfinished halves removed and the previous
// pair put back.  True when the save is complete.
bool CommitUnfinishedSave(const std::string& packageName, const std::string& name);
// The same with the save's description, complete under
// UnfinishedDescriptionPath(), going to descriptionFile in the same commit.
bool CommitUnfinishedSave(const std::string& packageName, const std::string& name,
                          const std::string& descriptionFile);

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
