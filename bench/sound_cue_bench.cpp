// The cost of one sound cue as the game plays it (IndexLoad with AutoPlay,
// then IndexSet), when an idle slot already holds the file and when the
// file has to be read into a new buffer.  Only the cue itself is timed; the
// step that makes the next cue take the same path again is not.
#include <benchmark/benchmark.h>

#include <chrono>

#include "loopback.h"
#include "sound_files.h"
#include "tembra_library.h"

namespace {

using tembra::kFalse;
using tembra::kTrue;
using Clock = std::chrono::steady_clock;

struct OpenSound {
    OpenSound() {
        tembra_test::UseLoopbackOutput();
        sound = tembra_test::CreateSoundSys();
        sound->DsInit_PRE();
        sound->DsInit(0, 0, kFalse, 32);
        // A typical cue: 0.3 s of 16-bit mono at 22.05 kHz.
        file = tembra_test::WriteTone(folder.File("cue.wav"), {.rate = 22050, .frames = 6615});
    }
    ~OpenSound() { sound->DsClose(); }

    // One cue; returns the time it took.
    double Cue(int16_t& slot) {
        const auto start = Clock::now();
        slot = sound->IndexLoad(file, kFalse, kTrue);
        sound->IndexSet(slot, 1.0f, 0.0f, 1.0f);
        return std::chrono::duration<double>(Clock::now() - start).count();
    }

    tembra_test::TempFolder folder;
    tembra_test::SoundSysPtr sound;
    std::string file;
};

void BM_CueReusingIdleSlot(benchmark::State& state) {
    OpenSound open;
    int16_t slot = 0;
    open.Cue(slot);
    open.sound->IndexStop(slot);
    for (auto _ : state) {
        state.SetIterationTime(open.Cue(slot));
        open.sound->IndexStop(slot);  // silent again, so the next cue reuses it
    }
    if (slot != 0) state.SkipWithError("the cue did not reuse its slot");
}
BENCHMARK(BM_CueReusingIdleSlot)->UseManualTime();

void BM_CueWithNewBuffer(benchmark::State& state) {
    OpenSound open;
    int16_t slot = 0;
    for (auto _ : state) {
        state.SetIterationTime(open.Cue(slot));
        open.sound->IndexUnload(slot);  // nothing to reuse: the next cue reads the file
    }
    if (slot != 0) state.SkipWithError("the cue did not load into slot 0");
}
BENCHMARK(BM_CueWithNewBuffer)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
