// Whether a record is what its recordings give: the lines that
// `karvelun-levels records` printed from them (run_figures.h) must hold the
// record's own figures.  Recordings that did not play, or a record that
// names none, leave it unverified.
#pragma once

#include <string>
#include <vector>

#include "game/records/personal_bests.h"

namespace game {

// The lines of a records command that played its recordings to the end
// (its status 0), or nothing.
using RecordsOutput = std::vector<std::string>;

// A best of `scope` (an act or kWholeCave), the fastest or the fewest deaths.
bool BestAgrees(int scope, bool fastest, const BestRecord& best, const RecordsOutput& lines);
bool AchievementAgrees(const Achievement& achievement, const RecordsOutput& lines);

}  // namespace game
