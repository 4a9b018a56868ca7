#include "game/records/run_figures.h"

#include <cstdio>

#include "game/core/acts.h"

namespace game {
namespace {

// HundredthsOfFrames of a second, the nearest (frames / 60 * 100 = frames * 5 / 3).
uint64_t HundredthsOfFrames(uint64_t frames) {
    return (frames * 5 + 1) / 3;
}

}  // namespace

RunFigures FiguresOfRun(const RunStatistics& s) {
    RunFigures f;
    for (const LevelVisit& visit : s.progress.visits) {
        LevelFigures* level = nullptr;
        for (LevelFigures& known : f.levels)
            if (known.level == visit.level) level = &known;
        if (!level) {
            f.levels.push_back(LevelFigures{visit.level});
            level = &f.levels.back();
            const auto deaths = s.attempts.deaths.find(visit.level);
            if (deaths != s.attempts.deaths.end()) level->deaths = deaths->second;
        }
        level->frames += visit.frames;
        level->kills += visit.Kills();
        level->gold += visit.gold;
        f.kills += visit.Kills();
        f.gold += visit.gold;
    }
    for (int act = 0; act < kActCount; ++act) {
        ActFigures figures{act};
        bool reached = false;
        for (const ActDone& done : s.progress.actsDone)
            if (done.act == act) {
                figures.frames = done.frames;
                figures.deaths = done.deaths;
                figures.done = reached = true;
            }
        if (!figures.done) {
            for (const LevelVisit& visit : s.progress.visits)
                if (ActOfLevel(visit.level) == act) {
                    figures.frames += visit.frames;
                    reached = true;
                }
            figures.deaths = ActDeaths(s, act);
        }
        if (reached) f.acts.push_back(figures);
    }
    f.ending = s.progress.ending;
    f.frames = s.Frames();
    f.deaths = s.attempts.Deaths();
    f.reloads = s.attempts.reloads;
    return f;
}

std::string MinutesText(uint64_t frames) {
    const uint64_t h = HundredthsOfFrames(frames);
    char text[48];
    std::snprintf(text, sizeof text, "%llu:%02u.%02u", static_cast<unsigned long long>(h / 6000),
                  static_cast<unsigned>(h / 100 % 60), static_cast<unsigned>(h % 100));
    return text;
}

std::string HoursText(uint64_t frames) {
    const uint64_t h = HundredthsOfFrames(frames);
    char text[56];
    std::snprintf(text, sizeof text, "%llu:%02u:%02u.%02u",
                  static_cast<unsigned long long>(h / 360000), static_cast<unsigned>(h / 6000 % 60),
                  static_cast<unsigned>(h / 100 % 60), static_cast<unsigned>(h % 100));
    return text;
}

std::string LevelLine(const LevelFigures& l) {
    return "level " + std::to_string(l.level) + ": time " + MinutesText(l.frames) + ", deaths " +
           std::to_string(l.deaths) + ", kills " + std::to_string(l.kills) + ", gold " +
           std::to_string(l.gold);
}

std::string ActLine(const ActFigures& a) {
    return std::string("act ") + ActNumeral(a.act) + ": time " + HoursText(a.frames) + ", deaths " +
           std::to_string(a.deaths);
}

std::string EndingLine(const CaveEnd& ending) {
    return "ending: " + HoursText(ending.frames);
}

std::string RunLine(const RunFigures& f) {
    return "run: time " + HoursText(f.frames) + ", deaths " + std::to_string(f.deaths) +
           ", loads " + std::to_string(f.reloads);
}

std::vector<std::string> RecordLines(const RunFigures& f,
                                     const std::vector<std::string>& achievementNames) {
    std::vector<std::string> lines;
    for (const LevelFigures& level : f.levels)
        lines.push_back(LevelLine(level));
    for (const ActFigures& act : f.acts)
        lines.push_back(ActLine(act));
    if (f.ending) lines.push_back(EndingLine(*f.ending));
    lines.push_back(RunLine(f));
    for (const std::string& name : achievementNames)
        lines.push_back("achievement: " + name);
    return lines;
}

}  // namespace game
