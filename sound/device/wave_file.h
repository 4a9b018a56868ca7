// Reading a wave file into memory with libsndfile.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tembra::device {

struct WaveData {
    int32_t samplesPerSecond = 0;
    int16_t channels = 0;        // 1 or 2
    int16_t bytesPerSample = 0;  // of the file's own encoding
    int32_t frames = 0;
    std::vector<int16_t> samples;  // interleaved, 16-bit whatever the file held

    int32_t BlockAlign() const { return channels * bytesPerSample; }
    int32_t Bytes() const { return frames * BlockAlign(); }
};

// The largest buffer a sound may fill, in bytes of the file's encoding.
inline constexpr int32_t kMaxBufferBytes = 0x0FFFFFFF;

// Accepts RIFF wave files, mono or stereo, of 8-, 16-, 24- or 32-bit PCM or
// 32-bit float samples, at least one frame long.  Throws DeviceError (file
// missing or unreadable, other formats, an empty or oversized sound).
WaveData ReadWaveFile(const std::string& path);

}  // namespace tembra::device
