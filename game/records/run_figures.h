// A run's records as the player reads them, from its statistics: each level
// reached with its play time, deaths, kills and gold; each act reached with
// its time and deaths (an act gone on from as it stood then); the end of the
// cave.  The level tool prints them from a recording, one line each, and the
// records window checks its own figures against those lines.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/core/run_statistics.h"

namespace game {

struct LevelFigures {
    int32_t level = 0;
    uint64_t frames = 0;
    uint32_t deaths = 0;
    uint32_t kills = 0;
    int64_t gold = 0;
};

struct ActFigures {
    int act = 0;
    uint64_t frames = 0;
    uint32_t deaths = 0;
    bool done = false;  // gone on from, or the cave finished in it
};

struct RunFigures {
    std::vector<LevelFigures> levels;  // in the order first reached
    std::vector<ActFigures> acts;      // in their order
    std::optional<CaveEnd> ending;
    uint64_t frames = 0;
    uint32_t deaths = 0;
    uint32_t reloads = 0;
    uint32_t kills = 0;
    int64_t gold = 0;
};

RunFigures FiguresOfRun(const RunStatistics& statistics);

// Frames of play at 60 a second, to the hundredth, the nearest taken:
// "M:SS.ss" (minutes as many as there are) and "H:MM:SS.ss".
std::string MinutesText(uint64_t frames);
std::string HoursText(uint64_t frames);

// "level 3: time 1:02.50, deaths 0, kills 12, gold 40"
std::string LevelLine(const LevelFigures& level);
// "act I: time 0:11:19.50, deaths 1"
std::string ActLine(const ActFigures& act);
// "ending: 0:30:12.33"
std::string EndingLine(const CaveEnd& ending);
// "run: time 0:30:12.33, deaths 0, loads 0"
std::string RunLine(const RunFigures& figures);
// Every line of the run, in that order, the achievements' last
// ("achievement: " and its name).
std::vector<std::string> RecordLines(const RunFigures& figures,
                                     const std::vector<std::string>& achievementNames);

}  // namespace game
