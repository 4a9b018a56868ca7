// The colours of the numbers and words that float up over the cave: damage,
// healing, experience, gold and the rest look the same wherever they come
// from.
#pragma once

#include <cstdint>

#include "game/core/game_state.h"

namespace game {

constexpr int32_t kWhite = Rgb(255, 255, 255);
constexpr int32_t kRed = Rgb(255, 0, 0);
constexpr int32_t kGoldYellow = Rgb(255, 255, 0);
constexpr int32_t kBombOrange = Rgb(255, 100, 0);
constexpr int32_t kExperienceBlue = Rgb(0, 200, 255);
constexpr int32_t kSpeedGrey = Rgb(170, 170, 170);
constexpr int32_t kCountdownCyan = Rgb(0, 255, 255);

}  // namespace game
