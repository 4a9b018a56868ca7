// What the newcomer knows of a level: only what the field shows, read by
// its pictures, and what walking has taught him; and the ways he plans over
// that knowledge.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/core/game_state.h"
#include "support/game_test.h"
#include "tools/levels/bots/field_memory.h"
#include "tools/levels/bots/tile_paths.h"

namespace {

using namespace game;
using levels_tool::FieldMemory;
using levels_tool::Looks;
using levels_tool::TilePaths;

class Memory : public testing_support::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        OpenFieldInItsWalls();
        HeroX = Tiles[Hero].X + 2.0f;
        HeroY = Tiles[Hero].Y + 2.0f;
    }

    static void Show(int t) { Tiles[t].Revealed = kTrue; }
    static void Set(int t, int16_t kind, int16_t picture) {
        Tiles[t].Kind = kind;
        Tiles[t].Picture = picture;
        Show(t);
    }
    static void AddMonster(float x, float y) {
        Monsters[AppendEntry(Monsters, MonsterCount)] = Monster{x, y};
    }

    static constexpr int Hero = 12 * 25 + 12;
};

TEST_F(Memory, TilesAreKnownByTheirPicturesOnceShown) {
    Set(100, kDestructibleWall, 21);  // cracked bricks
    Set(101, kDestructibleWall, 11);  // bricks that only look whole
    Set(102, kLevelExit, 38);
    Set(103, kLevelExit, 39);
    Set(104, kLevelExit, 40);
    Set(105, kMechanism, 41);
    Set(106, kTeleport, 36);
    Set(107, kMessageScreen, 34);
    Tiles[108].Kind = kSolidWall;  // never shown
    FieldMemory memory;
    memory.Look(1);
    EXPECT_EQ(memory.What(100), Looks::Cracked);
    EXPECT_EQ(memory.What(101), Looks::Wall);
    EXPECT_EQ(memory.What(102), Looks::StairsDown);
    EXPECT_EQ(memory.What(103), Looks::StairsUp);
    EXPECT_EQ(memory.What(104), Looks::Tunnel);
    EXPECT_EQ(memory.What(105), Looks::Lever);
    EXPECT_EQ(memory.What(106), Looks::Portal);
    EXPECT_EQ(memory.What(107), Looks::Sign);
    EXPECT_EQ(memory.What(108), Looks::Unknown);
    EXPECT_EQ(memory.What(-1), Looks::Wall);

    // A wall shot away is floor as soon as he sees it gone.
    Tiles[100].Kind = kFloor;
    Tiles[100].Picture = 25;
    memory.Look(2);
    EXPECT_EQ(memory.What(100), Looks::Floor);
}

TEST_F(Memory, AFaintSigilIsFloorUntilOneBurnsHim) {
    Set(200, kTrapFloor, 47);
    Set(201, kTrapFloor, 47);
    Set(202, kTrapFloor, 45);  // spikes: plain to see
    FieldMemory memory;
    memory.Look(1);
    EXPECT_EQ(memory.What(200), Looks::Floor);
    EXPECT_EQ(memory.What(202), Looks::Hazard);
    memory.HurtOn(200);
    EXPECT_EQ(memory.What(200), Looks::Hazard);
    memory.Look(2);
    EXPECT_EQ(memory.What(201), Looks::Hazard);
    // Hurt on plain floor: nothing to learn.
    Show(203);
    memory.HurtOn(203);
    memory.Look(3);
    EXPECT_EQ(memory.What(203), Looks::Floor);
}

TEST_F(Memory, MonstersAndItemsAreSeenOnlyOnShownTilesAndKeptApartWhileTheyMove) {
    const int shown = 5 * 25 + 5, dark = 5 * 25 + 8;
    Show(shown);
    AddMonster(Tiles[shown].X + 2.0f, Tiles[shown].Y + 2.0f);
    AddMonster(Tiles[dark].X + 2.0f, Tiles[dark].Y + 2.0f);
    Items[AppendEntry(Items, ItemCount)] = Item{static_cast<int16_t>(Tiles[dark].X + 1),
                                                static_cast<int16_t>(Tiles[dark].Y + 1), 2, 2};
    FieldMemory memory;
    memory.Look(1);
    ASSERT_EQ(memory.Monsters().size(), 1u);
    EXPECT_TRUE(memory.Items().empty());
    const int first = memory.Monsters()[0].id;

    Show(dark);
    Monsters[0].X += 0.8f;
    memory.Look(2);
    ASSERT_EQ(memory.Monsters().size(), 2u);
    EXPECT_EQ(memory.Monsters()[0].id, first);
    EXPECT_NE(memory.Monsters()[1].id, first);
    ASSERT_EQ(memory.Items().size(), 1u);
    EXPECT_EQ(memory.Items()[0].picture, 2);

    // Gone from sight and back: to him it is another monster.
    Tiles[shown].Revealed = kFalse;
    memory.Look(3);
    Tiles[shown].Revealed = kTrue;
    memory.Look(4);
    ASSERT_EQ(memory.Monsters().size(), 2u);
    for (const levels_tool::SeenMonster& seen : memory.Monsters())
        EXPECT_NE(seen.id, first);
}

TEST_F(Memory, WaysGoAroundWallsAndDarknessAndThroughAPortalOnlyOnceTried) {
    // A wall across row 10 but for a portal; its other end is row 5.
    for (int column = 1; column < 24; ++column)
        Tiles[10 * 25 + column].Kind = kSolidWall;
    const int portal = 11 * 25 + 12, target = 5 * 25 + 12, goal = 3 * 25 + 12;
    Tiles[portal].Kind = kTeleport;
    Tiles[portal].Picture = 36;
    for (int t = 0; t < kTileCount; ++t)
        Show(t);
    FieldMemory memory;
    memory.Look(1);
    const int from = 15 * 25 + 12;
    EXPECT_FALSE(TilePaths(memory, from).Reaches(goal));
    // The untried portal itself is a place to go to.
    EXPECT_EQ(TilePaths(memory, from).PathTo(portal).back(), portal);

    memory.PortalTook(portal, target);
    const std::vector<int32_t> path = TilePaths(memory, from).PathTo(goal);
    ASSERT_FALSE(path.empty());
    const auto at = std::find(path.begin(), path.end(), portal);
    ASSERT_NE(at, path.end());
    EXPECT_EQ(*(at + 1), target);

    // A step that keeps stopping him is left out until its time is over.
    memory.Block(from, from - 25, 10);
    memory.Look(5);
    EXPECT_NE(TilePaths(memory, from).PathTo(from - 25).size(), 1u);
    memory.Look(11);
    EXPECT_EQ(TilePaths(memory, from).PathTo(from - 25).size(), 1u);

    // Dark tiles are no way at all; spikes are a way when there is no other.
    Tiles[14 * 25 + 12].Revealed = kFalse;
    FieldMemory dark;
    dark.Look(1);
    EXPECT_EQ(dark.What(14 * 25 + 12), Looks::Unknown);
    for (int column = 1; column < 24; ++column)
        Tiles[13 * 25 + column].Kind = column == 20 ? kTrapFloor : kSolidWall;
    Tiles[13 * 25 + 20].Picture = 45;
    FieldMemory spikes;
    spikes.Look(1);
    EXPECT_TRUE(TilePaths(spikes, from).Reaches(11 * 25 + 3));
}

}  // namespace
