#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "game/core/progression.h"
#include "game/world/hero_death.h"
#include "world/world_test.h"

namespace {

using namespace game;
using world_testing::WorldTest;

class ProgressionTest : public WorldTest {};

TEST_F(ProgressionTest, LevelUpNeedsTheFullThresholdAndGivesOneLevelACall) {
    Experience = 99;
    EXPECT_FALSE(CheckLevelUp());
    EXPECT_EQ(HeroLevel, 0);

    Experience = 1000;
    MaxLives = Lives = 10;
    Lives = 3;
    EXPECT_TRUE(CheckLevelUp());
    EXPECT_EQ(HeroLevel, 1);
    EXPECT_GE(MaxLives, 15);
    EXPECT_LE(MaxLives, 20);
    EXPECT_EQ(Lives, MaxLives);  // healed
    EXPECT_TRUE(CheckLevelUp());
    EXPECT_TRUE(CheckLevelUp());
    EXPECT_EQ(HeroLevel, 3);
    EXPECT_FALSE(CheckLevelUp());  // 1600 needed now
    for (const std::string& line : windows.LogLines())
        if (line.rfind("Získal jsi ", 0) == 0) {
            EXPECT_NE(line.find(" životů..."), std::string::npos) << line;
        }
    EXPECT_EQ(FloatTextTexts(), (std::vector<std::string>{"Úroveň 2", "Úroveň 3", "Úroveň 4"}));
}

TEST_F(ProgressionTest, TheThresholdStopsAtTheLongsLimitInsteadOfOverflowing) {
    HeroLevel = 4633;
    EXPECT_EQ(NextLevelExperience(), 2147395600);  // 4634 squared, times 100
    HeroLevel = 4634;                              // 4635 squared would not fit
    EXPECT_EQ(NextLevelExperience(), INT32_MAX);
    HeroLevel = INT16_MAX;
    EXPECT_EQ(NextLevelExperience(), INT32_MAX);

    HeroLevel = 4634;
    Experience = INT32_MAX - 1;
    EXPECT_FALSE(CheckLevelUp());
    EXPECT_EQ(HeroLevel, 4634);
    EXPECT_EQ(CurrentStatusCaptions()[3], "2 147 483 647");
    Experience = INT32_MAX;
    EXPECT_TRUE(CheckLevelUp());
    EXPECT_EQ(HeroLevel, 4635);
}

TEST_F(ProgressionTest, LevelAndLivesStopAtTheirLimits) {
    Experience = INT32_MAX;
    HeroLevel = INT16_MAX - 1;
    MaxLives = INT16_MAX - 3;
    Lives = 1;
    EXPECT_TRUE(CheckLevelUp());
    EXPECT_EQ(HeroLevel, INT16_MAX);
    EXPECT_EQ(MaxLives, INT16_MAX);
    EXPECT_EQ(Lives, INT16_MAX);
    EXPECT_EQ(FloatTextTexts().back(), "Úroveň 32768");

    // The highest level: no more rises, no more lives, nothing told.
    const size_t logLines = windows.LogLines().size();
    MaxLives = 100;
    EXPECT_FALSE(CheckLevelUp());
    EXPECT_EQ(HeroLevel, INT16_MAX);
    EXPECT_EQ(MaxLives, 100);
    EXPECT_EQ(windows.LogLines().size(), logLines);
    EXPECT_EQ(CurrentStatusCaptions()[5], "32768");
}

TEST_F(ProgressionTest, DeathLetsGoOfTheKeysAndDeletesTheWorkingLevels) {
    const std::filesystem::path levels = appFolder / "data" / "levels";
    std::filesystem::create_directories(levels);
    std::ofstream(levels / "level0.sc") << "x";
    KeyLeftHeld = FireHeld = true;
    HeroX = 100.5f;
    HeroY = 200.0f;
    KillHero();
    EXPECT_TRUE(HeroDead);
    EXPECT_FALSE(KeyLeftHeld);
    EXPECT_FALSE(FireHeld);
    EXPECT_FALSE(std::filesystem::exists(levels / "level0.sc"));
    ASSERT_EQ(ExplosionCount, 1);
    EXPECT_EQ(Explosions[0].X, 108 - 10);  // 107.5 rounds to even
    EXPECT_EQ(FloatTextTexts(), std::vector<std::string>{"R.I.P."});
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Jsi mrtev..."});
}

TEST(LivesLowTest, AQuarterOfTheMostButNeverBelowThree) {
    struct Case {
        int32_t lives, maxLives;
        bool low;
    } const cases[] = {
        {3, 10, true}, {4, 10, false},  // a quarter of 10 is 2: three still warns
        {5, 20, true}, {6, 20, false},  // a quarter of 20
        {6, 27, true}, {7, 27, false},  // rounded down
        {0, 0, true},  {-2, 100, true}, {25, 100, true}, {26, 100, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LivesLow(c.lives, c.maxLives), c.low) << c.lives << " of " << c.maxLives;
}

TEST_F(ProgressionTest, SpeedPanelCountsEveryTenth) {
    // The float sum of the pick-ups' tenths drifts just below 2.4 after 18.
    HeroSpeed = 0.6f;
    for (int step = 1; step <= 40; ++step) {
        HeroSpeed = static_cast<float>(static_cast<double>(HeroSpeed) + 0.1);
        EXPECT_EQ(CurrentStatusCaptions()[10], std::to_string(6 + step)) << step;
    }
}

}  // namespace
