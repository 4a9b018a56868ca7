#include <gtest/gtest.h>

#include <cmath>

#include "game/core/monster_motion.h"
#include "game/platform/random.h"
#include "game/world/corner_slide.h"
#include "game/world/walls.h"
#include "world/world_test.h"

namespace {

using namespace game;
using world_testing::WorldTest;

class WallsTest : public WorldTest {};

TEST_F(WallsTest, NeighboursInColumnZeroWrapAcrossRows) {
    // Tile 50 is row 2, column 0: its outer neighbours belong to other rows.
    SetTile(24, kSolidWall);         // "up-left": the last tile of row 0
    SetTile(49, kDestructibleWall);  // "left": the last tile of row 1
    SetTile(74, kSolidWall);         // "down-left": the last tile of its own row
    SetTile(51, kSign);              // not a wall
    const NeighbourList n = NeighbourTiles(50);
    const NeighbourList expected = {24, -1, -1, 49, -1, 74, -1, -1};
    EXPECT_EQ(n, expected);

    // Outside the grid an entry is -1 even though the index arithmetic
    // names a tile number.
    SetTile(1, kSolidWall);
    EXPECT_EQ(NeighbourTiles(0), (NeighbourList{-1, -1, -1, -1, 1, 24, -1, -1}));

    // A monster there counts the wrapped walls as next to it.
    int16_t i = AddMonster(2.0f, 42.0f);
    EXPECT_TRUE(NearWall(i));
}

TEST_F(WallsTest, PushBackOnlyWithinOneStepOfAFace) {
    SetTile(131, kSolidWall);  // X 120, Y 100
    HeroStepX = HeroStepY = 0.8f;

    // Half a pixel from the wall's left face, walking along it.
    HeroX = 104.5f;
    HeroY = 100.0f;
    WallPushBack();
    EXPECT_FLOAT_EQ(HeroX, 104.5f - 0.8f);
    EXPECT_FLOAT_EQ(HeroY, 100.0f);

    // Two pixels away: nothing to push.
    HeroX = 103.0f;
    WallPushBack();
    EXPECT_FLOAT_EQ(HeroX, 103.0f);

    // Under the wall's bottom face (wall 106 spans y 80 to 100; hero below).
    SetTile(131, kFloor);
    SetTile(106, kSolidWall);
    HeroX = 120.0f;
    HeroY = 100.5f;
    WallPushBack();
    EXPECT_FLOAT_EQ(HeroY, 100.5f + 0.8f);
    EXPECT_FLOAT_EQ(HeroX, 120.0f);
}

TEST_F(WallsTest, ChaseLevelWithTheHeroKeepsATinyPull) {
    int16_t i = AddMonster(100.0f, 200.0f, 0);
    HeroX = 100.0f;
    HeroY = 150.0f;
    ChaseStep(i);
    // The distance is taken before the 0.001 substitute.
    EXPECT_EQ(Monsters[i].DX, -(0.4f / 50.0f) * 0.001f);
    EXPECT_NE(Monsters[i].DX, 0.0f);
    EXPECT_FLOAT_EQ(Monsters[i].DY, -0.4f);

    // Exactly on the hero: no heading at all this frame.
    Monsters[i].X = HeroX;
    Monsters[i].Y = HeroY;
    ChaseStep(i);
    EXPECT_EQ(Monsters[i].DX, 0.0f);
    EXPECT_EQ(Monsters[i].DY, 0.0f);
    EXPECT_FALSE(std::isnan(Monsters[i].X));
}

TEST_F(WallsTest, ChaseBacksOffABlockedAxisAndSlides) {
    SetTile(131, kSolidWall);  // X 120, Y 100
    int16_t i = AddMonster(105.0f, 100.0f, 0);
    HeroX = 160.0f;
    HeroY = 130.0f;
    ChaseStep(i);
    Monster& m = Monsters[i];
    // Right into the wall's left face: one step back, x stands still ...
    EXPECT_FLOAT_EQ(m.X, 105.0f - 0.4f * 55.0f / 85.0f);
    EXPECT_EQ(m.DX, 0.0f);
    // ... while y keeps heading for the hero.
    EXPECT_FLOAT_EQ(m.DY, 0.4f * 30.0f / 85.0f);
}

TEST_F(WallsTest, BounceAtTheBorderIsStrict) {
    int16_t i = AddMonster(485.5f, 200.0f);
    Monsters[i].DX = 0.4f;
    EXPECT_TRUE(BounceStep(i));
    EXPECT_FLOAT_EQ(Monsters[i].DX, -0.4f);
    EXPECT_FLOAT_EQ(Monsters[i].X, 485.1f);

    Monsters[i].X = 485.0f;
    Monsters[i].DX = 0.4f;
    EXPECT_FALSE(BounceStep(i));
    EXPECT_EQ(Monsters[i].X, 485.0f);
    EXPECT_EQ(Monsters[i].DX, 0.4f);

    // Both borders at once in a corner: both components reflect.
    Monsters[i].X = -0.5f;
    Monsters[i].Y = 490.0f;
    Monsters[i].DX = -0.2f;
    Monsters[i].DY = 0.2f;
    EXPECT_TRUE(BounceStep(i));
    EXPECT_FLOAT_EQ(Monsters[i].DX, 0.2f);
    EXPECT_FLOAT_EQ(Monsters[i].DY, -0.2f);
}

TEST_F(WallsTest, BounceReflectsOffTheFirstWallFace) {
    SetTile(131, kDestructibleWall);  // X 120, Y 100
    int16_t i = AddMonster(105.0f, 100.0f);
    Monsters[i].DX = 0.4f;
    Monsters[i].DY = 0.1f;
    EXPECT_TRUE(BounceStep(i));
    EXPECT_FLOAT_EQ(Monsters[i].DX, -0.4f);
    EXPECT_FLOAT_EQ(Monsters[i].X, 104.6f);
    EXPECT_FLOAT_EQ(Monsters[i].DY, 0.1f);  // only the face's axis turns
}

TEST_F(WallsTest, AwarenessRadiusIsStrictAndLosingSightTurns) {
    int16_t i = AddMonster(100.0f, 100.0f, 0);
    HeroX = 130.0f;  // exactly the sight radius of kind 0
    HeroY = 100.0f;
    UpdateAwareness(i);
    EXPECT_FALSE(Monsters[i].Chasing);
    HeroX = 129.9f;
    UpdateAwareness(i);
    EXPECT_TRUE(Monsters[i].Chasing);

    // Out of sight again: a fresh random direction of the kind's length.
    Monsters[i].DX = 0.0f;
    Monsters[i].DY = 0.0f;
    HeroX = 300.0f;
    UpdateAwareness(i);
    EXPECT_FALSE(Monsters[i].Chasing);
    EXPECT_NEAR(std::fabs(Monsters[i].DX) + std::fabs(Monsters[i].DY), 0.4f, 1e-6f);

    // The radius grows with the kind.
    Monsters[i].Kind = 3;
    HeroX = 100.0f + 89.0f;
    UpdateAwareness(i);
    EXPECT_TRUE(Monsters[i].Chasing);
}

TEST_F(WallsTest, KindFiveNeverChasesAndStandsStillOnceItTurned) {
    int16_t i = AddMonster(200.0f, 200.0f, 5);
    Monsters[i].DX = 0.3f;  // whatever it was given before
    HeroX = 205.0f;
    HeroY = 205.0f;
    float lastX = 0;
    bool turned = false;
    for (int frame = 0; frame < 2000 && !turned; ++frame) {
        lastX = Monsters[i].X;
        MoveMonster(i);
        EXPECT_FALSE(Monsters[i].Chasing);
        turned = Monsters[i].DX == 0.0f;
    }
    ASSERT_TRUE(turned) << "no random turn in 2000 frames";
    EXPECT_GT(Monsters[i].X, lastX);  // it walked until the turn
    const float x = Monsters[i].X, y = Monsters[i].Y;
    for (int frame = 0; frame < 500; ++frame)
        MoveMonster(i);
    EXPECT_EQ(Monsters[i].X, x);
    EXPECT_EQ(Monsters[i].Y, y);
}

TEST_F(WallsTest, NextToEitherWallAMonsterNeverTurnsAtRandom) {
    for (int16_t kind : {kSolidWall, kDestructibleWall}) {
        SetTile(131, kind);
        int16_t i = AddMonster(101.0f, 101.0f, 0);
        ASSERT_TRUE(NearWall(i));
        // Wandering up and down beside the wall (tile 130 and its
        // neighbours only see wall 131): the direction only ever reflects.
        Monsters[i].DX = 0.0f;
        Monsters[i].DY = 0.4f;
        for (int frame = 0; frame < 3000; ++frame) {
            MoveMonster(i);
            ASSERT_EQ(Monsters[i].DX, 0.0f) << "frame " << frame;
            if (Monsters[i].Y > 104.0f) Monsters[i].Y = 101.0f;  // stay by the wall
        }
        int16_t last = static_cast<int16_t>(MonsterCount - 1);
        RemoveMonster(last);
    }
    // Away from walls the same wanderer does turn now and then.
    SetTile(131, kFloor);
    int16_t i = AddMonster(250.0f, 250.0f, 0);
    Monsters[i].DX = 0.0f;
    Monsters[i].DY = 0.4f;
    bool turned = false;
    for (int frame = 0; frame < 3000 && !turned; ++frame) {
        MoveMonster(i);
        turned = Monsters[i].DX != 0.0f;
        if (Monsters[i].Y > 300.0f) Monsters[i].Y = 250.0f;
    }
    EXPECT_TRUE(turned);
}

TEST_F(WallsTest, WanderingTurnStepsEachAxisAfterItsBounceCheck) {
    int16_t i = AddMonster(200.0f, 300.0f, 1);
    Monsters[i].DX = 0.25f;
    Monsters[i].DY = -0.35f;
    platform::Randomize(99);
    MoveMonster(i);
    EXPECT_FLOAT_EQ(Monsters[i].X, 200.25f);
    EXPECT_FLOAT_EQ(Monsters[i].Y, 299.65f);

    // A chasing monster adds its fresh velocity straight away.
    HeroX = Monsters[i].X + 20.0f;
    HeroY = Monsters[i].Y;
    MoveMonster(i);
    EXPECT_TRUE(Monsters[i].Chasing);
    EXPECT_GT(Monsters[i].DX, 0.59f);
    EXPECT_FLOAT_EQ(Monsters[i].X, 200.25f + Monsters[i].DX);
}

// Row 10 (y 200 to 220) is wall but for tile 12 (x 240 to 260); the hero
// stands just under it, his step up blocked, and slides toward the gap at
// his step when it is at most six pixels to one side.
TEST_F(WallsTest, ABlockedStepSlidesTowardAnOpeningWithinSixPixels) {
    WallWithOneGap(true, 10, 12);
    const struct {
        float x, y;
        float after;  // x after one slide
    } cases[] = {
        {235.0f, 220.5f, 235.8f},  // 5 px left of the gap
        {250.0f, 220.5f, 249.2f},  // 5 px into the wall right of it
        {234.0f, 220.5f, 234.8f},  // 6 px: still within reach
        {233.9f, 220.5f, 233.9f},  // farther: stuck, as without the help
        {239.5f, 220.5f, 240.0f},  // nearer than a step: lands on the gap's edge
        {245.5f, 220.5f, 245.0f},
        {242.0f, 220.5f, 242.0f},  // in line with the gap: nothing blocks him
        {150.0f, 220.5f, 150.0f},  // under plain wall
        {235.0f, 225.0f, 235.0f},  // not yet at the wall
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        float x = c.x, y = c.y;
        EXPECT_EQ(CornerSlide(x, y, Heading::Up, 0.8f, 0.8f), c.after != c.x);
        EXPECT_FLOAT_EQ(x, c.after);
        EXPECT_FLOAT_EQ(y, c.y);
    }

    // Every heading, from both sides of a gap: the slides end where the
    // step is free, and no farther.
    const struct {
        bool acrossColumns;
        Heading heading;
        float x, y;
    } ways[] = {
        {true, Heading::Up, 235.0f, 220.5f},     {true, Heading::Up, 250.0f, 220.5f},
        {true, Heading::Down, 235.0f, 184.5f},   {true, Heading::Down, 250.0f, 184.5f},
        {false, Heading::Left, 220.5f, 235.0f},  {false, Heading::Left, 220.5f, 250.0f},
        {false, Heading::Right, 184.5f, 235.0f}, {false, Heading::Right, 184.5f, 250.0f},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(way.heading) << ", " << way.x << ", " << way.y);
        ResetGameState();
        InitTileCoordinates();
        WallWithOneGap(way.acrossColumns, 10, 12);
        float x = way.x, y = way.y;
        ASSERT_TRUE(StepBlocked(x, y, way.heading, 0.8f, 0.8f));
        int slides = 0;
        while (slides < 20 && CornerSlide(x, y, way.heading, 0.8f, 0.8f))
            ++slides;
        EXPECT_EQ(slides, 7);  // 5 px at 0.8 a step
        EXPECT_FALSE(StepBlocked(x, y, way.heading, 0.8f, 0.8f));
        const float side = way.acrossColumns ? x : y;
        EXPECT_FLOAT_EQ(side, side < 242.0f ? 240.0f : 245.0f);
    }
}

}  // namespace
