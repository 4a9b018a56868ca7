// A run's records recomputed from its recording:
//
//   RecordsOfPlaythrough   karvelun-levels records on the campaign's
//                          playthrough, the whole command (the campaign read
//                          and set up, the recording played headless, the
//                          figures and achievements worked out and printed);
//                          the goal is under a second
#include <benchmark/benchmark.h>

#include <sstream>

#include "tools/levels/cli/level_tool.h"

namespace {

void RecordsOfPlaythrough(benchmark::State& state) {
    const std::vector<std::string> args = {"records", KARVELUN_CAMPAIGN_DIR "/playthrough.rec",
                                           "--campaign", KARVELUN_DIST_DIR "/data/levels.all"};
    for (auto _ : state) {
        std::ostringstream out, err;
        if (levels_tool::RunLevelTool(args, out, err) != 0) {
            state.SkipWithError(err.str().c_str());
            return;
        }
        benchmark::DoNotOptimize(out.str());
    }
}
BENCHMARK(RecordsOfPlaythrough)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
