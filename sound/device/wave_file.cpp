#include "sound/device/wave_file.h"

#include <sndfile.h>

#include <cerrno>
#include <memory>

#include "sound/device/device_error.h"

namespace tembra::device {
namespace {

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

[[noreturn]] void BadFormat(const std::string& path, const std::string& why) {
    Fail(kErrBadFormat, path + ": " + why, "libsndfile");
}

int16_t BytesPerSample(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_PCM_U8:
        case SF_FORMAT_PCM_S8:
            return 1;
        case SF_FORMAT_PCM_16:
            return 2;
        case SF_FORMAT_PCM_24:
            return 3;
        case SF_FORMAT_PCM_32:
        case SF_FORMAT_FLOAT:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

WaveData ReadWaveFile(const std::string& path) {
    SF_INFO info{};
    errno = 0;
    std::unique_ptr<SNDFILE, SndfileCloser> file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file) {
        // errno tells only when the system refused the file; libsndfile
        // leaves stray values in it otherwise.
        const bool systemFailure = sf_error(nullptr) == SF_ERR_SYSTEM;
        const int systemCode = systemFailure ? errno : 0;
        Fail(systemCode == ENOENT ? kErrFileNotFound
             : systemFailure      ? kErrGeneric
                                  : kErrBadFormat,
             path + ": " + sf_strerror(nullptr), "libsndfile", systemCode);
    }

    const int container = info.format & SF_FORMAT_TYPEMASK;
    if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX)
        BadFormat(path, "not a wave file");
    WaveData wave;
    wave.bytesPerSample = BytesPerSample(info.format);
    if (wave.bytesPerSample == 0) BadFormat(path, "unsupported sample encoding");
    if (info.channels != 1 && info.channels != 2) BadFormat(path, "only mono or stereo sound");
    if (info.samplerate < 1) BadFormat(path, "no sample rate");
    if (info.frames < 1) BadFormat(path, "no sound in the file");
    if (info.frames > kMaxBufferBytes / (info.channels * wave.bytesPerSample))
        Fail(kErrOutOfMemory, path + ": sound too long", "libsndfile");

    wave.samplesPerSecond = info.samplerate;
    wave.channels = static_cast<int16_t>(info.channels);
    wave.samples.resize(static_cast<size_t>(info.frames) * info.channels);
    const sf_count_t read = sf_readf_short(file.get(), wave.samples.data(), info.frames);
    // A cut-off file plays what it holds.
    if (read < 1) BadFormat(path, "no sound in the file");
    wave.frames = static_cast<int32_t>(read);
    wave.samples.resize(static_cast<size_t>(read) * info.channels);
    return wave;
}

}  // namespace tembra::device
