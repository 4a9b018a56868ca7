// Packing and unpacking a whole campaign of 82 levels: through the game's
// own routines (files, progress, every level passing through memory) and
// the package format alone, in memory.  A save with and without its
// description, and the frame of an arrival with and without its autosave,
// also on a disk of slow flushes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "game/core/game_state.h"
#include "game/desktop/app_paths.h"
#include "game/levels/campaign_info.h"
#include "game/levels/campaign_packs.h"
#include "game/levels/current_campaign.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/package_record.h"
#include "game/levels/position_files.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_folder_writer.h"
#include "game/levels/save_pair.h"
#include "game/levels/save_snapshot.h"
#include "game/levels/working_levels.h"
#include "game/platform/durable_file.h"
#include "game/platform/random.h"
#include "game/play/autosave.h"
#include "game/play/frame_loop.h"
#include "game/world/world_effects.h"
#include "support/synthetic_sheets.h"

namespace {

namespace fs = std::filesystem;
using namespace game;

constexpr int kCampaignLevels = 82;

// A level as a designer makes one: a wall border and inner walls, signs
// with Czech texts, exits, a destructible wall, monsters and items.
LevelRecord CampaignLevel(int n) {
    LevelRecord level;
    for (int t = 0; t < kTileCount; ++t) {
        const int row = t / 25, column = t % 25;
        const bool wall = row == 0 || row == 24 || column == 0 || column == 24 ||
                          (row % 6 == 0 && column % 7 != 3);
        level.tiles[t] = {static_cast<int16_t>(wall ? 11 : 1), wall ? kSolidWall : kFloor,
                          static_cast<int16_t>(t % 5 == 0 ? kTrue : kFalse), "", ""};
    }
    level.tiles[30] = {33, kSign, 0, "Úroveň " + std::to_string(n) + ": dávej pozor na pasti!", ""};
    level.tiles[31] = {38, kLevelExit, 0, std::to_string((n + 1) % kCampaignLevels), "591"};
    level.tiles[32] = {21, kDestructibleWall, 0, "5", "25"};
    level.tiles[33] = {41, kMechanism, 0, "100", "29 0"};
    for (int i = 0; i < 12; ++i)
        level.monsters.push_back({40.0f + 30 * i, 42.0f + 20 * (i % 5),
                                  static_cast<int16_t>(i % 16), static_cast<int16_t>(i % 4), 1, 5});
    for (int i = 0; i < 10; ++i)
        level.items.push_back({static_cast<int16_t>(41 + 40 * i), 401, static_cast<int16_t>(i),
                               static_cast<int16_t>(i)});
    return level;
}

PackageRecord Campaign() {
    PackageRecord package;
    for (int n = 0; n < kCampaignLevels; ++n)
        package.levels.push_back(CampaignLevel(n));
    return package;
}

// A program folder with data/levels.all and the working folder unpacked.
class GameFolder {
  public:
    GameFolder() {
        std::random_device rd;
        folder_ = fs::temp_directory_path() / ("karvelun-bench-" + std::to_string(rd()));
        fs::create_directories(folder_ / "data");
        ResetGameState();
        Places = platform::AppPaths::Portable(folder_.string()).Places();
        InitTileCoordinates();
        platform::Randomize(1);
        ByteWriter out;
        WritePackageRecord(out, Campaign());
        std::FILE* file = std::fopen((folder_ / "data/levels.all").c_str(), "wb");
        std::fwrite(out.Bytes().data(), 1, out.Bytes().size(), file);
        std::fclose(file);
        UnpackLevels("levels.all");
        LoadLevel(0);
    }
    ~GameFolder() {
        ResetGameState();
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

  private:
    fs::path folder_;
};

void BM_UnpackCampaign(benchmark::State& state) {
    GameFolder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(UnpackLevels("levels.all"));
    }
    state.SetItemsProcessed(state.iterations() * kCampaignLevels);
}
BENCHMARK(BM_UnpackCampaign)->Unit(benchmark::kMillisecond);

void BM_PackSave(benchmark::State& state) {
    GameFolder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SaveGamePair("bench"));
    }
    state.SetItemsProcessed(state.iterations() * kCampaignLevels);
}
BENCHMARK(BM_PackSave)->Unit(benchmark::kMillisecond);

// The save as it was before descriptions: the pair alone.
void BM_PackSaveWithoutDescription(benchmark::State& state) {
    GameFolder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PackLevels("bench.lev") && WriteUnfinishedPosition("bench.pos") &&
                                 CommitUnfinishedSave("bench.lev", "bench.pos"));
    }
}
BENCHMARK(BM_PackSaveWithoutDescription)->Unit(benchmark::kMillisecond);

// The description alone: the field drawn afresh, the thumbnail, the file.
void BM_DescribeGame(benchmark::State& state) {
    GameFolder folder;
    testing_support::InstallSyntheticSheets();
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteUnfinishedDescription(DescribeCurrentGame(), nullptr));
    }
    testing_support::RemoveSyntheticSheets();
}
BENCHMARK(BM_DescribeGame)->Unit(benchmark::kMillisecond);

// The frame in which the hero arrives on another level: the level left is
// stored, the next one loaded, the frame's rules run and, with autosaves
// on, the snapshot of the autosave taken and handed to the writer thread
// (the windows are the silent stand-ins; drawing is frame_bench's).  The
// writer is waited for outside the timing, so each frame finds it idle.
void BM_ArrivalFrame(benchmark::State& state) {
    GameFolder folder;
    testing_support::InstallSyntheticSheets();
    EnableAutosaves(state.range(0) != 0);
    FrameLoop loop;
    int32_t next = 1;
    for (auto _ : state) {
        TravelToLevel(next, 591);
        benchmark::DoNotOptimize(loop.RunFrame());
        next = next % (kCampaignLevels - 1) + 1;
        state.PauseTiming();
        WaitForSaveFolder();
        state.ResumeTiming();
    }
    EnableAutosaves(false);
    testing_support::RemoveSyntheticSheets();
}
BENCHMARK(BM_ArrivalFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same on a disk whose every flush (of a file or a folder) takes
// 200 ms, as a slow SD card or a busy hard disk: the arrival frame as it is
// (Arg 0: the writer thread writes meanwhile) against the frame that waits
// for its autosave to land, as the frame did when it wrote the autosave
// itself (Arg 1).
void BM_ArrivalFrameSlowSync(benchmark::State& state) {
    const bool waits = state.range(0) != 0;
    GameFolder folder;
    testing_support::InstallSyntheticSheets();
    EnableAutosaves(true);
    int flushes = 0;
    SetFileFaultHook([&](FileStep step, const std::string&) {
        if (step == FileStep::kSyncFile || step == FileStep::kSyncFolder) {
            ++flushes;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return 0;
    });
    FrameLoop loop;
    int32_t next = 1;
    for (auto _ : state) {
        TravelToLevel(next, 591);
        benchmark::DoNotOptimize(loop.RunFrame());
        next = next % (kCampaignLevels - 1) + 1;
        if (waits) {
            WaitForSaveFolder();
            continue;
        }
        state.PauseTiming();
        WaitForSaveFolder();
        state.ResumeTiming();
    }
    state.counters["flushes_per_frame"] = static_cast<double>(flushes) / state.iterations();
    SetFileFaultHook(nullptr);
    EnableAutosaves(false);
    testing_support::RemoveSyntheticSheets();
}
BENCHMARK(BM_ArrivalFrameSlowSync)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(6)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What the arrival's frame does for its autosave: the snapshot of the
// working levels as they are, the level in play, the hero and the
// description with its thumbnail.
void BM_AutosaveSnapshot(benchmark::State& state) {
    GameFolder folder;
    testing_support::InstallSyntheticSheets();
    for (auto _ : state)
        benchmark::DoNotOptimize(TakeGameSnapshot(nullptr));
    testing_support::RemoveSyntheticSheets();
}
BENCHMARK(BM_AutosaveSnapshot)->Unit(benchmark::kMillisecond);

// What the start does with a hundred campaign packs in the campaigns folder:
// each one's campaign.ini read and its levels.all looked at, never read whole.
void BM_FindHundredPacks(benchmark::State& state) {
    std::random_device rd;
    const fs::path folder = fs::temp_directory_path() / ("karvelun-bench-" + std::to_string(rd()));
    ByteWriter levels;
    WritePackageRecord(levels, Campaign());
    for (int i = 0; i < 100; ++i) {
        const fs::path pack = folder / ("balicek-" + std::to_string(i));
        fs::create_directories(pack);
        std::FILE* ini = std::fopen((pack / kCampaignInfoFileName).c_str(), "wb");
        std::fprintf(ini, "Nazev=Balíček %d\nAutor=Někdo\nVerze=1\nKonec=81,11\n", i);
        std::fclose(ini);
        std::FILE* all = std::fopen((pack / "levels.all").c_str(), "wb");
        std::fwrite(levels.Bytes().data(), 1, levels.Bytes().size(), all);
        std::fclose(all);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(FindCampaignPacks({folder.string()}, nullptr).size());
    std::error_code ec;
    fs::remove_all(folder, ec);
}
BENCHMARK(BM_FindHundredPacks)->Unit(benchmark::kMillisecond);

// A save without a description known by its levels, as the load dialog
// and the load each do on choosing it: its package, the built-in
// campaign's and those of the packs with as many levels (here three, each
// with one sign of its own) read and fingerprinted.
void BM_KnowSaveByItsLevels(benchmark::State& state) {
    GameFolder folder;
    if (!PackLevels("bench.lev") || !WriteUnfinishedPosition("bench.pos") ||
        !CommitUnfinishedSave("bench.lev", "bench.pos"))
        state.SkipWithError("no save");
    for (int i = 0; i < 3; ++i) {
        PackageRecord campaign = Campaign();
        campaign.levels[0].tiles[30].Param1 = "Balíček " + std::to_string(i);
        ByteWriter levels;
        WritePackageRecord(levels, campaign);
        const fs::path pack = fs::path(Places.campaigns.front()) / ("balicek-" + std::to_string(i));
        fs::create_directories(pack);
        std::FILE* ini = std::fopen((pack / kCampaignInfoFileName).c_str(), "wb");
        std::fprintf(ini, "Nazev=Balíček %d\nKonec=81,11\n", i);
        std::fclose(ini);
        std::FILE* all = std::fopen((pack / "levels.all").c_str(), "wb");
        std::fwrite(levels.Bytes().data(), 1, levels.Bytes().size(), all);
        std::fclose(all);
    }
    if (SaveCampaignRefusal("bench")) state.SkipWithError("the save was not known");
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveCampaignRefusal("bench"));
}
BENCHMARK(BM_KnowSaveByItsLevels)->Unit(benchmark::kMillisecond);

// What a save checks before it packs: every working level there and
// readable.
void BM_CheckWorkingLevels(benchmark::State& state) {
    GameFolder folder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WorkingLevelsComplete(kCampaignLevels, nullptr));
    }
    state.SetItemsProcessed(state.iterations() * kCampaignLevels);
}
BENCHMARK(BM_CheckWorkingLevels)->Unit(benchmark::kMillisecond);

void BM_UnpackSave(benchmark::State& state) {
    GameFolder folder;
    SaveGamePair("bench");
    for (auto _ : state) {
        benchmark::DoNotOptimize(UnpackLevels("bench.lev"));
    }
    state.SetItemsProcessed(state.iterations() * kCampaignLevels);
}
BENCHMARK(BM_UnpackSave)->Unit(benchmark::kMillisecond);

void BM_WritePackageInMemory(benchmark::State& state) {
    const PackageRecord package = Campaign();
    platform::Randomize(1);
    for (auto _ : state) {
        ByteWriter out;
        WritePackageRecord(out, package);
        benchmark::DoNotOptimize(out.Bytes().data());
        state.SetBytesProcessed(state.bytes_processed() + static_cast<int64_t>(out.Bytes().size()));
    }
}
BENCHMARK(BM_WritePackageInMemory)->Unit(benchmark::kMillisecond);

void BM_ReadPackageInMemory(benchmark::State& state) {
    ByteWriter out;
    WritePackageRecord(out, Campaign());
    for (auto _ : state) {
        ByteReader in(out.Bytes());
        PackageRecord package;
        benchmark::DoNotOptimize(ReadPackageRecord(in, false, package));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(out.Bytes().size()));
}
BENCHMARK(BM_ReadPackageInMemory)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
