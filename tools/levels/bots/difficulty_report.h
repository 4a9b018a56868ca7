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
#include <stdexcept>
#include <string>
#include <vector>

#include "game/levels/package_record.h"
#include "game/settings/difficulty_setting.h"

namespace levels_tool {

struct DifficultyOptions {
    std::vector<int32_t> levels;
    int runs = 20;
    uint64_t seed = 1;
    // Ten minutes of play.
    int frameLimit = 36000;
    // Chained runs (MeasureChained): deaths in one level that end the run.
    int deathLimit = 5;
    // Chained runs, a level designer's aid: in the levels before this one
    // the hero is healed after every frame, so that a level deep in the
    // cave can be measured with what a run brings there before the levels
    // above it are fair.  0: never.
    int32_t healedBefore = 0;
    // Every run's game is a new game of this difficulty.
    settings::Difficulty difficulty = settings::Difficulty::kNormal;
};

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

// The runs cannot be played at all (the campaign cannot be written to the
// runs' folder).
class DifficultyError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Plays the runs; one result per level, in the order asked.  A level that
// cannot be measured (it cannot be got to, has no way on a newcomer knows,
// or fails to load) has its problem told in its result.
std::vector<LevelDifficulty> MeasureDifficulty(const game::PackageRecord& package,
                                               const DifficultyOptions& options);

// "level N: cleared C/R, deaths D, lives lost L, median time T s"
std::string DifficultyLine(const LevelDifficulty& result);

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
