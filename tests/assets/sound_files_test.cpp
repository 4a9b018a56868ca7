// The ten sound effects that the build puts into dist/data/zvuky, decoded
// with libsndfile as the sound library decodes them.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kSoundDir = KARVELUN_DATA_DIR "/zvuky/";

// The files of the cue table, slot by slot.
const char* const kCueFiles[] = {"death.wav",    "bum.wav",      "killing.wav", "impact.wav",
                                 "tlacitko.wav", "puma.wav",     "magic.wav",   "new.wav",
                                 "click.wav",    "heartbeat.wav"};

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

double Decibels(double fraction) {
    return 20.0 * std::log10(fraction);
}

// Largest absolute sample as a fraction of full scale.
double Peak(const std::vector<short>& samples) {
    int peak = 0;
    for (short s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak / 32768.0;
}

// The loudness of a cue as assets/README.md defines it: the RMS of its
// active part, the 10 ms blocks whose own RMS is within 20 dB of the
// loudest block (a fading tail does not make a cue count as quieter).
double Loudness(const Decoded& sound) {
    const size_t block = static_cast<size_t>(sound.info.samplerate) / 100;
    std::vector<double> energies;
    std::vector<size_t> lengths;
    for (size_t start = 0; start < sound.samples.size(); start += block) {
        const size_t end = std::min(start + block, sound.samples.size());
        double energy = 0;
        for (size_t i = start; i < end; ++i)
            energy += static_cast<double>(sound.samples[i]) * sound.samples[i];
        energies.push_back(energy);
        lengths.push_back(end - start);
    }
    double loudest = 0;
    for (size_t b = 0; b < energies.size(); ++b)
        loudest = std::max(loudest, energies[b] / lengths[b]);
    double energy = 0;
    size_t count = 0;
    for (size_t b = 0; b < energies.size(); ++b) {
        if (energies[b] / lengths[b] < loudest / 100.0) continue;  // -20 dB
        energy += energies[b];
        count += lengths[b];
    }
    return std::sqrt(energy / count) / 32768.0;
}

TEST_P(SoundFile, PeaksAtMinusNineDbfsWithoutOffsetOrClicks) {
    Decoded sound;
    ASSERT_TRUE(Decode(kSoundDir + GetParam(), &sound));
    ASSERT_GT(sound.samples.size(), 100u);
    // Every cue the same peak: the output's headroom for several at once
    // counts on it.
    EXPECT_NEAR(Decibels(Peak(sound.samples)), -9.0, 0.05);

    // An offset would push a speaker out for the whole cue and thump at
    // its start and end.
    double sum = 0;
    for (short s : sound.samples)
        sum += s;
    EXPECT_LT(std::fabs(sum / sound.samples.size()) / 32768.0, 0.001) << "offset";

    // The first and last samples are (next to) silent: no click when the
    // sound starts or is cut off at its end.
    EXPECT_LE(std::abs(sound.samples.front()), 33) << "starts with a click";
    EXPECT_LE(std::abs(sound.samples.back()), 33) << "ends with a click";
    EXPECT_GT(Decibels(Loudness(sound)), -30.0) << "next to silent";
}

INSTANTIATE_TEST_SUITE_P(CueTable, SoundFile, testing::ValuesIn(kCueFiles),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

TEST(SoundFiles, AllCuesAreAboutEquallyLoud) {
    double quietest = 0.0, loudest = -100.0;
    std::string quietName, loudName;
    for (const char* name : kCueFiles) {
        Decoded sound;
        ASSERT_TRUE(Decode(kSoundDir + name, &sound)) << name;
        const double level = Decibels(Loudness(sound));
        if (level < quietest) {
            quietest = level;
            quietName = name;
        }
        if (level > loudest) {
            loudest = level;
            loudName = name;
        }
    }
    EXPECT_LE(loudest - quietest, 3.0)
        << loudName << " at " << loudest << " dBFS, " << quietName << " at " << quietest;
}

TEST(SoundFiles, LoudnessCountsTheActivePartOnly) {
    // Ten blocks of a tone of amplitude 0.5 (RMS 0.354) followed by 0.9 s
    // of a tail 40 dB down measure as the tone alone.
    Decoded sound;
    sound.info.samplerate = 22050;
    for (int i = 0; i < 22050; ++i) {
        const double amplitude = i < 2200 ? 0.5 : 0.005;
        sound.samples.push_back(
            static_cast<short>(std::lround(32768 * amplitude * std::sin(i * 0.3))));
    }
    EXPECT_NEAR(Loudness(sound), 0.5 / std::sqrt(2.0), 0.005);
}

TEST(SoundFiles, AFileThatIsNotAWaveIsRefused) {
    // The decoder the checks rely on must tell a bad file from a good one.
    Decoded sound;
    EXPECT_FALSE(Decode(kSoundDir + "missing.wav", &sound));
}

// A player who cannot hear the game misses nothing: the README's table of
// the sounds gives every cue and the music a row, and each row says what
// the screen shows of it.
TEST(SoundFiles, EveryCueAndTheMusicHaveTheirCounterpartOnTheScreen) {
    std::ifstream file(KARVELUN_SOURCE_DIR "/README.md");
    ASSERT_TRUE(file) << "README.md";
    std::stringstream text;
    text << file.rdbuf();
    const std::string readme = text.str();
    const size_t table = readme.find("| sound | plays when | on the screen |");
    ASSERT_NE(table, std::string::npos) << "the README has no table of the sounds";
    std::vector<std::string> sounds(std::begin(kCueFiles), std::end(kCueFiles));
    sounds.push_back("music");
    for (const std::string& sound : sounds) {
        const std::string start = sound == "music" ? "\n| music |" : "\n| `" + sound + "` |";
        const size_t row = readme.find(start, table);
        if (row == std::string::npos || readme.find("\n\n", table) < row) {
            ADD_FAILURE() << sound << " has no row in the table";
            continue;
        }
        const std::string line = readme.substr(row + 1, readme.find('\n', row + 1) - row - 1);
        // sound | when | on the screen |: the last cell holds words.
        const size_t lastBar = line.find_last_of('|', line.size() - 2);
        const std::string shown = line.substr(lastBar + 1, line.size() - lastBar - 2);
        EXPECT_GE(std::count_if(shown.begin(), shown.end(),
                                [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }),
                  3)
            << sound << ": nothing on the screen tells it";
        EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 4) << line;
    }
}

}  // namespace
