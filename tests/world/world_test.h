// Shared pieces of the world-rule tests: a sound object that records every
// cue the rules play, and a fixture with a hero, sound on and helpers to lay
// out walls, monsters and items.
#pragma once

#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "support/game_test.h"
#include "tembra/soundsys.h"

namespace world_testing {

// A cue as the rules asked for it: the file and the speed given to IndexSet.
struct PlayedCue {
    std::string file;
    float speed = 0;
};

class CueRecorder : public tembra::_SoundSys {
  public:
    std::vector<PlayedCue> cues;

    // The files played, in order.
    std::vector<std::string> Files() const;
    int Count(const std::string& file) const;

    std::string Console() const override { return {}; }
    void Console(std::string) override {}
    void FreeMemory(const tembra::Boolean&) override {}
    void IndexUnload(const int16_t&) override {}
    float IndexGet(const int16_t&, const tembra::pInfoGet&) override { return 0; }
    void IndexPlay(const int16_t&, const tembra::Boolean&, const tembra::Boolean&) override {}
    void IndexStop(const int16_t&) override {}
    void StopAll() override {}
    void IndexSet(const int16_t& slot, const float&, const float&, const float& speed,
                  const float&) override;
    void IndexDirectLoad(const int16_t&, const std::string&, const tembra::Boolean&,
                         const tembra::Boolean&) override {}
    int16_t IndexLoad(const std::string& file, const tembra::Boolean&,
                      const tembra::Boolean&) override;
    void DsClose() override {}
    std::string DsInit_PRE() override { return {}; }
    void DsInit(const int16_t&, const int32_t&, const tembra::Boolean&, const int16_t&) override {}
    void Release() override {}

  private:
    std::vector<std::string> loaded_;
};

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
