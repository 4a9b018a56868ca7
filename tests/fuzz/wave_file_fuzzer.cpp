// A sound file through the sound library's loader: refused with the
// library's own error, or read into a sound the buffers can play (mono or
// stereo, at least one frame, no more than a buffer may hold).
#include "fuzz/fuzz_support.h"
#include "sound/device/device_error.h"
#include "sound/device/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tembra::device;
    const std::string path = fuzz::MemoryFileWith(data, size);
    WaveData wave;
    try {
        wave = ReadWaveFile(path);
    } catch (const DeviceError&) {
        return 0;  // refused: what the library then logs and shows
    }
    fuzz::Expect(wave.channels == 1 || wave.channels == 2, "neither mono nor stereo");
    fuzz::Expect(wave.samplesPerSecond > 0, "no sample rate");
    fuzz::Expect(wave.bytesPerSample >= 1 && wave.bytesPerSample <= 4, "odd sample width");
    fuzz::Expect(wave.frames >= 1, "a sound without frames");
    fuzz::Expect(wave.samples.size() == static_cast<size_t>(wave.frames) * wave.channels,
                 "the samples do not match the frames");
    fuzz::Expect(wave.Bytes() > 0 && wave.Bytes() <= kMaxBufferBytes, "the sound is too long");
    return 0;
}
