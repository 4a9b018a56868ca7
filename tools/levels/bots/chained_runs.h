// How hard the campaign is for a newcomer played in one go (the chained
// runs of the difficulty report); its figures level by level, act by act
// and for the way to the end of the game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/levels/package_record.h"
#include "tools/levels/bots/difficulty_report.h"

namespace levels_tool {

// The campaign played in one go.  Each run is a new game that goes on from
// level to level along the main way (into a side branch the levels asked
// name, and back; back up the stairs where the way on lies behind), carrying
// everything the hero has and every level as he left it; he quick-saves on
// arriving in each level and, after a death, goes on from that save, until
// the fifth death in one level ends the run.  Stepping out by another way
// takes him back to the save too, without a death.  A level is left for
// good when the hero arrives in the next level asked (the last one: when he
// leaves it along the main way, or reaches the end of the game); a run ends
// at the frame limit of one try as well.  The levels asked must run from
// level 0 without a gap.
struct ChainedLevel {
    int32_t level = 0;
    int runs = 0;
    int reached = 0;
    int cleared = 0;
    // Deaths in all the runs that reached the level.
    int deaths = 0;
    // Runs that ended here without finding the way on: ten minutes of one
    // try gone, or five times out by another way.
    int lost = 0;
    // The hero as he arrived, one entry per run that reached it.
    std::vector<int> arrivalLives, arrivalHeroLevels, arrivalMissiles;
    // Frames each run that cleared the level spent in it, tries after a
    // death included.
    std::vector<int> clearedFrames;
    // Why the level could not be played (no way to it); empty when it was.
    std::string problem;

    double MeanDeaths() const;
    // The medians of the arrival figures; negative when no run reached the
    // level.
    double MedianArrivalLives() const;
    double MedianArrivalHeroLevel() const;
    double MedianArrivalMissile() const;
    // Of the cleared runs, in game seconds; negative when none was.
    double MedianSeconds() const;
};

// An act of the cave (or the whole way to the end of the game): the runs
// that got to its first level, those that left its last one along the way
// asked, and the frames each of those spent from the one to the other.
struct ChainedStretch {
    std::string name;
    int32_t first = 0, last = 0;
    int runs = 0, reached = 0, finished = 0;
    std::vector<int> finishedFrames;

    double MedianSeconds() const;
};

struct ChainedReport {
    std::vector<ChainedLevel> levels;
    // The acts the levels asked hold whole.
    std::vector<ChainedStretch> acts;
    // The way from a new game to the end of the game, when the levels
    // asked end with the last level.
    std::vector<ChainedStretch> ending;
};

ChainedReport MeasureChained(const game::PackageRecord& package, const DifficultyOptions& options);

// "level N: reached R/20, cleared C/20, mean deaths D, lives on arrival L
// (median), hero level H, missile M, median time H:MM:SS"
std::string ChainedLine(const ChainedLevel& result);
// "level N: the way on was not found in L of the R runs that reached it"
// for a level some runs got lost in, else empty.
std::string LostLine(const ChainedLevel& result);
// "act II: reached R/20, finished F/20, median time H:MM:SS", "ending:
// R/20, median time H:MM:SS"
std::string StretchLine(const ChainedStretch& stretch);

}  // namespace levels_tool
