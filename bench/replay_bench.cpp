// Game recordings:
//
//   RecordFrame      what recording adds to one frame: the frame counted,
//                    two clock readings kept, a key now and then, the state
//                    checksum every 120 frames and the blocks written out,
//                    on level 0 of the built campaign
//   ReplayCampaign   the recorded playthrough of the campaign played back
//                    headless, in frames a second
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/core/game_state.h"
#include "game/core/play_observer.h"
#include "game/levels/package_record.h"
#include "game/levels/save_folder.h"
#include "game/platform/clock.h"
#include "game/platform/file_io.h"
#include "game/platform/keys.h"
#include "game/replay/player.h"
#include "game/replay/recorder.h"
#include "tools/levels/bots/headless_game.h"

namespace {

namespace fs = std::filesystem;

class CountingSink final : public replay::RecordingSink {
  public:
    bool Append(const std::vector<uint8_t>& bytes) override {
        written += bytes.size();
        return true;
    }
    size_t written = 0;
};

// Into the folder of the headless game made before.
bool InstallBuiltCampaign() {
    std::vector<uint8_t> bytes;
    if (!game::ReadWholeFile(KARVELUN_DIST_DIR "/data/levels.all", bytes)) return false;
    return game::WriteWholeFile(game::CampaignPackagePath(), bytes, false);
}

void RecordFrame(benchmark::State& state) {
    levels_tool::HeadlessGame headless;
    if (!InstallBuiltCampaign() || !headless.NewGame()) {
        state.SkipWithError("the built campaign is missing");
        return;
    }
    float now = 1000.0f;
    platform::SetTimeOfDaySource([&] { return now; });
    replay::Recorder recorder(std::make_unique<CountingSink>(), replay::StartState{}, 1);
    int64_t frames = 0;
    for (auto _ : state) {
        recorder.FrameBegins();
        now += 1.0f / 60.0f;
        benchmark::DoNotOptimize(platform::TimeOfDay());
        benchmark::DoNotOptimize(platform::TimeOfDay());
        if (++frames % 30 == 0) {
            recorder.KeyDown(platform::vk::Right, 0);
            recorder.KeyUp(platform::vk::Right, 0);
        }
    }
    recorder.Finish(game::GameEnd::Left);
    platform::SetTimeOfDaySource(nullptr);
    state.SetItemsProcessed(frames);
}
BENCHMARK(RecordFrame);

void ReplayCampaign(benchmark::State& state) {
    std::vector<uint8_t> file;
    if (!game::ReadWholeFile(KARVELUN_CAMPAIGN_DIR "/playthrough.rec", file, 1u << 30)) {
        state.SkipWithError("campaign/playthrough.rec is missing");
        return;
    }
    int64_t frames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        levels_tool::HeadlessGame headless;
        InstallBuiltCampaign();
        replay::Player player(replay::ParseRecording(file));
        state.ResumeTiming();
        if (!player.Begin() || player.PlayToEnd() != replay::Player::State::Ended) {
            state.SkipWithError(player.Why().c_str());
            return;
        }
        frames += player.Frame();
    }
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}
BENCHMARK(ReplayCampaign)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
