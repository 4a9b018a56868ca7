// A whole save under a name, as one transaction: the package and the
// position file are written completely under temporary names, then put into
// place together (save_commit.h), so that a save that is refused, fails or
// is cut short leaves the previous pair of that name as it was.
#pragma once

#include <string>

namespace game {

// Packs the working levels (PackLevels(saveName + ".lev")), writes the hero
// (WriteUnfinishedPosition(saveName + ".pos")) and puts both into place as
// data/saves/<saveName>.lev and .pos.  Refused while HeroDead.  A refusal
// or failure is told in the message log and the unfinished halves are
// removed.  True when the new pair is the save.
bool SaveGamePair(const std::string& saveName);

}  // namespace game
