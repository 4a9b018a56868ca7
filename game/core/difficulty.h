// What the easy game changes in the numbers of play: a blow, a bomb's
// fragment or a trap takes half its lives, rounded up (1 stays 1, 3 takes
// 2), and a healing potion heals twice as much (still no more than the
// hero's most lives, which its pick-up sees to).  Since the third rules it
// also spaces the blows out for slower hands: a monster in contact strikes
// again only after two and a half seconds, a trap floor burns as seldom,
// and after any blow no monster strikes for half a second.  The normal
// game takes, heals and paces the numbers as they are.
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

// How often blows come, in seconds of the game's clock.
struct BlowPace {
    // A monster that stays in contact strikes again after more than this.
    float contactRepeat = 1.0f;
    // A trap floor under the hero burns again after this.
    float trapRepeat = 1.0f;
    // After any blow no monster strikes for this long.
    float grace = 0.0f;
};
// The pace of the game in play: its difficulty under the rules it follows.
BlowPace PaceOfBlows(Difficulty difficulty);

}  // namespace game
