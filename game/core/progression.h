// The hero's progression and the status panel at the right of the field.
#pragma once

#include <cstdint>
#include <string>

#include "game/core/windows.h"

namespace game {

// Digits in groups of three from the right, one blank between groups, no
// leading zeros or blanks: 1234567 -> "1 234 567", 1200 -> "1 200", 0 -> "0".
std::string FormatGrouped(int64_t value);

// Experience needed for the next level, (HeroLevel + 1)^2 * 100, as a Long.
int32_t NextLevelExperience();

// The captions of the ten status values from the current globals.
StatusCaptions CurrentStatusCaptions();

// Shows the current values in the status panel.
void UpdateStatus();

}  // namespace game
