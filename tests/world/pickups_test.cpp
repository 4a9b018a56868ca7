#include <gtest/gtest.h>

#include "game/core/messages.h"
#include "game/core/progression.h"
#include "game/platform/random.h"
#include "game/platform/rounding.h"
#include "game/world/world_effects.h"
#include "world/world_test.h"

namespace {

using namespace game;
using world_testing::WorldTest;

class PickUpTest : public WorldTest {
  protected:
    // Picks up a fresh item of the kind at (100, 200).
    void PickUp(int16_t kind) {
        int16_t i = AddItem(100, 200, kind);
        PickUpItem(i);
    }
    // The first random number after seeding with seed.
    static float FirstRandom(uint64_t seed) {
        platform::Randomize(seed);
        float r = platform::Rnd();
        platform::Randomize(seed);
        return r;
    }
};

TEST_F(PickUpTest, GoldEndsInCzechByItsAmount) {
    EXPECT_EQ(GoldEnding(1), " zlatý!");
    EXPECT_EQ(GoldEnding(3), " zlaté!");
    EXPECT_EQ(GoldEnding(4), " zlaté!");
    EXPECT_EQ(GoldEnding(5), " zlatých!");
    EXPECT_EQ(GoldEnding(11), " zlatých!");

    // Find seeds that give 1, 3 and 11 pieces, and check what is told.
    for (int wanted : {1, 3, 11}) {
        uint64_t seed = 1;
        while (platform::CInt(FirstRandom(seed) * 10.0f + 1.0f) != wanted)
            ++seed;
        FirstRandom(seed);
        const int32_t before = Gold;
        PickUp(0);
        EXPECT_EQ(Gold - before, wanted);
        EXPECT_EQ(windows.LogLines().back(),
                  "Získal jsi " + std::to_string(wanted) + GoldEnding(wanted));
        EXPECT_EQ(FloatTexts[FloatTextCount - 1].Text, std::to_string(wanted) + "+");
    }
    // Over the item's centre, in gold.
    EXPECT_EQ(FloatTexts[0].Y, 200.0f + 9.0f - 20.0f);
    EXPECT_EQ(FloatTexts[0].Colour, Rgb(255, 255, 0));
    EXPECT_EQ(sound.Count("tlacitko.wav"), 3);
    EXPECT_EQ(windows.status[4], std::to_string(Gold));
}

TEST_F(PickUpTest, ChestHoldsTenToSixty) {
    const float r = FirstRandom(77);
    PickUp(10);
    const int g = platform::CInt(r * 50.0f + 10.0f);
    EXPECT_EQ(Gold, g);
    EXPECT_EQ(windows.LogLines().back(), "Získal jsi " + std::to_string(g) + " zlatých!");
}

TEST_F(PickUpTest, HealingAtFullLivesShowsZeroAndLogsNothing) {
    Lives = MaxLives = 10;
    PickUp(2);
    EXPECT_EQ(Lives, 10);
    EXPECT_EQ(FloatTextTexts(), std::vector<std::string>{"0+"});
    EXPECT_TRUE(windows.LogLines().empty());
    EXPECT_EQ(windows.livesCaption, "10");
    EXPECT_EQ(sound.Count("tlacitko.wav"), 1);
}

TEST_F(PickUpTest, HealingStopsAtTheMaximum) {
    HeroLevel = 3;  // up to 5 * 3 + 4 + 1 = 20
    MaxLives = 30;
    Lives = 28;
    uint64_t seed = 1;
    while (platform::CInt(FirstRandom(seed) * 19.0f + 1.0f) < 3)
        ++seed;
    FirstRandom(seed);
    PickUp(2);
    EXPECT_EQ(Lives, 30);
    EXPECT_EQ(FloatTextTexts(), std::vector<std::string>{"2+"});
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Byl jsi vyléčen za 2 životy..."});
    EXPECT_EQ(windows.livesCaption, "30");
}

TEST_F(PickUpTest, ExperienceAtLevelZeroIsThirtyFive) {
    PickUp(1);
    EXPECT_EQ(Experience, 35);
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Získal jsi 35 zkušeností!"});
    EXPECT_EQ(FloatTextTexts(), std::vector<std::string>{"35+"});
    EXPECT_EQ(FloatTexts[0].Colour, Rgb(0, 200, 255));
}

TEST_F(PickUpTest, ExperienceLogsFirstAndTheLevelUpReplacesItsText) {
    Experience = 90;
    PickUp(1);
    EXPECT_EQ(HeroLevel, 1);
    const std::vector<std::string> log = windows.LogLines();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "Získal jsi 35 zkušeností!");
    EXPECT_EQ(log[1], "Postoupil jsi na úroveň!");
    EXPECT_EQ(FloatTextTexts(), std::vector<std::string>{"Úroveň 2"});
    EXPECT_EQ(windows.status[3], "400");  // the next threshold
}

TEST_F(PickUpTest, UpgradesRaiseTheirValueWithTheirTexts) {
    PickUp(4);
    PickUp(5);
    PickUp(6);
    PickUp(7);
    PickUp(8);
    EXPECT_EQ(BombStrength, 7);
    EXPECT_EQ(MissileStrength, 2);
    EXPECT_EQ(BombRange, 35);
    EXPECT_EQ(MissileRange, 40);
    EXPECT_FLOAT_EQ(HeroSpeed, 0.7f);
    EXPECT_EQ(FloatTextTexts(), (std::vector<std::string>{"Síla +2", "Síla +1", "Dosah +1",
                                                          "Dosah +1", "Rychlost +1"}));
    EXPECT_EQ(windows.LogLines(),
              (std::vector<std::string>{
                  "Síla dračí bomby byla vylepšena!", "Síla magické střely byla vylepšena!",
                  "Dosah magické bomby byl vylepšen!", "Dosah magické střely byl vylepšen!",
                  "Tvá rychlost byla vylepšena!"}));
    EXPECT_EQ(FloatTexts[0].Colour, Rgb(255, 100, 0));
    EXPECT_EQ(FloatTexts[4].Colour, Rgb(170, 170, 170));
    // The panel shows the ranges in steps of five and the speed times ten.
    EXPECT_EQ(windows.status[7], "8");
    EXPECT_EQ(windows.status[9], "7");
    EXPECT_EQ(windows.status[10], "7");
}

TEST_F(PickUpTest, KindsWithoutEffect) {
    PickUp(3);  // taken silently by the frame loop; nothing here
    PickUp(9);  // never taken
    EXPECT_EQ(sound.cues.size(), 0u);
    EXPECT_FALSE(windows.Called("ShowStatus"));
    PickUp(11);  // unknown: only the pick-up sound
    EXPECT_EQ(sound.Files(), std::vector<std::string>{"tlacitko.wav"});
    EXPECT_TRUE(windows.Called("ShowStatus"));
    EXPECT_EQ(FloatTextCount, 0);
    EXPECT_TRUE(windows.LogLines().empty());
}

}  // namespace
