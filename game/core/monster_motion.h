// How fast a monster walks and the random direction it sets off in: a fresh
// level gives every monster one, and a wandering monster turns with it.
#pragma once

#include <cstdint>

namespace game {

// Pixels per frame a monster of the kind covers (city-block length of its
// velocity): 0.4, 0.6, 0.8 and 0.9 for kinds 0 to 3; 0 for any other kind,
// which therefore never moves once it has turned at random.
float MonsterStepLength(int16_t kind);

// Gives monster i a random velocity of its kind's step length, split at
// random between the two axes, each with a random sign.  Draws three random
// numbers.
void PickRandomDirection(int16_t& i);

}  // namespace game
