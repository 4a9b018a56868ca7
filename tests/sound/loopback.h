// Hearing what the library plays: with TEMBRA_OUTPUT=loopback its output
// mixes into memory only when asked, sample for sample the same every run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tembra_test {

// Makes the next DsInit_PRE list only the loopback output.
void UseLoopbackOutput();

// The library's output plays every sound 5 dB below its own level (room for
// several cues at once), so a sample of amplitude a comes out as a * this.
inline constexpr float kOutputGain = 0.56234133f;  // 10^(-5/20)

// One 16-bit sample value (32 767 is full scale) as a fraction of full scale.
inline constexpr float kFullScale = 32768.0f;
inline constexpr int kLoopbackRate = 44100;

// OpenAL Soft dithers 16-bit output, so silence reads as +-1.
inline constexpr float kSilence = 1.0f / kFullScale;
// The output limiter looks about 1 ms ahead, so everything comes out that
// much late: the first frames of a render still carry the end of the last.
inline constexpr size_t kLimiterDelay = 100;  // frames, with room

struct Rendered {
    // The 16-bit samples of each side, as a sound card would get them.
    std::vector<int16_t> left, right;
    // Largest absolute sample of a side as a fraction of full scale, from
    // frame `from` on (the first frames of a sound fade in).
    float LeftPeak(size_t from = 0) const;
    float RightPeak(size_t from = 0) const;
};

// Mixes the next `frames` frames (44.1 kHz) of the library's open output,
// which is the current OpenAL context after its last call.
Rendered Render(int frames);

// `seconds` of output with the library's service step run before every
// 50 ms, as its own thread runs it (for music, with the thread left out by
// TembraServiceManual, so that every run hears the same samples).
Rendered RenderServiced(double seconds);

}  // namespace tembra_test
