// Hearing what the library plays: with TEMBRA_OUTPUT=loopback its output
// mixes into memory only when asked, sample for sample the same every run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tembra_test {

// Makes the next DsInit_PRE list only the loopback output.
void UseLoopbackOutput();

struct Rendered {
    std::vector<float> left, right;
    // Largest absolute sample of a side, from frame `from` on (the first
    // frames of a sound fade in).
    float LeftPeak(size_t from = 0) const;
    float RightPeak(size_t from = 0) const;
};

// Mixes the next `frames` frames (44.1 kHz) of the library's open output,
// which is the current OpenAL context after its last call.
Rendered Render(int frames);

}  // namespace tembra_test
