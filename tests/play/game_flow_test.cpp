#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/play_observer.h"
#include "game/levels/byte_stream.h"
#include "game/levels/package_record.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_games.h"
#include "game/platform/file_io.h"
#include "game/play/game_flow.h"
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
        NewGameLevel = 0;
        NewGameTile = 591;
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
