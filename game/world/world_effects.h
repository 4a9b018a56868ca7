// What the world does to the hero: items picked up, the tiles he steps on
// and travel between levels.
#pragma once

#include <cstdint>
#include <string>

namespace game {

// What item i does for the hero (gold, experience, healing, upgrades), told
// by a floating text over it and a log line, with the pick-up sound.  The
// caller removes the item afterwards.
void PickUpItem(int16_t& i);

// Reveals the 5 x 5 tiles about the hero's centre (walls hide what lies
// behind them) and lets the tile under it act: signs, teleports, exits,
// mechanisms, message screens, the last level's door and ending once as the
// hero steps on; trap floors every frame he stands there.  Once the hero is
// dead, only the revealing goes on.
void HeroTileEvents();

// Takes the hero to the arrival tile of another level (exits and the hidden
// passage).  The level he leaves is stored first, so that it keeps its
// changes; one that cannot be stored is not left: the log says so and he
// stays where he is.  True when the other level was loaded.
bool TravelToLevel(int32_t level, int32_t arrivalTile);

// A trap floor under the hero: one life, then one each full second after.
void TrapStep();

}  // namespace game
