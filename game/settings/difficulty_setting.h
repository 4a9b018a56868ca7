// How hard the game is (the Obtiznost setting).  The normal game is the game
// as it has always been; the easy one takes half the lives a blow, a bomb's
// fragment or a trap takes and heals twice as much (game/core/difficulty.h).
#pragma once

#include <cstdint>

namespace settings {

enum class Difficulty : uint8_t { kNormal, kEasy };

}  // namespace settings
