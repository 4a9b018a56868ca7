#include "replay/replay_fixture.h"

#include "campaign/campaign_sources.h"
#include "game/core/game_state.h"
#include "game/core/play_observer.h"
#include "game/desktop/app_paths.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/save_games.h"
#include "game/platform/file_io.h"
#include "game/platform/keys.h"
#include "game/platform/random.h"
#include "game/play/frame_loop.h"
#include "game/play/keyboard.h"
#include "game/replay/state_snapshot.h"

namespace replay_testing {

namespace fs = std::filesystem;
namespace vk = platform::vk;

namespace {

game::PackageRecord Cave(const fs::path& folder) {
    campaign_testing::CampaignSources sources(folder);
    sources.Level(0,
                  "#########################\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#...........%...........#\n"
                  "#.......................#\n"
                  "#.......................#\n"
                  "#.................M.....#\n"
                  "#########################",
                  "tile M 34 message \"Pozor na netopýry!\"\n",
                  "\n\n..r.....r.....r\n\n\n....$....$.....$\n\n\n\n..r........r\n");
    return sources.Compile(2);
}

}  // namespace

void ResumeFromMenu() {
    if (game::PlayObserver* observer = game::CurrentPlayObserver()) observer->Resumed();
    game::GameSuspended = false;
}

void SaveFromDialog(const std::string& name) {
    if (game::PlayObserver* observer = game::CurrentPlayObserver()) observer->SavingAs(name);
    game::SaveGame(name);
    game::GameSuspended = false;
}

void ReplayTest::SetUp() {
    GameTest::SetUp();
    game::ByteWriter out;
    game::WritePackageRecord(out, Cave(appFolder / "sources"));
    ASSERT_TRUE(
        game::WriteWholeFile((appFolder / "data" / "levels.all").string(), out.Bytes(), false));
    playbackFolder = appFolder / "playback";
    fs::create_directories(playbackFolder / "data");
    fs::copy_file(appFolder / "data" / "levels.all", playbackFolder / "data" / "levels.all");
}

void ReplayTest::TearDown() {
    game::SetPlayObserver(nullptr);
    GameTest::TearDown();
}

void ReplayTest::NewGame() {
    game::LevelNumber = 0;
    game::GameSuspended = false;
    game::Paused = false;
    game::ResetHero();
    ASSERT_TRUE(game::UnpackLevels("levels.all") && game::LoadLevel(0));
}

void ReplayTest::Play(int passes, const Script& script) {
    int pass = 0;
    windows.onProcessEvents = [&] {
        ++pass;
        SetClock(Clock() + 1.0f / 60.0f);
        if (auto it = script.find(pass); it != script.end()) it->second();
        if (pass >= passes) game::ShutdownRequested = true;
    };
    game::FrameLoop loop;
    while (pass < passes)
        loop.Timer1_Timer();
    game::ShutdownRequested = false;
    windows.onProcessEvents = nullptr;
}

std::vector<uint8_t> ReplayTest::RecordGame(int passes, const Script& script, int blockEvery) {
    std::vector<uint8_t> file;
    replay::StartState start;
    start.campaignCrc = replay::CampaignCrc();
    // The flush clock moves a second every `blockEvery` frames.
    auto fakeNow = std::make_shared<std::chrono::steady_clock::time_point>();
    replay::Recorder recorder(std::make_unique<MemorySink>(file), start, 777);
    recorder.SetFlushClock([fakeNow] { return *fakeNow; });
    game::SetPlayObserver(&recorder);

    int pass = 0;
    windows.onProcessEvents = [&] {
        ++pass;
        SetClock(1000.0f + static_cast<float>(pass) / 60.0f);
        if (pass % blockEvery == 0) *fakeNow += std::chrono::seconds(1);
        if (auto it = script.find(pass); it != script.end()) it->second();
        if (pass >= passes) game::ShutdownRequested = true;
    };
    game::FrameLoop loop;
    while (pass < passes && !recorder.Finished())
        loop.Timer1_Timer();
    game::ShutdownRequested = false;
    windows.onProcessEvents = nullptr;
    recordedFrames = recorder.Frames();
    if (!recorder.Finished()) recorder.Finish(game::GameEnd::Left);
    recordedFinal = replay::StateChecksum().Compute();
    game::SetPlayObserver(nullptr);
    return file;
}

Script ReplayTest::BusyScript() {
    using game::Picture1_KeyDown, game::Picture1_KeyUp;
    Script s;
    s[5] = [] { Picture1_KeyDown(0, vk::Right, 0); };
    s[60] = [] { Picture1_KeyUp(0, vk::Right, 0), Picture1_KeyDown(0, vk::Up, 0); };
    s[90] = [] { Picture1_KeyDown(0, vk::Control, platform::kCtrlMask); };
    s[130] = [] { Picture1_KeyUp(0, vk::Control, 0), Picture1_KeyUp(0, vk::Up, 0); };
    s[140] = [] { Picture1_KeyDown(0, vk::Space, 0); };
    s[150] = [] { Picture1_KeyDown(0, vk::Pause, 0); };
    s[260] = [] { Picture1_KeyDown(0, vk::Pause, 0); };
    s[300] = [] { Picture1_KeyDown(0, vk::Left, 0); };
    s[340] = [] { Picture1_KeyDown(0, vk::F5, 0); };
    s[380] = [] { Picture1_KeyDown(0, vk::Escape, 0); };
    s[420] = [] { ResumeFromMenu(); };
    s[450] = [] { Picture1_KeyDown(0, vk::Escape, 0); };
    s[470] = [] { SaveFromDialog("mine"); };
    s[520] = [] { game::PauseForLostKeyboard(); };
    s[560] = [] { Picture1_KeyDown(0, vk::Pause, 0), Picture1_KeyDown(0, vk::Down, 0); };
    s[640] = [] { game::ReleaseHeldKeys(); };
    s[700] = [] { Picture1_KeyDown(0, vk::Space, 0); };
    return s;
}

void ReplayTest::MoveToPlaybackFolder() {
    game::ResetGameState();
    game::Places = platform::AppPaths::Portable(playbackFolder.string()).Places();
    game::InitTileCoordinates();
    game::SetWindows(&windows);
    platform::Randomize(99);  // whatever the sequence was, the recording reseeds it
}

}  // namespace replay_testing
