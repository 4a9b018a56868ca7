// A run of three recordings (a new game, then two quick loads) gives its
// records from its chain: each recording must go on from the one before, so
// a chain with a recording left out, or one whose start tells other tries,
// does not verify; the last recording alone carries the run's figures.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "game/core/game_state.h"
#include "game/core/run_statistics.h"
#include "game/platform/file_io.h"
#include "game/platform/keys.h"
#include "game/play/frame_loop.h"
#include "game/play/keyboard.h"
#include "game/replay/recording_format.h"
#include "game/replay/recording_session.h"
#include "replay/replay_fixture.h"
#include "tools/levels/cli/level_tool.h"

namespace {

namespace vk = platform::vk;
using replay_testing::ReplayTest;
using replay_testing::Script;

class RecordsChain : public ReplayTest {
  protected:
    int Records(const std::vector<std::string>& files, std::string& out, std::string& err) {
        std::vector<std::string> args{"records"};
        args.insert(args.end(), files.begin(), files.end());
        args.push_back("--campaign");
        args.push_back((appFolder / "data" / "levels.all").string());
        std::ostringstream o, e;
        const int status = levels_tool::RunLevelTool(args, o, e);
        out = o.str(), err = e.str();
        return status;
    }
};

std::string LineOf(const std::string& text, const std::string& prefix) {
    const size_t at = text.find(prefix);
    return at == std::string::npos ? "" : text.substr(at, text.find('\n', at) - at);
}

TEST_F(RecordsChain, TheRunsRecordsComeFromTheChainOfItsRecordings) {
    replay::RecordingSession session;
    game::SetPlayObserver(&session);
    NewGame();
    game::BeginRunStatistics();  // as "Nová hra" does
    session.NewGameStarted();
    std::vector<std::string> files{session.CurrentPath()};
    Script script;
    script[10] = [] { game::Picture1_KeyDown(0, vk::Right, 0); };
    script[60] = [] { game::Picture1_KeyDown(0, vk::F5, 0); };
    script[100] = [&] {
        game::Picture1_KeyDown(0, vk::F7, 0);
        files.push_back(session.CurrentPath());
    };
    script[130] = [] { game::Picture1_KeyDown(0, vk::Control, 0); };
    script[180] = [&] {
        game::Picture1_KeyDown(0, vk::F7, 0);
        files.push_back(session.CurrentPath());
    };
    Play(240, script);
    session.GameEnds(game::GameEnd::Left);
    game::SetPlayObserver(nullptr);
    const game::RunStatistics& run = game::CurrentRunStatistics();
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(run.attempts.reloads, 2u);
    EXPECT_EQ(run.attempts.recordings.size(), 3u);

    std::string out, err;
    ASSERT_EQ(Records(files, out, err), 0) << err;
    const std::string runLine = LineOf(out, "run: ");
    EXPECT_NE(runLine.find("deaths 0, loads 2"), std::string::npos) << out;
    EXPECT_NE(out.find("level 0: time "), std::string::npos) << out;
    EXPECT_NE(out.find("act I: time "), std::string::npos) << out;

    // The last alone: the same figures, carried in its start.
    ASSERT_EQ(Records({files[2]}, out, err), 0) << err;
    EXPECT_EQ(LineOf(out, "run: "), runLine);
    EXPECT_NE(err.find("begins with a load"), std::string::npos) << err;

    // One left out, or the chain out of order.
    EXPECT_EQ(Records({files[0], files[2]}, out, err), 2);
    EXPECT_NE(err.find("does not go on from"), std::string::npos) << err;
    EXPECT_EQ(Records({files[1], files[0]}, out, err), 2);

    // A start that tells fewer tries than the run had plays back all the
    // same (the rules' state is untouched), but does not go on from the
    // recording before it.
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(game::ReadWholeFile(files[1], bytes, 1u << 30));
    const replay::Recording second = replay::ParseRecording(bytes);
    ASSERT_TRUE(second.start.statistics && second.end);
    const auto forge = [&](const std::function<void(game::RunStatistics&)>& change) {
        replay::StartState start = second.start;
        change(*start.statistics);
        std::vector<uint8_t> file = replay::EncodeHeader();
        for (const auto& block :
             {replay::EncodeBlock(replay::BlockType::kStart, replay::EncodeStart(start)),
              replay::EncodeBlock(replay::BlockType::kEvents, second.events),
              replay::EncodeBlock(replay::BlockType::kEnd, replay::EncodeEnd(*second.end))})
            file.insert(file.end(), block.begin(), block.end());
        EXPECT_TRUE(game::WriteWholeFile(files[1], file, false));
    };
    forge([](game::RunStatistics& s) { s.attempts.reloads = 0; });
    EXPECT_EQ(Records({files[1]}, out, err), 0) << err;
    EXPECT_EQ(Records(files, out, err), 2);
    EXPECT_NE(err.find("deaths, loads or cheats differ"), std::string::npos) << err;
    // A start of a moment no save or arrival kept: a second more of play.
    forge([](game::RunStatistics& s) { s.progress.visits.back().frames += 60; });
    EXPECT_EQ(Records(files, out, err), 2);
    EXPECT_NE(err.find("no moment"), std::string::npos) << err;
}

}  // namespace
