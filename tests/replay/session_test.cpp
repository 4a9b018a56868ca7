// The player's games recorded one after another into the replays folder.
#include <gtest/gtest.h>

#include <fstream>

#include "game/core/game_state.h"
#include "game/levels/level_files.h"
#include "game/levels/save_games.h"
#include "game/platform/file_io.h"
#include "game/platform/keys.h"
#include "game/play/frame_loop.h"
#include "game/play/keyboard.h"
#include "game/play/tried_level.h"
#include "game/replay/player.h"
#include "game/replay/recording_session.h"
#include "replay/replay_fixture.h"

namespace {

namespace fs = std::filesystem;
namespace vk = platform::vk;
using replay::Player;
using replay::Recording;
using replay_testing::ReplayTest;
using replay_testing::Script;

class SessionTest : public ReplayTest {
  protected:
    fs::path Folder() const { return appFolder / "data" / "replays"; }

    std::vector<std::string> Names(const std::string& prefix) const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(Folder(), ec)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) == 0) names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static Recording Read(const fs::path& path) {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(game::ReadWholeFile(path.string(), bytes, 1u << 30)) << path;
        return replay::ParseRecording(bytes);
    }

    Player::State PlayBack(const Recording& recording) {
        MoveToPlaybackFolder();
        Player player(recording);
        if (!player.Begin()) return player.GetState();
        const Player::State state = player.PlayToEnd();
        EXPECT_EQ(state, Player::State::Ended) << player.Why();
        return state;
    }
};

TEST_F(SessionTest, TheLastTwentyAreKeptTheOldestGoFirstAndAFinishedCampaignStays) {
    // Two old ones a record names stay outside the rotation.
    fs::create_directories(Folder());
    for (int i = 0; i < 25; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "hra-20250101-0000%02d.rec", i);
        std::ofstream(Folder() / name) << "x";
    }
    std::ofstream(Folder() / "dohrano-20240101-000000.rec") << "x";
    std::ofstream(Folder() / "poznamky.txt") << "x";

    replay::RecordingSession session;
    session.KeepForGood([](const std::string& stamp) {
        return stamp == "20250101-000001" || stamp == "20250101-000003";
    });
    game::SetPlayObserver(&session);
    NewGame();
    session.NewGameStarted();
    ASSERT_TRUE(session.Recording());
    Play(30);
    // The campaign finished: its recording is kept under a name of its own.
    session.GameEnds(game::GameEnd::Finished);
    game::SetPlayObserver(nullptr);

    const auto games = Names("hra-");
    ASSERT_EQ(games.size(), 21u);
    EXPECT_EQ(games[0], "hra-20250101-000001.rec");
    EXPECT_EQ(games[1], "hra-20250101-000003.rec");
    EXPECT_EQ(games[2], "hra-20250101-000006.rec");
    EXPECT_EQ(Names("dohrano-").size(), 2u);
    EXPECT_TRUE(fs::exists(Folder() / "poznamky.txt"));
    EXPECT_EQ(fs::path(session.CurrentPath()).filename().string().rfind("dohrano-", 0), 0u);
    EXPECT_EQ(Read(session.CurrentPath()).status, Recording::Status::Complete);
}

// Games begun in the same second carry a counter; the oldest of them is the
// one without, and "-10" is newer than "-2".
TEST_F(SessionTest, GamesOfOneSecondArePrunedInTheOrderTheyWereBegun) {
    fs::create_directories(Folder());
    std::ofstream(Folder() / "hra-20250101-000000.rec") << "x";
    for (int i = 1; i <= 20; ++i)
        std::ofstream(Folder() / ("hra-20250101-000000-" + std::to_string(i) + ".rec")) << "x";

    replay::RecordingSession session;
    NewGame();
    session.NewGameStarted();
    ASSERT_TRUE(session.Recording());
    session.GameEnds(game::GameEnd::Left);

    const auto games = Names("hra-2025");
    EXPECT_EQ(games.size(), 19u);
    for (const char* gone : {"hra-20250101-000000.rec", "hra-20250101-000000-1.rec"})
        EXPECT_FALSE(fs::exists(Folder() / gone)) << gone;
    for (const char* kept :
         {"hra-20250101-000000-2.rec", "hra-20250101-000000-10.rec", "hra-20250101-000000-20.rec"})
        EXPECT_TRUE(fs::exists(Folder() / kept)) << kept;
}

// Without a save folder (no home folder for an installed game) the game
// plays on unrecorded: no replays folder appears in the working directory.
TEST_F(SessionTest, WithoutASaveFolderTheGameGoesUnrecorded) {
    game::Places.saves.clear();
    game::Places.replays.clear();
    const fs::path before = fs::current_path();
    fs::current_path(appFolder);
    EXPECT_EQ(replay::ReplaysFolder(), "");

    replay::RecordingSession session;
    game::SetPlayObserver(&session);
    NewGame();
    session.NewGameStarted();
    EXPECT_FALSE(session.Recording());
    Play(5);
    game::SetPlayObserver(nullptr);
    fs::current_path(before);
    EXPECT_FALSE(fs::exists(appFolder / "replays"));
}

// F7 with a quick save there ends the recording before the load; the game
// that follows is recorded from the loaded pair, and both play back.
TEST_F(SessionTest, AQuickLoadEndsOneRecordingAndStartsTheNextFromThePair) {
    replay::RecordingSession session;
    game::SetPlayObserver(&session);
    NewGame();
    session.NewGameStarted();
    const std::string first = session.CurrentPath();
    Script script;
    script[10] = [] { game::Picture1_KeyDown(0, vk::Right, 0); };
    script[50] = [] { game::Picture1_KeyDown(0, vk::F5, 0); };
    script[90] = [] { game::Picture1_KeyDown(0, vk::F7, 0); };
    script[120] = [] { game::Picture1_KeyUp(0, vk::Right, 0); };
    Play(200, script);
    const std::string second = session.CurrentPath();
    ASSERT_NE(first, second);
    // The program closes.
    session.GameEnds(game::GameEnd::Left);
    game::SetPlayObserver(nullptr);

    const Recording one = Read(first), two = Read(second);
    ASSERT_EQ(one.status, Recording::Status::Complete);
    ASSERT_EQ(two.status, Recording::Status::Complete);
    EXPECT_EQ(one.end->how, game::GameEnd::Loaded);
    EXPECT_EQ(two.end->how, game::GameEnd::Left);
    EXPECT_EQ(two.start.kind, replay::StartKind::LoadedPair);
    EXPECT_EQ(two.start.saveName, "quick");
    EXPECT_GT(one.end->frames + two.end->frames, 150u);
    PlayBack(one);
    PlayBack(two);
}

// A tried level changed on disk during play ends the recording as a load
// does; the game after it is recorded from the changed game, and both play
// back.  The save folder keeps nothing of it.
TEST_F(SessionTest, AChangedTriedLevelEndsOneRecordingAndTheNextStartsFromTheChangedGame) {
    replay::RecordingSession session;
    game::SetPlayObserver(&session);
    NewGame();
    session.NewGameStarted();
    const std::string first = session.CurrentPath();
    Script script;
    script[10] = [] { game::Picture1_KeyDown(0, vk::Right, 0); };
    script[60] = [] {
        game::TriedLevelChange change;
        change.number = game::LevelNumber;
        change.startTile = game::NewGameTile;
        change.level = game::CurrentLevelRecord();
        change.level.tiles[30].Picture = 7;
        if (!change.level.monsters.empty()) change.level.monsters.pop_back();
        game::OfferTriedLevelChange(change);
    };
    script[120] = [] { game::Picture1_KeyUp(0, vk::Right, 0); };
    Play(200, script);
    const std::string second = session.CurrentPath();
    ASSERT_NE(first, second);
    EXPECT_EQ(game::Tiles[30].Picture, 7);
    session.GameEnds(game::GameEnd::Left);
    game::SetPlayObserver(nullptr);
    EXPECT_TRUE(fs::is_empty(appFolder / "data" / "saves"));

    const Recording one = Read(first), two = Read(second);
    ASSERT_EQ(one.status, Recording::Status::Complete);
    ASSERT_EQ(two.status, Recording::Status::Complete);
    EXPECT_EQ(one.end->how, game::GameEnd::Loaded);
    EXPECT_EQ(two.start.kind, replay::StartKind::LoadedPair);
    EXPECT_GT(one.end->frames, 40u);
    EXPECT_GT(two.end->frames, 100u);
    PlayBack(one);
    PlayBack(two);
}

}  // namespace
