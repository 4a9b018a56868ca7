// Turns a score into sound: 44.1 kHz stereo, band-limited, with a room and an
// echo, normalised to the game's music loudness.  A looping piece comes out
// exactly one loop long with the tail of its end laid over its start, so that
// played round and round it never clicks.
#pragma once

#include <string>
#include <vector>

#include "tools/musicgen/score.h"

namespace musicgen {

inline constexpr int kSampleRate = 44100;
// Every piece is brought to this integrated loudness (ITU-R BS.1770) ...
inline constexpr double kTargetLufs = -20.0;
// ... and no sample goes above this.
inline constexpr double kPeakCeilingDb = -3.5;

struct Rendered {
    std::vector<float> samples;  // interleaved left, right
    size_t frames() const { return samples.size() / 2; }
    bool loop = true;
    double lufs = 0.0;     // after normalising
    double peak_db = 0.0;  // after normalising
};

Rendered Render(const Score& score);

// Integrated loudness of interleaved stereo (BS.1770: K-weighting, 400 ms
// blocks, absolute and relative gates); -70 or less for silence.
double IntegratedLoudness(const std::vector<float>& stereo, int sample_rate);

// Writes Ogg Vorbis at the given quality (0..1); false with a reason on failure.
bool WriteOgg(const Rendered& piece, const std::string& path, double quality, std::string* error);

}  // namespace musicgen
