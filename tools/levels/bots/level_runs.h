// How hard the levels are for a newcomer, measured: the newcomer bot plays
// each level many times through the real frame loop, from the tile where
// the main way enters it, with the hero the playthrough bot has when it
// first comes there (a new game's hero in level 0).  A run is cleared when
// the hero leaves by the exit that goes on along the main way (towards the
// end of the game, or, in a campaign without its last level yet, towards
// its deepest level) within the frame limit; it fails when he dies, leaves
// by another way or runs out of time.  Every run is seeded, the game's
// random sequence and the bot's own alike, so the figures come out the
// same on every run of the tool.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/levels/package_record.h"
#include "tools/levels/bots/difficulty_report.h"

namespace levels_tool {

struct LevelDifficulty {
    int32_t level = 0;
    int runs = 0;
    int cleared = 0;
    int deaths = 0;
    int livesLost = 0;
    // Times the walls stopped the hero where he meant to go through.
    int bumps = 0;
    // Frames each cleared run took.
    std::vector<int> clearedFrames;
    // Why the level could not be measured ("level 52: no way on from tile
    // 412"); empty when it was.
    std::string problem;

    // The median of the cleared runs in game seconds (60 frames a
    // second); negative when none was cleared.
    double MedianSeconds() const;
};

// Plays the runs; one result per level, in the order asked.  A level that
// cannot be measured (it cannot be got to, has no way on a newcomer knows,
// or fails to load) has its problem told in its result.
std::vector<LevelDifficulty> MeasureDifficulty(const game::PackageRecord& package,
                                               const DifficultyOptions& options);

// "level N: cleared C/R, deaths D, lives lost L, median time T s"
std::string DifficultyLine(const LevelDifficulty& result);

}  // namespace levels_tool
