#include "game/records/record_check.h"

#include <algorithm>

#include "game/records/run_figures.h"

namespace game {
namespace {

bool Holds(const RecordsOutput& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool HoldsStart(const RecordsOutput& lines, const std::string& start) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

}  // namespace

bool BestAgrees(int scope, bool fastest, const BestRecord& best, const RecordsOutput& lines) {
    if (best.recordings.empty() || lines.empty()) return false;
    if (fastest && best.value != best.frames) return false;
    if (scope == kWholeCave) {
        // The cave's deaths are the run's: its recordings end with the cave.
        if (!Holds(lines, EndingLine(CaveEnd{best.frames, 0}))) return false;
        if (fastest) return true;
        // The run's line counts the frame the cave ends in too.
        const std::string deaths = ", deaths " + std::to_string(best.value) + ",";
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.rfind("run: time ", 0) == 0 && line.find(deaths) != std::string::npos;
        });
    }
    const std::string act = ActLine(ActFigures{scope, best.frames, 0, true});
    const std::string time = act.substr(0, act.find(", deaths"));
    if (fastest) return HoldsStart(lines, time + ", deaths ");
    return Holds(lines, time + ", deaths " + std::to_string(best.value));
}

bool AchievementAgrees(const Achievement& achievement, const RecordsOutput& lines) {
    return Holds(lines, std::string("achievement: ") + achievement.name);
}

}  // namespace game
