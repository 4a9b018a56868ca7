// The keys a bot presses and lets go, through the game window's key
// handlers between frames, as a player's keyboard would: the playthrough
// bot and the newcomer bot play with them.
#pragma once

#include <cstdint>

#include "tools/levels/bots/hero_search.h"

namespace levels_tool {

// The four arrows, in the order the bots try them.
inline constexpr Heading kArrows[] = {Heading::Up, Heading::Down, Heading::Left, Heading::Right};

// The centre of the hero's square.
float HeroCentreX();
float HeroCentreY();

// A key pressed (a key-down event), with the shift state.
void PressKey(int16_t key, int16_t shift = 0);

// The arrow of the heading held and every other one let go (Stand: none
// held); only the arrows that change get an event.
void HoldOnly(Heading heading);

// Every arrow let go, held or not: letting go is also what makes both of
// the hero's steps his speed.
void ReleaseArrows();

// Ctrl held or let go, when it is not so already.
void HoldFire(bool held);

}  // namespace levels_tool
