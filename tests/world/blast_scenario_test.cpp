// The same wall bombed again and again through the real frame loop: on two
// levels that both have a destructible wall on one tile, and again in a new
// game.  Every blast must hurt the wall it reaches, whatever the blasts
// before it did to a tile of that index.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/package_record.h"
#include "game/play/frame_loop.h"
#include "game/play/keyboard.h"
#include "world/world_test.h"

namespace {

using namespace game;
using world_testing::WorldTest;

constexpr int16_t kLeft = 37, kSpace = 32;

constexpr int kStandTile = 257;  // column 7, row 10: the wall is two tiles right
constexpr int kWallTile = 258;   // column 8, row 10
constexpr int kExitTile = 400;   // column 0, row 16 of level 0
constexpr int16_t kRubble = 3;   // the wall's picture once destroyed

class BlastScenarioTest : public WorldTest {
  protected:
    void SetUp() override {
        WorldTest::SetUp();
        TickDelay = 0;
        WriteCampaign();
    }

    // Two levels of floor, each with a destructible wall of 5 hit points on
    // the same tile; level 0 has an exit to level 1.
    void WriteCampaign() {
        PackageRecord campaign;
        for (int n = 0; n < 2; ++n) {
            LevelRecord level;
            for (TileRecord& tile : level.tiles)
                tile = {1, kFloor, kFalse, "", ""};
            level.tiles[kWallTile] = {9, kDestructibleWall, kFalse, "5", std::to_string(kRubble)};
            campaign.levels.push_back(level);
        }
        campaign.levels[0].tiles[kExitTile] = {2, kLevelExit, kFalse, "1",
                                               std::to_string(kStandTile)};
        ByteWriter out;
        WritePackageRecord(out, campaign);
        std::ofstream(appFolder / "data/levels.all", std::ios::binary)
            .write(reinterpret_cast<const char*>(out.Bytes().data()),
                   static_cast<std::streamsize>(out.Bytes().size()));
    }

    // What the menu's "Nová hra" does to the rules.
    void NewGame() {
        ResetHero();
        LevelNumber = 0;
        ASSERT_TRUE(UnpackLevels("levels.all"));
        ASSERT_TRUE(LoadLevel(0));
        PutHeroOnTile(kStandTile);
        LastHeroTile = kStandTile;
    }

    // Runs the frame loop, `step` in the idle pass before each frame (with
    // the frame's number from 1), until `done` holds; then leaves it.
    void RunUntil(const std::function<void(int)>& step, const std::function<bool()>& done) {
        int frame = 0;
        windows.onProcessEvents = [&] {
            ++frame;
            clock += 1.0f / 60.0f;
            SetClock(clock);
            if (done()) {
                GameSuspended = true;
                return;
            }
            step(frame);
            ASSERT_LT(frame, 1000) << "the blast never ended";
        };
        GameSuspended = false;
        loop.Timer1_Timer();
        windows.onProcessEvents = nullptr;
    }

    // The hero lays a bomb beside the wall, walks off to the left out of
    // the blast's reach, and waits until its last fragment is gone.
    void BombTheWall() {
        ASSERT_EQ(TileIndexOf(HeroX + 7.0f, HeroY + 7.0f), kStandTile);
        bool burst = false;
        RunUntil(
            [&](int frame) {
                if (frame == 1) {
                    Picture1_KeyDown(0, kSpace, 0);
                    Picture1_KeyUp(0, kSpace, 0);
                    Picture1_KeyDown(0, kLeft, 0);
                }
                if (frame == 60) Picture1_KeyUp(0, kLeft, 0);
                if (FragmentCount > 0) burst = true;
            },
            [&] { return burst && FragmentCount == 0; });
    }

    // The wall took the blast: hit (with its sound) and, at 5 hit points
    // against a bomb of 5, destroyed.
    void ExpectTheWallBroken(const std::string& when) {
        EXPECT_EQ(Tiles[kWallTile].Kind, kFloor) << when;
        EXPECT_EQ(Tiles[kWallTile].Picture, kRubble) << when;
        EXPECT_EQ(sound.Count("killing.wav"), ++hits) << when;
    }

    // Back in front of the wall for the next bomb.
    void WalkBack() { PutHeroOnTile(kStandTile); }

    FrameLoop loop;
    float clock = 1000.0f;
    int hits = 0;
};

// Each case starts with a blast that destroys the wall: the tile is floor
// when that blast ends, and its mark must go all the same.

TEST_F(BlastScenarioTest, TheSameWallTileIsHitOnTheNextLevel) {
    NewGame();
    BombTheWall();
    ExpectTheWallBroken("level 0");
    EXPECT_EQ(Lives, 10);  // the hero was out of reach

    // Through the exit into level 1, whose wall stands on the same tile.
    RunUntil([](int) { PutHeroOnTile(kExitTile); }, [] { return LevelNumber == 1; });
    ASSERT_EQ(LevelNumber, 1);
    ASSERT_EQ(Tiles[kWallTile].Kind, kDestructibleWall);
    WalkBack();
    BombTheWall();
    ExpectTheWallBroken("level 1");
}

TEST_F(BlastScenarioTest, TheSameWallTileIsHitInTheNextGame) {
    NewGame();
    BombTheWall();
    ExpectTheWallBroken("the first game");

    // A new game: the campaign's level 0 has its wall again.
    NewGame();
    ASSERT_EQ(Tiles[kWallTile].Kind, kDestructibleWall);
    BombTheWall();
    ExpectTheWallBroken("the second game");
}

}  // namespace
