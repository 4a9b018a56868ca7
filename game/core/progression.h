// The hero's progression and the status panel at the right of the field.
#pragma once

#include <cstdint>
#include <string>

#include "game/core/windows.h"

namespace game {

// Digits in groups of three from the right, one blank between groups, no
// leading zeros or blanks: 1234567 -> "1 234 567", 1200 -> "1 200", 0 -> "0".
std::string FormatGrouped(int64_t value);

// The status panel's grouped numbers: as FormatGrouped, but 0 leaves the
// caption empty.
std::string FormatStatusGrouped(int64_t value);

// A range shown on the panel's scale of five pixels, as the shortest decimal
// text with a full stop: 37 -> "7.4", 35 -> "7", -3 -> "-0.6".
std::string FormatRangeScale(int32_t pixels);

// Experience needed for the next level, (HeroLevel + 1)^2 * 100, as a Long;
// from level 4634 on the square no longer fits and the threshold stays at
// the Long's largest value.
int32_t NextLevelExperience();

// The captions of the ten status values from the current globals.
StatusCaptions CurrentStatusCaptions();

// Shows the current values in the status panel.
void UpdateStatus();

// Raises the hero one level when his experience reaches the next threshold:
// 5 to 10 more lives, fully healed, told by a floating text and the log.
// The level and the lives stop at their type's limit; a hero at the highest
// level rises no more, nor does a dead one.  True when he rose.  The caller
// refreshes the status panel.
bool CheckLevelUp();

// The hero's lives are low enough to warn the player: at most a quarter of
// his most (rounded down), and never fewer than three.  The play field's red
// edge and the heartbeat show it; the newcomer bot sees it as a player does.
bool LivesLow(int32_t lives, int32_t maxLives);
bool LivesLow();

}  // namespace game
