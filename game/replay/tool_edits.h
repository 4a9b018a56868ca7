// Changes a tool makes to a game it plays, outside the keys: recorded like
// any other event, so that the tool's games replay too.
#pragma once

#include <cstdint>

namespace replay {

// What keep means besides a monster's index.
inline constexpr int16_t kTakeOffAll = -1;
// Every monster removed as a kill removes it (which shakes the last hall open).
inline constexpr int16_t kKillAll = -2;

// Takes the monsters off the current level, all but the one at index keep
// (kTakeOffAll: all); the kept one becomes the only monster.  kKillAll
// removes them one by one through the game's own removal.
void TakeOffMonsters(int16_t keep);

// The same without telling anyone (what a replay does).
void ApplyTakeOffMonsters(int16_t keep);

}  // namespace replay
