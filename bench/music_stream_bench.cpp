// What streaming the music costs: the library's service step (taking back
// the blocks that played, decoding new ones from Ogg Vorbis, queueing them,
// moving the fades) measured per 1/60 s of sound mixed, i.e. per frame of
// the game at 60 frames per second, with one piece and during a cross-fade.
// The step runs by hand after each frame's worth of mixing on the loopback
// output; only the step is timed.
#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "loopback.h"
#include "sound_files.h"
#include "tembra_library.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 44100;
constexpr int kFrameSamples = kRate / 60;  // 735

// 20 s of something with the spectrum of music rather than a single sine
// (a chord with vibrato and a little noise), so the decoder works as hard
// as on a real piece, at the soundtrack's bit rate.
std::string WritePiece(const std::string& path, double baseHertz) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    double quality = 0.35;
    sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    const int frames = 20 * kRate;
    std::vector<float> samples(static_cast<size_t>(frames) * 2);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-0.02f, 0.02f);
    const double ratios[] = {1.0, 1.25, 1.5, 2.0, 3.0, 4.5};
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double left = 0.0, right = 0.0;
        for (int k = 0; k < 6; ++k) {
            const double f =
                baseHertz * ratios[k] * (1.0 + 0.003 * std::sin(2 * std::numbers::pi * 5 * t));
            const double s = std::sin(2 * std::numbers::pi * f * t) * 0.08 / (1 + k * 0.3);
            left += s * (k % 2 ? 0.7 : 1.0);
            right += s * (k % 2 ? 1.0 : 0.7);
        }
        samples[2 * i] = static_cast<float>(left) + noise(random);
        samples[2 * i + 1] = static_cast<float>(right) + noise(random);
    }
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
    return path;
}

struct OpenMusic {
    OpenMusic() {
        tembra_test::UseLoopbackOutput();
        sound = tembra_test::CreateSoundSys();
        sound->DsInit_PRE();
        sound->DsInit(0, 0, tembra::kFalse, 32);
        lib.TembraServiceManual(1);
        lib.TembraMusicSetVolume(70);
        first = WritePiece(folder.File("first.ogg"), 220.0);
        second = WritePiece(folder.File("second.ogg"), 293.66);
    }
    ~OpenMusic() {
        lib.TembraMusicStop(0);
        lib.TembraServiceStep();
        lib.TembraServiceManual(0);
        sound->DsClose();
    }

    // One game frame: its sound mixed (untimed), then the step (timed).
    double Frame() {
        tembra_test::Render(kFrameSamples);
        const auto start = Clock::now();
        lib.TembraServiceStep();
        return std::chrono::duration<double>(Clock::now() - start).count();
    }

    void Measure(benchmark::State& state) {
        double longest = 0.0;
        for (auto _ : state) {
            const double took = Frame();
            longest = std::max(longest, took);
            state.SetIterationTime(took);
        }
        state.counters["longest_us"] = longest * 1e6;
    }

    const tembra_test::EntryPoints& lib = tembra_test::Library();
    tembra_test::TempFolder folder;
    tembra_test::SoundSysPtr sound;
    std::string first, second;
};

void BM_MusicStepPerFrame(benchmark::State& state) {
    OpenMusic open;
    open.lib.TembraMusicPlay(open.first.c_str(), 1);
    open.lib.TembraServiceStep();
    open.Measure(state);
}
BENCHMARK(BM_MusicStepPerFrame)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3000);

// Two pieces at once: a cross-fade as long as the whole measurement.
void BM_MusicStepPerFrameCrossFading(benchmark::State& state) {
    OpenMusic open;
    open.lib.TembraMusicPlay(open.first.c_str(), 1);
    open.lib.TembraServiceStep();
    open.lib.TembraMusicCrossFade(open.second.c_str(), 1, 600000);
    open.lib.TembraServiceStep();
    open.Measure(state);
}
BENCHMARK(BM_MusicStepPerFrameCrossFading)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(3000);

}  // namespace

BENCHMARK_MAIN();
