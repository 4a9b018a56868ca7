// A short game played through the real frame loop, without a display: the
// hero shoots a monster, bombs a destructible wall, picks up gold, reads a
// sign, takes a teleport and leaves by an exit into the next level.  The
// keys go in through the key handlers, one frame at a time.
#include <gtest/gtest.h>

#include <functional>

#include "game/core/messages.h"
#include "game/levels/level_files.h"
#include "game/play/frame_loop.h"
#include "game/play/keyboard.h"
#include "game/world/world_effects.h"
#include "world/world_test.h"

namespace {

using namespace game;
using world_testing::WorldTest;

constexpr int16_t kUp = 38, kDown = 40, kLeft = 37, kRight = 39, kCtrl = 17, kSpace = 32;

constexpr int kStartTile = 255;       // column 5, row 10
constexpr int kBreakableWall = 258;   // column 8, row 10
constexpr int kSignTile = 327;        // column 2, row 13
constexpr int kTeleportTile = 377;    // column 2, row 15
constexpr int kTeleportTarget = 395;  // column 20, row 15
constexpr int kExitTile = 396;        // column 21, row 15
constexpr int kArrivalTile = 112;     // column 12, row 4 of level 1
constexpr const char* kSignText = "Cesta vede dolů.";
constexpr const char* kWelcomeText = "Vítej o patro níž.";

class ScenarioTest : public WorldTest {
  protected:
    void SetUp() override {
        WorldTest::SetUp();
        BuildLevelOne();
        ASSERT_TRUE(StoreLevel(1));
        BuildLevelZero();
        TickDelay = 0;
    }

    static void ClearLevel() {
        for (Tile& t : Tiles) {
            t.Kind = kFloor;
            t.Picture = 1;
            t.Param1.clear();
            t.Param2.clear();
            t.Revealed = kFalse;
        }
        ClearList(Monsters, MonsterCount);
        ClearList(Items, ItemCount);
        UpdateMonsterRects();
    }

    static void BuildLevelOne() {
        ClearLevel();
        SetTile(kArrivalTile, kSign, kWelcomeText, "ONCE", 2);
        int16_t m = AddMonster(400.0f, 60.0f, 1, 3, 2);
        Monsters[m].Picture = 4;
    }

    static void BuildLevelZero() {
        ClearLevel();
        // A monster that stands still, in the line of fire.
        AddMonster(130.0f, 202.0f, 5, 1, 1);
        SetTile(kBreakableWall, kDestructibleWall, "5", "3", 9);
        AddItem(80, 200, 0);  // gold on the way back
        AddItem(60, 200, 9);  // never taken
        SetTile(kSignTile, kSign, kSignText);
        SetTile(kTeleportTile, kTeleport, std::to_string(kTeleportTarget));
        SetTile(kExitTile, kLevelExit, "1", std::to_string(kArrivalTile));
        LevelNumber = 0;
        PutHeroOnTile(kStartTile);
    }

    static void Press(int16_t key) { Picture1_KeyDown(0, key, 0); }
    static void Release(int16_t key) { Picture1_KeyUp(0, key, 0); }
};

TEST_F(ScenarioTest, HeroFightsBombsAndWalksIntoTheNextLevel) {
    enum class Phase { Face, Fire, WalkToWall, WalkBack, WalkDown, WalkToExit, Arrived };
    Phase phase = Phase::Face;
    int frame = 0;
    int arrivedAt = 0;
    int bombLaidAt = 0;
    float bombLaidX = 0;
    int monsterGoneAt = 0;
    int wallBrokenAt = 0;

    // The script: runs in the one idle pass before each frame.
    windows.onProcessEvents = [&] {
        ++frame;
        SetClock(1000.0f + static_cast<float>(frame) / 60.0f);
        if (monsterGoneAt == 0 && MonsterCount == 0) monsterGoneAt = frame;
        if (wallBrokenAt == 0 && LevelNumber == 0 && Tiles[kBreakableWall].Kind == kFloor)
            wallBrokenAt = frame;
        switch (phase) {
            case Phase::Face:  // a tap to the right turns the hero
                Press(kRight);
                phase = Phase::Fire;
                break;
            case Phase::Fire:
                Release(kRight);
                Press(kCtrl);
                phase = Phase::WalkToWall;
                break;
            case Phase::WalkToWall:
                Release(kCtrl);
                Press(kRight);
                if (HeroX >= 140.0f) {
                    Release(kRight);
                    Press(kSpace);
                    Release(kSpace);
                    bombLaidAt = frame;
                    bombLaidX = HeroX;
                    Press(kLeft);
                    phase = Phase::WalkBack;
                }
                break;
            case Phase::WalkBack:
                if (HeroX <= 50.0f) {
                    Release(kLeft);
                    Press(kDown);
                    phase = Phase::WalkDown;
                }
                break;
            case Phase::WalkDown:
                if (HeroX > 300.0f) {  // the teleport has taken him
                    Release(kDown);
                    Press(kRight);
                    phase = Phase::WalkToExit;
                }
                break;
            case Phase::WalkToExit:
                if (LevelNumber == 1) {
                    Release(kRight);
                    arrivedAt = frame;
                    phase = Phase::Arrived;
                }
                break;
            case Phase::Arrived:
                if (frame - arrivedAt >= 5) GameSuspended = true;  // the run ends here
                break;
        }
        ASSERT_LT(frame, 2000) << "the script got stuck";
    };

    FrameLoop loop;
    loop.Timer1_Timer();

    // A few hundred frames were played and drawn.
    EXPECT_GT(frame, 300);
    EXPECT_EQ(windows.framesDrawn, frame - 1);
    EXPECT_EQ(phase, Phase::Arrived);

    // The missile left from x 108.8 on frame 2, flying 2 pixels in each frame
    // from that one on, and reached the monster's rectangle (x 129.5 rounds
    // to its left edge, 130) on frame 12: gone when frame 13 begins.
    EXPECT_EQ(monsterGoneAt, 13);
    EXPECT_EQ(HeroLevel, 1);  // a kind-5 monster is worth over 120
    EXPECT_EQ(Lives, MaxLives);
    // The bomb broke the wall three seconds after it was laid.
    EXPECT_GT(wallBrokenAt, bombLaidAt + 180);
    EXPECT_LE(wallBrokenAt, bombLaidAt + 185);
    EXPECT_NEAR(bombLaidX, 140.0f, 0.6f);
    EXPECT_FALSE(BombArmed);
    EXPECT_GT(Gold, 0);

    // In level 1, on the arrival tile, whose one-time sign has spoken.
    EXPECT_EQ(LevelNumber, 1);
    EXPECT_EQ(HeroX, Tiles[kArrivalTile].X + 2.0f);
    EXPECT_EQ(HeroY, Tiles[kArrivalTile].Y + 2.0f);
    EXPECT_EQ(Tiles[kArrivalTile].Kind, kFloor);
    ASSERT_EQ(MonsterCount, 1);
    EXPECT_EQ(Monsters[0].HitPoints, 3);

    const std::vector<std::string> log = windows.LogLines();
    ASSERT_EQ(log.size(), 8u);
    EXPECT_EQ(log[0], "Monstrum bylo zraněno za 1 život...");
    EXPECT_EQ(log[1], "Monstrum bylo zabito...");
    EXPECT_EQ(log[2], "Získal jsi " + std::to_string(Experience) + " zkušeností!");
    EXPECT_EQ(log[3], "Postoupil jsi na úroveň!");
    EXPECT_EQ(log[4].rfind("Získal jsi ", 0), 0u);
    EXPECT_EQ(log[5], "Získal jsi " + std::to_string(Gold) + GoldEnding(Gold));
    EXPECT_EQ(log[6], kSignText);
    EXPECT_EQ(log[7], kWelcomeText);

    EXPECT_EQ(sound.Count("magic.wav"), 1);
    EXPECT_EQ(sound.Count("killing.wav"), 2);  // the monster, the wall
    EXPECT_EQ(sound.Count("bum.wav"), 2);      // the kill, the burst
    EXPECT_EQ(sound.Count("puma.wav"), 3);
    EXPECT_EQ(sound.Count("tlacitko.wav"), 2);  // the gold, the teleport
    EXPECT_EQ(sound.Count("death.wav"), 0);

    // Level 0 was stored as the hero left it.
    ASSERT_TRUE(LoadLevel(0));
    EXPECT_EQ(MonsterCount, 0);
    EXPECT_EQ(Tiles[kBreakableWall].Kind, kFloor);
    EXPECT_EQ(Tiles[kBreakableWall].Picture, 3);
    EXPECT_EQ(Tiles[kBreakableWall].Param1, "0");
    ASSERT_EQ(ItemCount, 1);
    EXPECT_EQ(Items[0].Kind, 9);
    EXPECT_EQ(Tiles[kTeleportTile].Kind, kTeleport);
    EXPECT_EQ(Tiles[kSignTile].Revealed, kTrue);
    EXPECT_EQ(Tiles[kExitTile].Revealed, kTrue);
    EXPECT_EQ(Tiles[kStartTile + 25 * 5].Revealed, kFalse);  // never near it
}

}  // namespace
