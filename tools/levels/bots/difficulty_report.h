// The difficulty report's two measures share: what is measured and how
// (DifficultyOptions), the error that stops the runs, and the figures'
// helpers.  level_runs.h measures one level at a time, chained_runs.h the
// campaign in one go.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/settings/difficulty_setting.h"

namespace levels_tool {

class HeadlessGame;

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

// The runs cannot be played at all (the campaign cannot be written to the
// runs' folder).
class DifficultyError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// "level N".
std::string DifficultyLevelName(int32_t n);

// A run that shut the game down (a message box of the game, say) ends the
// measuring, naming the level and what the boxes said.
void ThrowIfGameStopped(HeadlessGame& game);

// The median of the values; negative for none.
double MedianOf(std::vector<int> values);
// The median of frames in game seconds (60 frames a second); negative for
// none.
double MedianSecondsOf(const std::vector<int>& frames);

}  // namespace levels_tool
