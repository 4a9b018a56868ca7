// The report of `make difficulty`: twenty newcomers through the whole cave
// the build made, in one go, in the game as it starts (0) and in the easier
// one (1); the way through the cave planned once, then the twenty runs.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/levels/package_record.h"
#include "game/platform/file_io.h"
#include "tools/levels/bots/chained_runs.h"

namespace {

game::PackageRecord BuiltCampaign() {
    const std::filesystem::path built =
        std::filesystem::path(KARVELUN_DIST_DIR) / "data" / "levels.all";
    std::vector<uint8_t> bytes;
    game::PackageRecord package;
    if (!game::ReadWholeFile(built.string(), bytes)) return package;
    game::ByteReader in(bytes);
    if (!game::ReadPackageRecord(in, false, package)) package.levels.clear();
    return package;
}

void BM_TwentyNewcomersThroughTheCave(benchmark::State& state) {
    const game::PackageRecord package = BuiltCampaign();
    if (package.levels.size() < 81) {
        state.SkipWithError("the built campaign is missing: build the dist target first");
        return;
    }
    levels_tool::DifficultyOptions options;
    for (int32_t n = 0; n <= 80; ++n)
        options.levels.push_back(n);
    options.runs = 20;
    options.difficulty =
        state.range(0) == 1 ? settings::Difficulty::kEasy : settings::Difficulty::kNormal;
    for (auto _ : state) {
        benchmark::DoNotOptimize(levels_tool::MeasureChained(package, options));
    }
}
BENCHMARK(BM_TwentyNewcomersThroughTheCave)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
