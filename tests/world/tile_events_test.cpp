#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/core/progression.h"
#include "game/levels/level_files.h"
#include "game/world/hero_death.h"
#include "game/world/world_effects.h"
#include "world/world_test.h"

namespace {

using namespace game;
using world_testing::WorldTest;

class TileEventsTest : public WorldTest {
  protected:
    // The hero steps onto tile t and the frame's tile events run.
    static void StepOnto(int t) {
        PutHeroOnTile(t);
        HeroTileEvents();
    }
    static bool Revealed(int t) { return Tiles[t].Revealed == kTrue; }
};

TEST_F(TileEventsTest, WallAboveHidesTheTileTwoUpButNotItsSides) {
    SetTile(287, kSolidWall);  // straight above tile 312
    StepOnto(312);
    EXPECT_TRUE(Revealed(312));
    EXPECT_TRUE(Revealed(287));
    EXPECT_FALSE(Revealed(262));  // behind the wall
    EXPECT_TRUE(Revealed(261));   // reached through the diagonals
    EXPECT_TRUE(Revealed(263));
    EXPECT_TRUE(Revealed(362));  // nothing below hides two down
    EXPECT_TRUE(Revealed(310));
    EXPECT_TRUE(Revealed(314));
    // The whole 5 x 5 square, corners included, and nothing beyond it.
    EXPECT_TRUE(Revealed(260));
    EXPECT_TRUE(Revealed(364));
    EXPECT_FALSE(Revealed(309));
    EXPECT_FALSE(Revealed(237));
}

TEST_F(TileEventsTest, DiagonalWallsHideTheirThreeTiles) {
    SetTile(286, kDestructibleWall);  // up-left of 312
    SetTile(338, kSolidWall);         // down-right of 312
    StepOnto(312);
    for (int hidden : {260, 261, 285, 339, 363, 364})
        EXPECT_FALSE(Revealed(hidden)) << hidden;
    for (int shown : {262, 263, 264, 287, 310, 360, 361, 362, 286, 338})
        EXPECT_TRUE(Revealed(shown)) << shown;
}

TEST_F(TileEventsTest, FirstAndLastTileTriggerNothingButStillReveal) {
    for (int t : {0, 624}) {
        SetTile(t, kSign, "Nápis");
        LastHeroTile = 300;
        StepOnto(t);
        EXPECT_TRUE(Revealed(t));
        EXPECT_EQ(LastHeroTile, 300);
    }
    EXPECT_TRUE(Revealed(26));
    EXPECT_TRUE(Revealed(598));
    EXPECT_TRUE(windows.LogLines().empty());
}

TEST_F(TileEventsTest, ANewGameGreetsTheHeroOnHisStartTileWhereverTheLastGameEnded) {
    // The last game ended with the hero on tile 591 of some level.
    StepOnto(591);
    ASSERT_EQ(LastHeroTile, 591);
    SetTile(591, kSign, "0. patro: Vstup do jeskyně", "ONCE");
    ResetHero();
    HeroTileEvents();
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"0. patro: Vstup do jeskyně"});
    EXPECT_EQ(Tiles[591].Kind, kFloor);
}

TEST_F(TileEventsTest, SignActsOnEntryOnlyAndOnceInAnyCase) {
    SetTile(312, kSign, "Pozor, past!");
    StepOnto(312);
    HeroTileEvents();  // standing still: nothing more
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Pozor, past!"});
    EXPECT_EQ(FloatTexts[0].Colour, Rgb(255, 255, 255));
    EXPECT_EQ(FloatTexts[0].Y, 240.0f + 10.0f - 20.0f);  // over the tile's centre
    StepOnto(313);
    StepOnto(312);  // back again: it speaks again
    EXPECT_EQ(windows.LogLines().size(), 2u);

    SetTile(313, kSign, "Jen jednou", "once");
    StepOnto(313);
    EXPECT_EQ(Tiles[313].Kind, kFloor);
    StepOnto(312);
    StepOnto(313);
    EXPECT_EQ(windows.LogLines().back(), "Pozor, past!");
}

TEST_F(TileEventsTest, TeleportToTile312) {
    SetTile(100, kTeleport, "312");
    StepOnto(100);
    EXPECT_EQ(HeroX, 242.0f);
    EXPECT_EQ(HeroY, 242.0f);
    EXPECT_EQ(sound.Files(), std::vector<std::string>{"tlacitko.wav"});
    EXPECT_EQ(Tiles[100].Kind, kTeleport);

    SetTile(101, kTeleport, "312", "ONCE");
    StepOnto(101);
    EXPECT_EQ(Tiles[101].Kind, kFloor);
}

TEST_F(TileEventsTest, TargetsOutsideTheGridDoNothingAtAll) {
    SetTile(100, kTeleport, "625");
    StepOnto(100);
    EXPECT_EQ(HeroX, 2.0f);
    SetTile(101, kMechanism, "-1", "5 1");
    StepOnto(101);
    EXPECT_EQ(Tiles[101].Kind, kMechanism);
    SetTile(102, kLevelExit, "3", "700");
    StepOnto(102);
    EXPECT_EQ(LevelNumber, 0);
    EXPECT_EQ(Tiles[102].Kind, kLevelExit);
    EXPECT_TRUE(sound.cues.empty());
    EXPECT_TRUE(windows.LogLines().empty());
}

TEST_F(TileEventsTest, MechanismParametersPictureThenKind) {
    struct Case {
        const char* param2;
        int16_t picture, kind;
    };
    for (const Case& c :
         {Case{"12 0", 12, kFloor}, Case{"5 1", 5, kSolidWall}, Case{"3", 0, kSign}}) {
        SetTile(100, kSolidWall, "", "", 9);
        SetTile(312, kMechanism, "100", c.param2);
        LastHeroTile = 0;
        StepOnto(312);
        EXPECT_EQ(Tiles[100].Picture, c.picture) << c.param2;
        EXPECT_EQ(Tiles[100].Kind, c.kind) << c.param2;
        EXPECT_EQ(Tiles[312].Kind, kFloor);
    }
    ASSERT_EQ(TileEffectCount, 3);
    EXPECT_EQ(TileEffects[0].X, 0);  // tile 100: column 0, row 4
    EXPECT_EQ(TileEffects[0].Y, 80);
    EXPECT_EQ(windows.LogLines().back(), "Spustil jsi nějaký mechanismus...");
    EXPECT_EQ(sound.Count("tlacitko.wav"), 3);
}

TEST_F(TileEventsTest, TrapWithThreeLivesKillsOnTheThirdSecond) {
    SetTile(312, kTrapFloor);
    Lives = 3;
    SetClock(1000.0f);
    StepOnto(312);
    EXPECT_EQ(Lives, 2);
    SetClock(1000.5f);
    HeroTileEvents();
    EXPECT_EQ(Lives, 2);
    SetClock(1001.0f);  // a full second since the last blow
    HeroTileEvents();
    EXPECT_EQ(Lives, 1);
    SetClock(1002.0f);
    HeroTileEvents();
    EXPECT_EQ(Lives, 0);
    EXPECT_TRUE(HeroDead);
    SetClock(1010.0f);
    HeroTileEvents();
    EXPECT_EQ(Lives, 0);
    EXPECT_EQ(FloatTextTexts(), (std::vector<std::string>{"-1", "-1", "R.I.P."}));
    EXPECT_EQ(windows.LogLines(),
              (std::vector<std::string>{"Byl jsi zraněn za 1 život...",
                                        "Byl jsi zraněn za 1 život...", "Jsi mrtev..."}));
    EXPECT_EQ(sound.Count("death.wav"), 3);
    EXPECT_EQ(windows.livesCaption, "0");
}

TEST_F(TileEventsTest, TrapKeepsBitingOverMidnight) {
    SetTile(312, kTrapFloor);
    Lives = 10;
    TrapTime = 86399.75f;
    SetClock(0.5f);
    StepOnto(312);
    EXPECT_EQ(Lives, 10);
    SetClock(0.8f);
    HeroTileEvents();
    EXPECT_EQ(Lives, 9);
}

TEST_F(TileEventsTest, MessageScreenShowsItsNoticeOnceAndLetsGoOfTheKeys) {
    SetTile(312, kMessageScreen, "Vítej v jeskyni.");
    KeyUpHeld = KeyRightHeld = FireHeld = true;
    StepOnto(312);
    EXPECT_EQ(windows.notices, std::vector<std::string>{"Vítej v jeskyni."});
    EXPECT_FALSE(KeyUpHeld);
    EXPECT_FALSE(KeyRightHeld);
    EXPECT_FALSE(FireHeld);
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Vítej v jeskyni."});
    EXPECT_EQ(Tiles[312].Kind, kFloor);

    // The program closing while the notice is up: nothing more is done.
    SetTile(313, kMessageScreen, "Konec?");
    windows.onNotice = [](const std::string&) { ShutdownRequested = true; };
    StepOnto(313);
    EXPECT_EQ(Tiles[313].Kind, kMessageScreen);
    EXPECT_EQ(windows.LogLines().size(), 1u);
}

TEST_F(TileEventsTest, LastLevelDoorShutsBehindTheHero) {
    LevelNumber = 80;
    StepOnto(61);
    EXPECT_EQ(Tiles[111].Kind, kSolidWall);
    EXPECT_EQ(Tiles[111].Picture, 28);
    ASSERT_EQ(TileEffectCount, 1);
    EXPECT_EQ(TileEffects[0].X, 220);
    EXPECT_EQ(sound.Count("tlacitko.wav"), 1);
    StepOnto(62);
    StepOnto(61);  // already shut: nothing more
    EXPECT_EQ(TileEffectCount, 1);

    // On any other level tile 61 is just a tile.
    LevelNumber = 79;
    Tiles[111].Kind = kFloor;
    StepOnto(62);
    StepOnto(61);
    EXPECT_EQ(Tiles[111].Kind, kFloor);
}

TEST_F(TileEventsTest, LastLevelEndsTheGameOnTile11) {
    LevelNumber = 80;
    CanResume = CanSave = true;
    SetTile(11, kSign, "nečte se");
    StepOnto(11);
    EXPECT_EQ(windows.notices,
              std::vector<std::string>{"...a tak jsi dohrál tuto hru...    Game Over"});
    EXPECT_TRUE(windows.Called("EndGameToMenu"));
    EXPECT_FALSE(CanResume);
    EXPECT_FALSE(CanSave);
    EXPECT_TRUE(windows.LogLines().empty());  // the tile itself does not act
}

TEST_F(TileEventsTest, ClosingTheProgramDuringTheEndingNoticeStopsThere) {
    LevelNumber = 80;
    CanResume = true;
    windows.onNotice = [](const std::string&) { ShutdownRequested = true; };
    StepOnto(11);
    EXPECT_FALSE(windows.Called("EndGameToMenu"));
    EXPECT_TRUE(CanResume);
}

TEST_F(TileEventsTest, ExitStoresThisLevelAndLoadsTheNext) {
    // Level 1 waits in the working folder.
    SetTile(100, kSign, "Druhá úroveň", "", 5);
    int16_t m = AddMonster(300.0f, 300.0f, 2, 4, 2);
    ASSERT_TRUE(StoreLevel(1));
    RemoveMonster(m);
    SetTile(100, kFloor, "", "", 0);

    // Level 0 in memory, with a change the hero made.
    SetTile(50, kFloor, "", "", 8);
    SetTile(312, kLevelExit, "1", "100");
    StepOnto(312);
    EXPECT_EQ(LevelNumber, 1);
    EXPECT_EQ(HeroX, 2.0f);  // tile 100: column 0, row 4
    EXPECT_EQ(HeroY, 82.0f);
    EXPECT_EQ(Tiles[100].Kind, kSign);
    EXPECT_EQ(Tiles[100].Picture, 5);
    ASSERT_EQ(MonsterCount, 1);
    EXPECT_EQ(Monsters[0].HitPoints, 4);
    // The next frame the hero's centre is on the sign: it speaks.
    HeroTileEvents();
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Druhá úroveň"});

    // Level 0 kept what happened there.
    ASSERT_TRUE(LoadLevel(0));
    EXPECT_EQ(Tiles[50].Picture, 8);
    EXPECT_EQ(Tiles[312].Kind, kLevelExit);
    EXPECT_EQ(Tiles[312].Revealed, kTrue);
}

TEST_F(TileEventsTest, ExitToAMissingLevelFailsLikeAnyBadLevelFile) {
    SetTile(312, kLevelExit, "42", "100");
    StepOnto(312);
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_EQ(windows.messageBoxes[0].first, "Chyba během načítání...");
    EXPECT_EQ(windows.messageBoxes[0].second, "CHYBA!!");
    EXPECT_TRUE(windows.Called("CloseMainWindow"));
    EXPECT_TRUE(ShutdownRequested);
}

TEST_F(TileEventsTest, ADeadHerosBodyStillRevealsButNoTileActsForIt) {
    // The death empties the working folder.
    KillHero();
    const auto levelFile = appFolder / "data" / "levels" / "level0.sc";
    windows.log.assign(1, "");
    const int cues = static_cast<int>(sound.calls.size());
    const int16_t texts = FloatTextCount;
    TrapTime = 0;

    SetTile(300, kSign, "Nápis");
    SetTile(302, kTeleport, "500");
    SetTile(304, kLevelExit, "1", "100");
    SetTile(306, kMechanism, "100", "5 1");
    SetTile(308, kMessageScreen, "Zpráva");
    SetTile(310, kTrapFloor);
    for (int t : {300, 302, 304, 306, 308, 310}) {
        const int16_t kind = Tiles[t].Kind;
        StepOnto(t);
        EXPECT_TRUE(Revealed(t)) << t;
        EXPECT_EQ(Tiles[t].Kind, kind) << t;
        EXPECT_EQ(HeroX, Tiles[t].X + 2.0f) << t;  // no teleport, no exit
    }
    EXPECT_EQ(LevelNumber, 0);
    EXPECT_FALSE(std::filesystem::exists(levelFile));  // nothing written for the dead game
    EXPECT_EQ(Tiles[100].Kind, kFloor);
    EXPECT_TRUE(windows.notices.empty());
    EXPECT_TRUE(windows.LogLines().empty());
    EXPECT_EQ(FloatTextCount, texts);
    EXPECT_EQ(static_cast<int>(sound.calls.size()), cues);
    EXPECT_EQ(TrapTime, 0.0f);

    // Nor do the last level's door and ending.
    LevelNumber = 80;
    CanResume = true;
    StepOnto(61);
    EXPECT_NE(Tiles[111].Kind, kSolidWall);
    StepOnto(11);
    EXPECT_TRUE(windows.notices.empty());
    EXPECT_FALSE(windows.Called("EndGameToMenu"));
}

TEST_F(TileEventsTest, LevelThatCannotBeStoredIsNotLeft) {
    // Something that is not a folder stands where the working levels go.
    std::filesystem::remove_all(appFolder / "data" / "levels");
    std::ofstream(appFolder / "data" / "levels") << "not a folder";
    SetTile(312, kLevelExit, "1", "100");
    StepOnto(312);
    EXPECT_EQ(LevelNumber, 0);
    EXPECT_EQ(HeroX, 242.0f);
    EXPECT_EQ(Tiles[312].Kind, kLevelExit);
    EXPECT_EQ(windows.LogLines(),
              std::vector<std::string>{"Úroveň se nepodařilo uložit, zůstáváš zde..."});
    EXPECT_FALSE(ShutdownRequested);
}

}  // namespace
