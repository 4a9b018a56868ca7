#include <gtest/gtest.h>

#include "game/core/progression.h"
#include "game/platform/random.h"
#include "game/platform/rounding.h"
#include "game/world/strelba.h"
#include "world/world_test.h"

namespace {

using namespace game;
using world_testing::WorldTest;

class CombatTest : public WorldTest {
  protected:
    static int16_t AddMissile(float x, float y) {
        int16_t i = AppendEntry(Missiles, MissileCount);
        Missiles[i] = Projectile{x, y, x, y, 2.0f, 0.0f};
        return i;
    }
};

TEST(CzechEndings, AgreeWithTheNumber) {
    EXPECT_EQ(LivesEnding(1), " život...");
    for (int n : {2, 3, 4})
        EXPECT_EQ(LivesEnding(n), " životy...");
    for (int n : {5, 6, 11, 21, 100})
        EXPECT_EQ(LivesEnding(n), " životů...");
    EXPECT_EQ(LivesMessage("Byl jsi zraněn za ", 1).czech, "Byl jsi zraněn za 1 život...");
    EXPECT_EQ(LivesMessage("Byl jsi zraněn za ", 0).czech, "");
    EXPECT_EQ(LivesMessage("Byl jsi zraněn za ", -3).czech, "");
}

TEST(TouchTest, OverlapIsStrictAndTheSamePointDoesNotCount) {
    EXPECT_TRUE(SquaresTouch(100, 100, 114.9f, 100, 15));
    EXPECT_FALSE(SquaresTouch(100, 100, 115, 100, 15));
    EXPECT_TRUE(SquaresTouch(100, 100, 100, 110, 15));  // level on x
    EXPECT_FALSE(SquaresTouch(100, 100, 100, 100, 15));
    EXPECT_TRUE(SquaresTouch(100, 100, 111.5f, 88.5f, 12));
    EXPECT_FALSE(SquaresTouch(100, 100, 105, 112, 12));
}

TEST_F(CombatTest, BlowsTellTheHurtInCzech) {
    Lives = 30;
    int16_t i = AddMonster(HeroX + 5, HeroY, 0, 1, 1);
    for (int16_t damage : {1, 4, 5, 0}) {
        Monsters[i].Damage = damage;
        HitHero(i);
    }
    EXPECT_EQ(windows.LogLines(), (std::vector<std::string>{"Byl jsi zraněn za 1 život...",
                                                            "Byl jsi zraněn za 4 životy...",
                                                            "Byl jsi zraněn za 5 životů..."}));
    EXPECT_EQ(FloatTextTexts(), (std::vector<std::string>{"1-", "4-", "5-", "0-"}));
    EXPECT_EQ(Lives, 20);
    EXPECT_EQ(windows.status[0], "20");
    EXPECT_EQ(FloatTexts[0].Colour, Rgb(255, 0, 0));
    EXPECT_EQ(sound.Count("death.wav"), 4);
}

TEST_F(CombatTest, DeadlyBlowKillsOnceWithoutText) {
    Lives = 2;
    int16_t i = AddMonster(HeroX + 5, HeroY, 0, 1, 3);
    HitHero(i);
    EXPECT_TRUE(HeroDead);
    EXPECT_EQ(Lives, -1);
    EXPECT_EQ(FloatTextTexts(), std::vector<std::string>{"R.I.P."});
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Jsi mrtev..."});
    EXPECT_EQ(ExplosionCount, 1);
    HitHero(i);  // the world runs on while the explosions play
    EXPECT_EQ(ExplosionCount, 1);
    EXPECT_EQ(windows.LogLines().size(), 1u);
    EXPECT_EQ(sound.Count("death.wav"), 1);  // no hurt sound for the dead
}

TEST_F(CombatTest, ContactStrikesAtOnceThenAfterMoreThanASecond) {
    Lives = 100;
    int16_t i = AddMonster(HeroX + 5, HeroY + 5, 0, 1, 1);
    std::vector<float> blows;
    for (int step = 0; step <= 20; ++step) {
        float now = 1000.0f + 0.25f * static_cast<float>(step);
        SetClock(now);
        int16_t before = Lives;
        TouchHero(i);
        if (Lives < before) blows.push_back(now);
    }
    // Exactly one second after a blow is not yet "more than a second".
    EXPECT_EQ(blows, (std::vector<float>{1000.0f, 1001.25f, 1002.5f, 1003.75f, 1005.0f}));

    // Stepping away resets; coming back strikes at once.
    Monsters[i].X = HeroX + 40;
    TouchHero(i);
    EXPECT_FALSE(Monsters[i].InContact);
    Monsters[i].X = HeroX + 5;
    int16_t before = Lives;
    TouchHero(i);
    EXPECT_EQ(Lives, before - 1);
}

TEST_F(CombatTest, RepeatedBlowsCarryOnOverMidnight) {
    Lives = 100;
    int16_t i = AddMonster(HeroX + 5, HeroY + 5, 0, 1, 1);
    SetClock(86399.5f);
    TouchHero(i);
    SetClock(0.25f);  // 0.75 s later
    TouchHero(i);
    EXPECT_EQ(Lives, 99);
    SetClock(0.75f);  // 1.25 s later
    TouchHero(i);
    EXPECT_EQ(Lives, 98);
}

TEST_F(CombatTest, MissileKillTellsHurtKillAndExperience) {
    MissileStrength = 2;
    int16_t m = AddMonster(100.0f, 100.0f, 0, 2, 1);
    AddMissile(105.0f, 105.0f);
    platform::Randomize(4321);
    platform::Rnd();  // the hit sound's speed
    platform::Rnd();  // the kill sound's speed
    const int32_t xp = platform::CLng(platform::Rnd() * 5.0f + 22.0f);
    platform::Randomize(4321);

    int16_t i = 0;
    EXPECT_TRUE(MissileHitsMonster(i, m));
    EXPECT_EQ(MissileCount, 0);
    EXPECT_EQ(MonsterCount, 0);
    EXPECT_EQ(Experience, xp);
    EXPECT_EQ(
        windows.LogLines(),
        (std::vector<std::string>{"Monstrum bylo zraněno za 2 životy...", "Monstrum bylo zabito...",
                                  "Získal jsi " + std::to_string(xp) + " zkušeností!"}));
    EXPECT_EQ(FloatTextTexts(), (std::vector<std::string>{"2-", std::to_string(xp) + "+"}));
    EXPECT_EQ(ExplosionCount, 1);
    EXPECT_EQ(Explosions[0].X, 106 - 10);
    EXPECT_EQ(sound.Files(), (std::vector<std::string>{"killing.wav", "bum.wav"}));
    EXPECT_GE(sound.cues[1].speed, 0.9f);
    EXPECT_LT(sound.cues[1].speed, 1.1f);
    EXPECT_EQ(windows.status[2], std::to_string(xp));
}

TEST_F(CombatTest, MissileOnTheRightOrBottomEdgeMisses) {
    int16_t m = AddMonster(10.0f, 20.0f, 0, 5);  // rectangle (10, 20, 25, 35)
    int16_t i = AddMissile(25.0f, 30.0f);
    EXPECT_FALSE(MissileHitsMonster(i, m));
    Missiles[i].X = 15.0f;
    Missiles[i].Y = 35.0f;
    EXPECT_FALSE(MissileHitsMonster(i, m));
    Missiles[i].X = 24.4f;  // rounds to 24: inside
    Missiles[i].Y = 34.5f;  // rounds half to even: 34
    EXPECT_TRUE(MissileHitsMonster(i, m));
    EXPECT_EQ(Monsters[m].HitPoints, 4);
}

TEST_F(CombatTest, MissilesUseTheRectanglesOfTheFrameStart) {
    int16_t m = AddMonster(100.0f, 100.0f, 0, 5);
    Monsters[m].X = 200.0f;  // moved after the rectangles were built
    AddMissile(105.0f, 105.0f);
    MissilesHitMonsters();
    EXPECT_EQ(MissileCount, 0);
    EXPECT_EQ(Monsters[m].HitPoints, 4);
}

TEST_F(CombatTest, KillRewardOfKindTwoWithDamageThree) {
    Monster m;
    m.Kind = 2;
    m.Damage = 3;
    int lowest = 1000, highest = 0;
    for (uint64_t seed = 1; seed <= 400; ++seed) {
        platform::Randomize(seed);
        const float r = platform::Rnd();
        platform::Randomize(seed);
        const int32_t xp = KillExperience(m);
        EXPECT_EQ(xp, platform::CLng(r * 5.0f + 66.0f));
        lowest = std::min(lowest, xp);
        highest = std::max(highest, xp);
    }
    EXPECT_EQ(lowest, 66);
    EXPECT_EQ(highest, 71);
    LevelNumber = 80;
    EXPECT_EQ(KillExperience(m), 500);
}

TEST_F(CombatTest, KillThatRaisesTheLevelShowsTheLevelTextInstead) {
    Experience = 95;
    MissileStrength = 10;
    int16_t m = AddMonster(100.0f, 100.0f, 2, 1, 3);
    AddMissile(105.0f, 105.0f);
    int16_t i = 0;
    ASSERT_TRUE(MissileHitsMonster(i, m));
    EXPECT_EQ(HeroLevel, 1);
    const std::vector<std::string> texts = FloatTextTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "10-");
    EXPECT_EQ(texts[1], "Úroveň 2");
    const std::vector<std::string> log = windows.LogLines();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[3], "Postoupil jsi na úroveň!");
}

TEST_F(CombatTest, FragmentKillRewardsThenExplodesOverTheMonster) {
    BombStrength = 5;
    AddMonster(100.0f, 100.0f, 1, 5, 2);
    int16_t i = AppendEntry(Fragments, FragmentCount);
    Fragments[i] = Projectile{95.0f, 100.0f, 95.0f, 100.0f, 0, 0};
    AppendEntry(Fragments, FragmentCount);
    Fragments[1] = Projectile{300.0f, 300.0f, 300.0f, 300.0f, 0, 0};
    EXPECT_TRUE(FragmentHitsMonster(i));
    EXPECT_EQ(MonsterCount, 0);
    ASSERT_EQ(ExplosionCount, 2);
    EXPECT_EQ(Explosions[0].X, 101 - 10);  // where the fragment was
    EXPECT_EQ(Explosions[1].X, 107 - 10);  // over the monster
    const std::vector<std::string> log = windows.LogLines();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "Monstrum bylo zraněno za 5 životů...");
    EXPECT_EQ(log[1], "Monstrum bylo zabito...");
    EXPECT_GE(Experience, 2 * (20 + 2));
    EXPECT_LE(Experience, 2 * (20 + 2) + 5);
}

TEST_F(CombatTest, KillOnTheLastLevelShakesTheHall) {
    LevelNumber = 80;
    MissileStrength = 3;
    int16_t m = AddMonster(100.0f, 100.0f, 0, 1, 1);
    AddMissile(105.0f, 105.0f);
    Tiles[136].Kind = kSolidWall;
    int16_t i = 0;
    ASSERT_TRUE(MissileHitsMonster(i, m));
    EXPECT_EQ(Experience, 500);
    EXPECT_EQ(Tiles[136].Kind, kFloor);
    EXPECT_EQ(windows.LogLines().back(), "Zabitím monstra se otřásla celá hala!");
}

}  // namespace
