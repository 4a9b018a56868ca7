// What the easy game changes in the numbers of play: a blow, a bomb's
// fragment or a trap takes half its lives, rounded up (1 stays 1, 3 takes
// 2), and a healing potion heals twice as much (still no more than the
// hero's most lives, which its pick-up sees to).  The normal game takes and
// heals the numbers as they are.
#pragma once

#include <cstdint>

#include "game/settings/difficulty_setting.h"

namespace game {

using settings::Difficulty;

// The lives a hurt of n takes.  Nothing or less (a level may give a monster
// such a blow) is not halved.
int32_t LivesTaken(Difficulty difficulty, int32_t n);
// The lives a potion that heals n heals, before the cap at the most lives.
// Nothing or less is not doubled; a doubling past the range stops at its end.
int32_t LivesHealed(Difficulty difficulty, int32_t n);

}  // namespace game
