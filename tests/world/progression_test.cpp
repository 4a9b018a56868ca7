#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/core/progression.h"
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

TEST_F(ProgressionTest, SpeedPanelCountsEveryTenth) {
    // The float sum of the pick-ups' tenths drifts just below 2.4 after 18.
    HeroSpeed = 0.6f;
    for (int step = 1; step <= 40; ++step) {
        HeroSpeed = static_cast<float>(static_cast<double>(HeroSpeed) + 0.1);
        EXPECT_EQ(CurrentStatusCaptions()[10], std::to_string(6 + step)) << step;
    }
}

}  // namespace
