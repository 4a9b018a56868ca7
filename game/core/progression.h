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

// Raises the hero one level when his experience reaches the next threshold:
// 5 to 10 more lives, fully healed, told by a floating text and the log.
// True when he rose.  The caller refreshes the status panel.
bool CheckLevelUp();

// The hero's death: an explosion and "R.I.P." where he stood, the working
// levels deleted so the dead game cannot go on, every held key let go.  The
// frame loop shows the game-over window once the explosions have played.
void KillHero();

}  // namespace game
