// The nine sound effects that the build puts into dist/data/zvuky, decoded
// with libsndfile as the sound library decodes them.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string kSoundDir = KARVELUN_DATA_DIR "/zvuky/";

// The files of the cue table, slot by slot.
const char* const kCueFiles[] = {"death.wav",  "bum.wav",      "killing.wav",
                                 "impact.wav", "tlacitko.wav", "puma.wav",
                                 "magic.wav",  "new.wav",      "click.wav"};

struct Decoded {
    SF_INFO info{};
    std::vector<short> samples;
};

bool Decode(const std::string& path, Decoded* out) {
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &out->info);
    if (!file) return false;
    out->samples.resize(static_cast<size_t>(out->info.frames) * out->info.channels);
    const sf_count_t read =
        sf_read_short(file, out->samples.data(), static_cast<sf_count_t>(out->samples.size()));
    sf_close(file);
    out->samples.resize(static_cast<size_t>(read));
    return true;
}

class SoundFile : public testing::TestWithParam<const char*> {};

TEST_P(SoundFile, IsShortMono16BitWave) {
    Decoded sound;
    ASSERT_TRUE(Decode(kSoundDir + GetParam(), &sound)) << sf_strerror(nullptr);
    EXPECT_EQ(sound.info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
    EXPECT_EQ(sound.info.format & SF_FORMAT_SUBMASK, SF_FORMAT_PCM_16);
    EXPECT_EQ(sound.info.channels, 1);
    EXPECT_TRUE(sound.info.samplerate == 22050 || sound.info.samplerate == 44100)
        << sound.info.samplerate;
    const double seconds = static_cast<double>(sound.info.frames) / sound.info.samplerate;
    EXPECT_GE(seconds, 0.02);
    // A cue plays many times a minute; none may drag on.
    EXPECT_LE(seconds, 1.5);
    EXPECT_EQ(static_cast<sf_count_t>(sound.samples.size()), sound.info.frames)
        << "file ends early";
}

TEST_P(SoundFile, IsAudibleAndNotClipped) {
    Decoded sound;
    ASSERT_TRUE(Decode(kSoundDir + GetParam(), &sound));
    ASSERT_FALSE(sound.samples.empty());
    int peak = 0;
    int fullScale = 0;
    double energy = 0;
    for (short s : sound.samples) {
        const int magnitude = std::abs(static_cast<int>(s));
        peak = std::max(peak, magnitude);
        if (magnitude >= 32767) ++fullScale;
        energy += static_cast<double>(s) * s;
    }
    const double rms = std::sqrt(energy / sound.samples.size()) / 32768.0;
    EXPECT_EQ(fullScale, 0) << "samples at full scale: the sound clips";
    EXPECT_LT(peak, 32440) << "peak above -0.1 dBFS";
    EXPECT_GT(peak, 32768 / 4) << "too quiet beside the other cues";
    EXPECT_GT(rms, 0.03) << "next to silent";
}

INSTANTIATE_TEST_SUITE_P(CueTable, SoundFile, testing::ValuesIn(kCueFiles),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

TEST(SoundFiles, AFileThatIsNotAWaveIsRefused) {
    // The decoder the checks rely on must tell a bad file from a good one.
    Decoded sound;
    EXPECT_FALSE(Decode(kSoundDir + "missing.wav", &sound));
}

}  // namespace
