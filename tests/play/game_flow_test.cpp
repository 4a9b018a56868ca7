#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/play_observer.h"
#include "game/levels/byte_stream.h"
#include "game/levels/level_files.h"
#include "game/levels/package_record.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_games.h"
#include "game/platform/file_io.h"
#include "game/play/game_flow.h"
#include "game/play/tried_level.h"
#include "levels/levels_test.h"

namespace {

using namespace game;

// A recording that writes down what the flow tells it, in order.
class HeardObserver : public PlayObserver {
  public:
    std::vector<std::string> heard;

    void KeyDown(int16_t, int16_t) override {}
    void KeyUp(int16_t, int16_t) override {}
    void LostKeyboard() override {}
    void Resumed() override { heard.push_back("resumed"); }
    void SavingAs(const std::string& name) override { heard.push_back("saving " + name); }
    void FrameBegins() override {}
    void GameEnds(GameEnd how) override {
        heard.push_back("ends " + std::to_string(static_cast<int>(how)));
    }
    void NewGameStarted() override { heard.push_back("new game"); }
    void GameLoaded(const std::string& name) override { heard.push_back("loaded " + name); }
    void GameChanging() override { heard.push_back("changing"); }
    void GameChanged() override { heard.push_back("changed"); }
    void NoticeClosed() override {}
    void MonstersTakenOff(int16_t) override {}
};

class GameFlow : public levels_test::LevelsTest {
  protected:
    void SetUp() override {
        LevelsTest::SetUp();
        SetPlayObserver(&observer);
    }
    void TearDown() override {
        SetPlayObserver(nullptr);
        LevelsTest::TearDown();
    }

    // levels.all of three sample levels.
    void InstallCampaign() {
        PackageRecord campaign;
        campaign.levels.assign(3, levels_test::SampleLevel());
        ByteWriter out;
        WritePackageRecord(out, campaign);
        ASSERT_TRUE(WriteWholeFile((appFolder / "data/levels.all").string(), out.Bytes(), false));
    }

    HeardObserver observer;
};

TEST_F(GameFlow, ANewGameFromTheMenuEndsTheOldOneAndStartsWhereNewGamesStart) {
    InstallCampaign();
    windows.AppendLogLine("z minulé hry");
    GameSuspended = true;
    Paused = true;
    Lives = 3;
    NewGameLevel = 2;
    NewGameTile = 30;

    ASSERT_TRUE(NewGameFromMenu());
    EXPECT_EQ(observer.heard, (std::vector<std::string>{"ends 0", "new game"}));
    EXPECT_TRUE(windows.LogLines().empty());
    EXPECT_EQ(LevelNumber, 2);
    EXPECT_FLOAT_EQ(HeroX, Tiles[30].X + 2.0f);
    EXPECT_FLOAT_EQ(HeroY, Tiles[30].Y + 2.0f);
    EXPECT_EQ(Lives, 10);
    EXPECT_FALSE(GameSuspended);
    EXPECT_FALSE(Paused);

    // Without a campaign there is no new game to tell of.
    std::filesystem::remove(appFolder / "data/levels.all");
    observer.heard.clear();
    EXPECT_FALSE(NewGameFromMenu());
    EXPECT_EQ(observer.heard, (std::vector<std::string>{"ends 0"}));
}

TEST_F(GameFlow, ChosenSavesAndLoadsTellTheRecordingAndSayWhatToShow) {
    InstallCampaign();
    ASSERT_TRUE(StartNewGame(0, 591));
    Gold = 77;
    GameSuspended = true;
    ASSERT_TRUE(SaveChosenGame("hra"));
    EXPECT_FALSE(GameSuspended);
    EXPECT_TRUE(SavePairExists("hra"));

    Gold = 0;
    Paused = true;
    KeyUpHeld = true;
    EXPECT_EQ(LoadChosenGame("hra"), AfterLoad::kPlay);
    EXPECT_EQ(Gold, 77);
    EXPECT_FALSE(Paused);
    EXPECT_FALSE(KeyUpHeld);
    EXPECT_EQ(observer.heard, (std::vector<std::string>{"saving hra", "ends 3", "loaded hra"}));

    // A save that is gone: with a game under way it goes on, without one
    // the player is told and sent to the menu.
    for (bool underWay : {true, false}) {
        CanResume = underWay;
        windows.messageBoxes.clear();
        EXPECT_EQ(LoadChosenGame("nic"), underWay ? AfterLoad::kPlay : AfterLoad::kMenu);
        EXPECT_EQ(windows.messageBoxes.size(), underWay ? 0u : 1u);
    }
}

TEST_F(GameFlow, TheCornerHelpChosenDuringAGameHoldsFromTheNextNewGameOrLoad) {
    InstallCampaign();
    CanResume = false;
    ChooseCornerHelp(false);
    EXPECT_FALSE(CornerSlideOn);
    // A game under way keeps the rules it is recorded with.
    CanResume = true;
    ChooseCornerHelp(true);
    EXPECT_FALSE(CornerSlideOn);
    ASSERT_TRUE(NewGameFromMenu());
    EXPECT_TRUE(CornerSlideOn);
    ASSERT_TRUE(SaveChosenGame("hra"));
    ChooseCornerHelp(false);
    EXPECT_TRUE(CornerSlideOn);
    EXPECT_EQ(LoadChosenGame("hra"), AfterLoad::kPlay);
    EXPECT_FALSE(CornerSlideOn);
    // A recording's own start (the replay's) keeps what it set.
    CornerSlideOn = true;
    ChooseCornerHelp(false);
    ASSERT_TRUE(StartNewGame(0, 591));
    EXPECT_TRUE(CornerSlideOn);
    EXPECT_TRUE(QuickSave());
    EXPECT_TRUE(QuickLoad());
    EXPECT_FALSE(CornerSlideOn);
}

// A new game is as easy as the settings say when it starts; a save, an
// autosave and a quick save alike play as they were saved, whatever the
// settings say at the load, and a save that tells nothing of it is normal.
TEST_F(GameFlow, ANewGameTakesTheChosenDifficultyAndASaveKeepsItsOwn) {
    InstallCampaign();
    ChosenDifficulty = Difficulty::kEasy;
    ASSERT_TRUE(NewGameFromMenu());
    EXPECT_EQ(GameDifficulty, Difficulty::kEasy);
    ASSERT_TRUE(SaveChosenGame("lehka"));
    ChosenDifficulty = Difficulty::kNormal;
    EXPECT_EQ(GameDifficulty, Difficulty::kEasy);  // the game under way keeps it
    ASSERT_TRUE(QuickSave());
    ASSERT_TRUE(NewGameFromMenu());
    EXPECT_EQ(GameDifficulty, Difficulty::kNormal);
    ASSERT_TRUE(SaveChosenGame("normalni"));

    EXPECT_EQ(LoadChosenGame("lehka"), AfterLoad::kPlay);
    EXPECT_EQ(GameDifficulty, Difficulty::kEasy);
    ChosenDifficulty = Difficulty::kEasy;
    EXPECT_EQ(LoadChosenGame("normalni"), AfterLoad::kPlay);
    EXPECT_EQ(GameDifficulty, Difficulty::kNormal);
    ChosenDifficulty = Difficulty::kNormal;
    EXPECT_TRUE(QuickLoad());
    EXPECT_EQ(GameDifficulty, Difficulty::kEasy);

    // The normal game's description says nothing of it, as every save
    // before the easy game; one without a description at all is normal too.
    std::vector<uint8_t> normal, easy;
    ASSERT_TRUE(ReadWholeFile(SavePath(DescriptionFileName("normalni")), normal));
    ASSERT_TRUE(ReadWholeFile(SavePath(DescriptionFileName("lehka")), easy));
    EXPECT_EQ(std::string(normal.begin(), normal.end()).find("difficulty"), std::string::npos);
    EXPECT_NE(std::string(easy.begin(), easy.end()).find("\ndifficulty=easy\n"), std::string::npos);
    ASSERT_TRUE(std::filesystem::remove(SavePath(DescriptionFileName("lehka"))));
    EXPECT_EQ(LoadChosenGame("lehka"), AfterLoad::kPlay);
    EXPECT_EQ(GameDifficulty, Difficulty::kNormal);
}

TEST_F(GameFlow, LeavingForTheMenuSuspendsAndResumingGoesOn) {
    LeaveForMenu();
    EXPECT_TRUE(GameSuspended);
    EXPECT_TRUE(CanResume);
    EXPECT_TRUE(CanSave);
    EXPECT_TRUE(windows.Called("SuspendToMenu"));
    ResumeFromMenu();
    EXPECT_FALSE(GameSuspended);
    EXPECT_EQ(observer.heard, (std::vector<std::string>{"resumed"}));
}

}  // namespace

// A tried level changed on disk, put in between two frames: the hero stays,
// is put back onto his tile or goes to the start tile; a hero elsewhere
// finds the new version in its working file; a dying hero's game is left.
TEST_F(GameFlow, AChangedTriedLevelTakesThePlaceOfTheOld) {
    constexpr int16_t kHisTile = 212, kStartTile = 316;
    struct Case {
        const char* what;
        int32_t heroLevel;
        bool heroDead;
        float offsetX;       // the hero's corner from his tile's corner
        int16_t newWall;     // a tile of the new version that is a wall
        bool changed;        // the change was put in
        float heroX, heroY;  // where he stands afterwards
    };
    const float x = Tiles[kHisTile].X, y = Tiles[kHisTile].Y;
    const float sx = Tiles[kStartTile].X + 2, sy = Tiles[kStartTile].Y + 2;
    const Case cases[] = {
        {"his tile still floor", 1, false, 3.0f, 213, true, x + 3, y + 3},
        {"a new wall touches him", 1, false, 6.0f, 213, true, x + 2, y + 2},
        {"his tile a wall", 1, false, 6.0f, kHisTile, true, sx, sy},
        {"on another level", 0, false, 3.0f, kHisTile, true, x + 3, y + 3},
        {"dying", 1, true, 3.0f, kHisTile, false, x + 3, y + 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MakeWorkingLevels(3, c.heroLevel);
        observer.heard.clear();
        const LevelRecord before = CurrentLevelRecord();
        Tiles[401].Revealed = kTrue;  // seen by the hero
        HeroX = x + c.offsetX;
        HeroY = y + 3;
        LastHeroTile = kHisTile;
        HeroDead = c.heroDead;
        Paused = true;
        GameSuspended = c.heroLevel == 0;

        TriedLevelChange change;
        change.number = 1;
        change.startTile = kStartTile;
        change.level = levels_test::SampleLevel();
        change.level.tiles[c.newWall].Kind = kSolidWall;
        change.level.tiles[400].Picture = 99;
        change.level.tiles[401].Revealed = kFalse;
        change.level.monsters.resize(1);
        change.level.items.resize(1);
        OfferTriedLevelChange(change);
        EXPECT_EQ(PutInWaitingLevelChange(), c.changed);
        EXPECT_FALSE(TriedLevelChangeWaits());
        EXPECT_FALSE(PutInWaitingLevelChange()) << "put in twice";

        EXPECT_EQ(NewGameTile, kStartTile);
        EXPECT_TRUE(Paused);
        EXPECT_EQ(GameSuspended, c.heroLevel == 0);
        EXPECT_FLOAT_EQ(HeroX, c.heroX);
        EXPECT_FLOAT_EQ(HeroY, c.heroY);
        const std::vector<std::string> heard = c.changed
                                                   ? std::vector<std::string>{"changing", "changed"}
                                                   : std::vector<std::string>{};
        EXPECT_EQ(observer.heard, heard);
        EXPECT_EQ(LastHeroTile, c.heroX == sx ? kStartTile : kHisTile);
        std::vector<uint8_t> bytes = levels_test::ReadBytes(LevelPath(1));
        ByteReader in(bytes);
        LevelRecord working;
        ASSERT_TRUE(ReadLevelRecord(in, 1, working));
        if (c.heroLevel == 1 && c.changed) {
            // The new version in play, what he has seen still seen.
            EXPECT_EQ(Tiles[400].Picture, 99);
            EXPECT_EQ(Tiles[401].Revealed, kTrue);
            EXPECT_EQ(MonsterCount, 1);
            EXPECT_EQ(ItemCount, 1);
        } else {
            EXPECT_EQ(Tiles[400].Picture, before.tiles[400].Picture) << "the level in play changed";
            EXPECT_EQ(MonsterCount, static_cast<int16_t>(before.monsters.size()));
        }
        // Elsewhere the hero finds the new version when he comes.
        EXPECT_EQ(working.tiles[400].Picture == 99, c.heroLevel == 0);
        HeroDead = false;
        Paused = GameSuspended = false;
    }
}
