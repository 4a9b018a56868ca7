// The walk planner on a level in memory: its plans walked with the game's
// own hero step and tile events, and the missile line it aims along.
#include <gtest/gtest.h>

#include "game/core/game_state.h"
#include "game/play/frame_loop.h"
#include "game/world/world_effects.h"
#include "support/game_test.h"
#include "tools/levels/bots/walk_planner.h"

namespace {

using namespace game;
using levels_tool::Heading;

class WalkPlanner : public testing_support::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        OpenFieldInItsWalls();
        HeroSpeed = 0.6f;
        HeroStepX = HeroStepY = HeroSpeed;
        MissileRange = 35;
        LevelNumber = 3;
    }

    static void Hero(int t) {
        HeroX = Tiles[t].X + 2.0f;
        HeroY = Tiles[t].Y + 2.0f;
        LastHeroTile = static_cast<int16_t>(t);
    }

    // The plan's keys held frame after frame, as the frame loop moves the
    // hero and lets the tiles act.
    static void Walk(const levels_tool::WalkPlan& plan) {
        for (size_t i = 0; i < plan.strides.size(); ++i) {
            const levels_tool::Stride& stride = plan.strides[i];
            KeyUpHeld = stride.heading == Heading::Up;
            KeyDownHeld = stride.heading == Heading::Down;
            KeyLeftHeld = stride.heading == Heading::Left;
            KeyRightHeld = stride.heading == Heading::Right;
            for (int f = 0; f < stride.frames; ++f) {
                MoveHero();
                HeroTileEvents();
            }
            ASSERT_EQ(HeroX, plan.spots[i].x) << "stride " << i;
            ASSERT_EQ(HeroY, plan.spots[i].y) << "stride " << i;
        }
    }
};

TEST_F(WalkPlanner, APlanWalkedByTheGameEndsOnItsGoalThroughGapsAndTeleports) {
    // A wall across row 12 with a one-tile gap, a river across row 6 that
    // only the teleport crosses.
    for (int column = 1; column < 24; ++column) {
        Tiles[12 * 25 + column].Kind = column == 3 ? kFloor : kSolidWall;
        Tiles[6 * 25 + column].Kind = kSolidWall;
    }
    Tiles[9 * 25 + 20].Kind = kTeleport;
    Tiles[9 * 25 + 20].Param1 = "105";  // column 5, row 4
    const int goal = 2 * 25 + 18;
    Hero(20 * 25 + 20);

    const auto plan = levels_tool::PlanWalkTo(goal, HeroSpeed);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->tile, goal);
    // Planning moved nothing of the game's.
    EXPECT_EQ(HeroX, Tiles[20 * 25 + 20].X + 2.0f);
    EXPECT_FALSE(KeyUpHeld || KeyDownHeld || KeyLeftHeld || KeyRightHeld);
    EXPECT_EQ(Tiles[9 * 25 + 20].Kind, kTeleport);

    Walk(*plan);
    EXPECT_EQ(levels_tool::CentreTile(HeroX, HeroY), goal);
}

TEST_F(WalkPlanner, AGoalBehindAShutDoorLeadsToTheLeverFirst) {
    for (int column = 1; column < 24; ++column)
        Tiles[12 * 25 + column].Kind = kSolidWall;
    const int door = 12 * 25 + 10, lever = 20 * 25 + 3;
    Tiles[lever].Kind = kMechanism;
    Tiles[lever].Param1 = std::to_string(door);
    Tiles[lever].Param2 = "29 0";
    Hero(20 * 25 + 20);

    auto plan = levels_tool::PlanWalkTo(5 * 25 + 10, HeroSpeed);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->tile, lever);
    Walk(*plan);
    EXPECT_EQ(Tiles[door].Kind, kFloor);

    plan = levels_tool::PlanWalkTo(5 * 25 + 10, HeroSpeed);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->tile, 5 * 25 + 10);
    // A door that no lever opens is no way at all.
    Tiles[door].Kind = kSolidWall;
    EXPECT_FALSE(levels_tool::PlanWalkTo(5 * 25 + 10, HeroSpeed));
}

TEST_F(WalkPlanner, TheMissileLineEndsAtItsRangeAndAtTheFirstWall) {
    const int wall = 10 * 25 + 12;  // x 240..259, y 200..219
    Tiles[wall].Kind = kDestructibleWall;
    // Facing right from x 200: the missile starts at 206 and flies 35 pixels.
    EXPECT_TRUE(levels_tool::MissileWouldHit(200.0f, 202.0f, 2, 35, wall));
    EXPECT_FALSE(levels_tool::MissileWouldHit(195.0f, 202.0f, 2, 35, wall));
    EXPECT_TRUE(levels_tool::MissileWouldHit(195.0f, 202.0f, 2, 40, wall));
    // The line runs along the hero's middle: six pixels below his corner.
    EXPECT_FALSE(levels_tool::MissileWouldHit(200.0f, 185.0f, 2, 35, wall));
    EXPECT_FALSE(levels_tool::MissileWouldHit(200.0f, 202.0f, 3, 35, wall));
    EXPECT_TRUE(levels_tool::MissileWouldHit(242.0f, 240.0f, 1, 35, wall));
    // A solid wall in between stops it first.
    Tiles[10 * 25 + 11].Kind = kSolidWall;
    EXPECT_FALSE(levels_tool::MissileWouldHit(200.0f, 202.0f, 2, 35, wall));

    // From where the hero stands facing away, the planner finds a place to
    // shoot from and he walks there facing the wall.
    Tiles[10 * 25 + 11].Kind = kFloor;
    Hero(10 * 25 + 5);
    HeroFacing = 3;
    const auto plan = levels_tool::PlanFiringSpot(wall, HeroSpeed);
    ASSERT_TRUE(plan);
    ASSERT_FALSE(plan->strides.empty());
    Walk(*plan);
    EXPECT_TRUE(levels_tool::MissileWouldHit(HeroX, HeroY, HeroFacing, 35, wall));
}

}  // namespace
