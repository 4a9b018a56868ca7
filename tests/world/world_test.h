// Shared pieces of the world-rule tests: a sound object that records every
// cue the rules play, and a fixture with a hero, sound on and helpers to lay
// out walls, monsters and items.
#pragma once

#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "support/game_test.h"
#include "support/recording_sound.h"

namespace world_testing {

using CueRecorder = testing_support::RecordingSound;

class WorldTest : public testing_support::GameTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A wall (or any tile kind) with its parameters.
    static void SetTile(int t, int16_t kind, const std::string& param1 = "",
                        const std::string& param2 = "", int16_t picture = 1);
    // A monster at (x, y); returns its index.
    static int16_t AddMonster(float x, float y, int16_t kind = 0, int16_t hitPoints = 1,
                              int16_t damage = 1);
    static int16_t AddItem(int16_t x, int16_t y, int16_t kind);
    // The hero's corner on tile t, two pixels in (where teleports put him).
    static void PutHeroOnTile(int t);

    // The floating texts' texts, in list order.
    static std::vector<std::string> FloatTextTexts();

    CueRecorder sound;
};

}  // namespace world_testing
