#include "sound_files.h"

#include <sndfile.h>
#include <stdlib.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace tembra_test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tembra-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string WriteTone(const std::string& path, const ToneShape& shape) {
    SF_INFO info{};
    info.samplerate = shape.rate;
    info.channels = shape.channels;
    info.format = SF_FORMAT_WAV | (shape.bits == 8 ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_16);
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    std::vector<double> samples(static_cast<size_t>(shape.frames) * shape.channels);
    for (int i = 0; i < shape.frames; ++i) {
        const double wave = std::sin(2.0 * std::numbers::pi * shape.hertz * i / shape.rate);
        for (int c = 0; c < shape.channels; ++c)
            samples[static_cast<size_t>(i) * shape.channels + c] =
                wave * (c == 1 ? shape.rightAmplitude : shape.amplitude);
    }
    sf_writef_double(file, samples.data(), shape.frames);
    sf_close(file);
    return path;
}

std::string WriteMusic(const std::string& path, const MusicShape& shape) {
    constexpr int kRate = 44100;
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    double quality = 0.5;
    sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    const int frames = static_cast<int>(shape.seconds * kRate);
    std::vector<float> samples(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const double wave = std::sin(2.0 * std::numbers::pi * shape.hertz * i / kRate);
        samples[2 * i] = samples[2 * i + 1] = static_cast<float>(wave * shape.amplitude);
    }
    sf_writef_float(file, samples.data(), frames);
    sf_close(file);
    return path;
}

}  // namespace tembra_test
