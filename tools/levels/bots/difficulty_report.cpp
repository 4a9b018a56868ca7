#include "tools/levels/bots/difficulty_report.h"

#include <algorithm>

#include "game/core/game_state.h"
#include "tools/levels/bots/headless_game.h"

namespace levels_tool {

std::string DifficultyLevelName(int32_t n) {
    return "level " + std::to_string(n);
}

void ThrowIfGameStopped(HeadlessGame& game) {
    if (!game::ShutdownRequested) return;
    std::string why = DifficultyLevelName(game::LevelNumber) + ": the game stopped";
    for (const std::string& box : game.Windows().messageBoxes)
        why += " (" + box + ")";
    throw DifficultyError(why);
}

double MedianOf(std::vector<int> values) {
    if (values.empty()) return -1.0;
    std::sort(values.begin(), values.end());
    const size_t half = values.size() / 2;
    return values.size() % 2 == 1 ? values[half]
                                  : (static_cast<double>(values[half - 1]) + values[half]) / 2.0;
}

double MedianSecondsOf(const std::vector<int>& frames) {
    const double median = MedianOf(frames);
    return median < 0 ? -1.0 : median / 60.0;
}

}  // namespace levels_tool
