#include <gtest/gtest.h>

#include <cmath>

#include "game/core/impact_sparks.h"
#include "game/levels/level_files.h"
#include "game/world/strelba.h"
#include "world/world_test.h"

namespace {

using namespace game;
using world_testing::WorldTest;

class ProjectilesTest : public WorldTest {
  protected:
    // A missile flying right from (x, y).
    static int16_t AddMissile(float x, float y, float dx = 2.0f, float dy = 0.0f) {
        int16_t i = AppendEntry(Missiles, MissileCount);
        Missiles[i] = Projectile{x, y, x, y, dx, dy};
        return i;
    }
    static int16_t AddFragment(float x, float y, float dx = 0.0f, float dy = 0.0f) {
        int16_t i = AppendEntry(Fragments, FragmentCount);
        Fragments[i] = Projectile{x, y, x, y, dx, dy};
        return i;
    }
    void ArmBomb(float laidAt) {
        BombArmed = true;
        BombTime = laidAt;
        BombX = 200;
        BombY = 100;
        BombStage = 0;
    }
};

TEST_F(ProjectilesTest, HeldFireShootsOnFramesOneFiftyAndNinetyNine) {
    FireHeld = true;
    std::vector<int> shots;
    for (int frame = 1; frame <= 120; ++frame) {
        int16_t before = MissileCount;
        // Letting go and pressing again does not restart the cooldown.
        FireHeld = !(frame >= 10 && frame < 20);
        FireMissiles();
        if (MissileCount > before) shots.push_back(frame);
    }
    EXPECT_EQ(shots, (std::vector<int>{1, 50, 99}));
    EXPECT_EQ(sound.Count("magic.wav"), 3);
    for (const auto& cue : sound.cues) {
        EXPECT_GE(cue.speed, 0.8f);
        EXPECT_LT(cue.speed, 1.2f);
    }
}

TEST_F(ProjectilesTest, MissileLeavesWhereTheHeroFaces) {
    HeroX = 100.0f;
    HeroY = 50.0f;
    const float expected[4][2] = {{0, 2}, {0, -2}, {2, 0}, {-2, 0}};
    for (int16_t facing = 0; facing < 4; ++facing) {
        HeroFacing = facing;
        int16_t i = AppendEntry(Missiles, MissileCount);
        LaunchMissile(i);
        EXPECT_EQ(Missiles[i].X, 106.0f);
        EXPECT_EQ(Missiles[i].Y, 56.0f);
        EXPECT_EQ(Missiles[i].StartX, 106.0f);
        EXPECT_EQ(Missiles[i].DX, expected[facing][0]);
        EXPECT_EQ(Missiles[i].DY, expected[facing][1]);
    }
}

TEST_F(ProjectilesTest, MissileGoesAt36PixelsAndTheOnesAfterItWait) {
    MissileRange = 35;
    AddMissile(100.0f, 100.0f);
    int frames = 0;
    while (MissileCount > 0 && frames < 100) {
        MoveMissiles();
        ++frames;
        if (MissileCount > 0) {
            EXPECT_LE(Missiles[0].X - Missiles[0].StartX, 34.0f);
        }
    }
    EXPECT_EQ(frames, 18);  // 18 * 2 = 36 > 35

    // Missile 0 runs out now; 1 and 2 stand still for this frame.
    AddMissile(100.0f, 100.0f);
    Missiles[0].X = 134.0f;
    AddMissile(50.0f, 50.0f);
    AddMissile(60.0f, 300.0f, 0.0f, -2.0f);
    MoveMissiles();
    ASSERT_EQ(MissileCount, 2);
    EXPECT_EQ(Missiles[0].X, 60.0f);  // the last one moved into the gap, unmoved
    EXPECT_EQ(Missiles[0].Y, 300.0f);
    EXPECT_EQ(Missiles[1].X, 50.0f);
}

TEST_F(ProjectilesTest, ThreeStrengthWallTakesThreeMissiles) {
    SetTile(131, kDestructibleWall, "3", "7", 4);  // X 120, Y 100
    MissileStrength = 1;
    for (int hit = 1; hit <= 3; ++hit) {
        int16_t i = AddMissile(125.0f, 105.0f);
        ASSERT_TRUE(MissileHitsWall(i));
        EXPECT_EQ(MissileCount, 0);
        EXPECT_EQ(FloatTexts[FloatTextCount - 1].Text, "1-");
        if (hit < 3) {
            EXPECT_EQ(Tiles[131].Kind, kDestructibleWall);
            EXPECT_EQ(Tiles[131].Picture, 4);
            EXPECT_EQ(ExplosionCount, 0);
        }
    }
    EXPECT_EQ(Tiles[131].Kind, kFloor);
    EXPECT_EQ(Tiles[131].Picture, 7);
    EXPECT_EQ(Tiles[131].Param1, "0");
    ASSERT_EQ(ExplosionCount, 1);
    EXPECT_EQ(Explosions[0].X, 120);  // centred on the tile
    EXPECT_EQ(sound.Files(),
              (std::vector<std::string>{"killing.wav", "killing.wav", "killing.wav", "bum.wav"}));
    // The floor lets the next missile through.
    int16_t i = AddMissile(125.0f, 105.0f);
    EXPECT_FALSE(MissileHitsWall(i));
}

TEST_F(ProjectilesTest, WallPassStopsAtTheBorderAndSolidWalls) {
    ForgetImpactSparks();
    SetTile(131, kSolidWall);
    int16_t i = AddMissile(125.0f, 105.0f);
    EXPECT_TRUE(MissileHitsWall(i));
    EXPECT_EQ(sound.Files(), std::vector<std::string>{"impact.wav"});
    // The crackle is seen too: a spark where the missile struck.
    ASSERT_EQ(ImpactSparks().size(), 1u);
    EXPECT_EQ(ImpactSparks()[0].x, 125);
    EXPECT_EQ(ImpactSparks()[0].y, 105);

    i = AddMissile(0.0f, 105.0f);  // on the border: outside, silent and dark
    EXPECT_TRUE(MissileHitsWall(i));
    EXPECT_EQ(MissileCount, 0);
    EXPECT_EQ(ImpactSparks().size(), 1u);

    // Inside the field but rounding into row 25: neither stopped nor removed.
    i = AddMissile(250.0f, 499.6f);
    EXPECT_FALSE(MissileHitsWall(i));
    EXPECT_EQ(MissileCount, 1);

    // At most one missile a frame is stopped by walls.
    AddMissile(125.0f, 106.0f);
    AddMissile(125.0f, 107.0f);
    Missiles[0].X = 125.0f;
    Missiles[0].Y = 108.0f;
    MissilesHitWalls();
    EXPECT_EQ(MissileCount, 2);
}

TEST_F(ProjectilesTest, CountdownAfterALongPauseFiresEveryStageAtOnce) {
    ArmBomb(1000.0f);
    SetClock(1000.0f);
    BombCountdown();  // no time has passed yet
    EXPECT_EQ(FloatTextCount, 0);

    SetClock(1010.0f);
    BombCountdown();
    EXPECT_EQ(FloatTextTexts(), (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_FALSE(BombArmed);
    EXPECT_EQ(BombStage, 0);
    EXPECT_EQ(FragmentCount, 16);
    EXPECT_EQ(sound.Files(),
              (std::vector<std::string>{"puma.wav", "puma.wav", "puma.wav", "bum.wav"}));
    EXPECT_EQ(sound.cues.back().speed, 1.0f);
    // Centred over the bomb, 20 pixels up.
    EXPECT_EQ(FloatTexts[0].Y, 100.0f + 4.0f - 20.0f);
    EXPECT_EQ(FloatTexts[0].Colour, Rgb(0, 255, 255));
}

TEST_F(ProjectilesTest, CountdownStagesAreStrictlyAfterEachSecond) {
    ArmBomb(1000.0f);
    SetClock(1000.5f);
    BombCountdown();
    EXPECT_EQ(BombStage, 1);
    SetClock(1001.0f);
    BombCountdown();
    EXPECT_EQ(BombStage, 1);
    SetClock(1001.25f);
    BombCountdown();
    EXPECT_EQ(BombStage, 2);
    SetClock(1003.0f);
    BombCountdown();
    EXPECT_EQ(BombStage, 3);
    EXPECT_TRUE(BombArmed);
    SetClock(1003.25f);
    BombCountdown();
    EXPECT_FALSE(BombArmed);
}

TEST_F(ProjectilesTest, CountdownCarriesOnOverMidnight) {
    ArmBomb(86399.5f);
    SetClock(0.75f);  // the clock restarted: 1.25 s have passed
    BombCountdown();
    EXPECT_EQ(BombStage, 2);
    SetClock(3.0f);
    BombCountdown();
    EXPECT_FALSE(BombArmed);
    EXPECT_EQ(FragmentCount, 16);
}

TEST_F(ProjectilesTest, BurstSpreadsSixteenFragmentsInARing) {
    BombX = 200;
    BombY = 100;
    ExplodeBomb();
    ASSERT_EQ(FragmentCount, 16);
    ASSERT_EQ(ExplosionCount, 1);
    EXPECT_EQ(Explosions[0].X, 200 + 4 - 10);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(Fragments[k].X, 198.0f);
        EXPECT_EQ(Fragments[k].StartY, 98.0f);
        // Each step is about two pixels long.
        float len = std::hypot(Fragments[k].DX, Fragments[k].DY);
        EXPECT_NEAR(len, 2.0f, 0.13f) << k;
    }
    EXPECT_EQ(Fragments[1].DX, 0.9f);
    EXPECT_EQ(Fragments[1].DY, -1.928f);
    EXPECT_EQ(Fragments[10].DX, -1.4142f);
    EXPECT_EQ(Fragments[10].DY, 1.4142f);
}

TEST_F(ProjectilesTest, BlastInTheOpenEndsAtItsRangeAndClearsTheMarks) {
    BombX = 200;
    BombY = 100;
    BombRange = 30;
    HeroBlastHit = true;  // marks of this blast
    ExplodeBomb();
    int frames = 0;
    while (FragmentCount > 0 && frames < 100) {
        MoveFragments();
        ++frames;
    }
    EXPECT_EQ(frames, 16);  // 32 pixels > 30
    EXPECT_EQ(ExplosionCount, 17);
    EXPECT_FALSE(HeroBlastHit);
}

TEST_F(ProjectilesTest, WallTakesOneBlowPerBlastAndTheNextBlastHitsAgain) {
    SetTile(131, kDestructibleWall, "20", "3");  // X 120, Y 100
    BombStrength = 5;
    // Two fragments about to run into the wall's left face.
    AddFragment(108.0f, 104.0f, 2.0f, 0.0f);
    AddFragment(108.0f, 110.0f, 2.0f, 0.0f);
    AddFragment(300.0f, 300.0f);  // keeps the blast going
    int16_t i = 0;
    EXPECT_TRUE(FragmentHitsWall(i));
    EXPECT_EQ(Tiles[131].Param1, "15");
    EXPECT_TRUE(Tiles[131].BlastHit);
    i = 0;  // the swapped-in fragment at 300 hits nothing
    EXPECT_FALSE(FragmentHitsWall(i));
    i = 1;
    EXPECT_TRUE(FragmentHitsWall(i));  // stopped, but no second blow
    EXPECT_EQ(Tiles[131].Param1, "15");
    EXPECT_EQ(sound.Count("killing.wav"), 1);

    // The last fragment of the blast hitting the wall: it is damaged, and
    // the end of the blast clears its mark for the next bomb.
    Fragments[0] = Projectile{108.0f, 104.0f, 108.0f, 104.0f, 2.0f, 0.0f};
    Tiles[131].BlastHit = false;
    i = 0;
    EXPECT_TRUE(FragmentHitsWall(i));
    EXPECT_EQ(FragmentCount, 0);
    EXPECT_EQ(Tiles[131].Param1, "10");
    EXPECT_FALSE(Tiles[131].BlastHit);
    // A bomb's break makes no extra explosion sound.
    EXPECT_EQ(sound.Count("bum.wav"), 0);
}

TEST_F(ProjectilesTest, AWallTheBlastDestroyedLosesItsMarkWhenTheBlastEnds) {
    SetTile(131, kDestructibleWall, "5", "3");  // X 120, Y 100
    BombStrength = 5;
    AddFragment(108.0f, 104.0f, 2.0f, 0.0f);
    AddFragment(300.0f, 300.0f);
    int16_t i = 0;
    ASSERT_TRUE(FragmentHitsWall(i));
    ASSERT_EQ(Tiles[131].Kind, kFloor);  // destroyed, and marked
    EXPECT_TRUE(Tiles[131].BlastHit);
    i = 0;
    RemoveFragment(i);
    EXPECT_FALSE(Tiles[131].BlastHit);

    // A mechanism raises a destructible wall there again: the next blast
    // hurts it.
    SetTile(131, kDestructibleWall, "9", "3");
    AddFragment(108.0f, 104.0f, 2.0f, 0.0f);
    i = 0;
    EXPECT_TRUE(FragmentHitsWall(i));
    EXPECT_EQ(Tiles[131].Param1, "4");
    EXPECT_EQ(sound.Count("killing.wav"), 2);
}

TEST_F(ProjectilesTest, LeavingTheLevelWhileFragmentsFlyEndsTheBlast) {
    // The hero and a wall marked by a blast whose fragments still fly.
    AddFragment(300.0f, 300.0f);
    HeroBlastHit = true;
    Tiles[131].BlastHit = true;
    Tiles[132].BlastHit = true;
    Tiles[132].Kind = kSolidWall;
    // Every level load, package read, save and new game empties the lists.
    ResetLevelLists();
    EXPECT_EQ(FragmentCount, 0);
    EXPECT_FALSE(HeroBlastHit);
    EXPECT_FALSE(Tiles[131].BlastHit);
    EXPECT_FALSE(Tiles[132].BlastHit);

    // So the hero's next own bomb hurts him.
    Lives = 10;
    HeroX = 200.0f;
    HeroY = 100.0f;
    BombX = 204;
    BombY = 104;
    ExplodeBomb();
    MoveFragments();
    EXPECT_EQ(Lives, 5);
}

TEST_F(ProjectilesTest, FragmentPassesAMarkedMonsterUntilTheBlastIsOver) {
    BombStrength = 5;
    int16_t m = AddMonster(100.0f, 100.0f, 0, 50);
    AddFragment(95.0f, 100.0f);
    AddFragment(96.0f, 100.0f);
    int16_t i = 0;
    EXPECT_TRUE(FragmentHitsMonster(i));
    EXPECT_EQ(Monsters[m].HitPoints, 45);
    EXPECT_TRUE(Monsters[m].BlastHit);
    i = 0;
    EXPECT_FALSE(FragmentHitsMonster(i));  // flies through
    EXPECT_EQ(Monsters[m].HitPoints, 45);
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Monstrum bylo zraněno za 5 životů..."});

    // A new burst replaces the fragments but not the marks.
    BombX = 300;
    BombY = 300;
    ExplodeBomb();
    EXPECT_TRUE(Monsters[m].BlastHit);
    // The last fragment hitting the monster ends the blast, mark included.
    FragmentCount = 1;
    Fragments.resize(1);
    Fragments[0] = Projectile{95.0f, 100.0f, 95.0f, 100.0f, 0, 0};
    Monsters[m].BlastHit = false;
    i = 0;
    EXPECT_TRUE(FragmentHitsMonster(i));
    EXPECT_EQ(FragmentCount, 0);
    EXPECT_FALSE(Monsters[m].BlastHit);
}

TEST_F(ProjectilesTest, OneBlastHurtsTheHeroOnce) {
    Lives = 10;
    BombStrength = 5;
    HeroX = 200.0f;
    HeroY = 100.0f;
    BombX = 204;
    BombY = 104;
    ExplodeBomb();
    while (FragmentCount > 0)
        MoveFragments();
    EXPECT_EQ(Lives, 5);
    EXPECT_EQ(windows.livesCaption, "5");
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Byl jsi zraněn za 5 životů..."});
    EXPECT_EQ(sound.Count("death.wav"), 1);
    // Over: the next bomb may hurt him again.
    EXPECT_FALSE(HeroBlastHit);
    ExplodeBomb();
    MoveFragments();
    EXPECT_EQ(Lives, 0);
    EXPECT_TRUE(HeroDead);
    EXPECT_EQ(sound.Count("death.wav"), 2);
}

}  // namespace
