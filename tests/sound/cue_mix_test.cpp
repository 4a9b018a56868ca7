// The game's own cues mixed the way a busy frame mixes them: several started
// together at full volume in the middle, rendered to 16-bit samples as a
// sound card gets them.  Nothing the player hears may clip.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "sound_fixture.h"

namespace tembra_test {
namespace {

const std::string kSoundDir = KARVELUN_DATA_DIR "/zvuky/";
const std::vector<std::string> kCueFiles = {
    "death.wav", "bum.wav",   "killing.wav", "impact.wav", "tlacitko.wav",
    "puma.wav",  "magic.wav", "new.wav",     "click.wav",  "heartbeat.wav"};

constexpr int kMinusOneDbfs = 29204;  // 32 768 x 10^(-1/20)
constexpr int kFullScaleSample = 32767;
constexpr int kCueFrames = 66150;  // 1.5 s at 44.1 kHz: longer than any cue

double Dbfs(int sample) {
    return 20.0 * std::log10(sample / 32768.0);
}

int PeakSample(const Rendered& heard) {
    int peak = 0;
    for (const auto* side : {&heard.left, &heard.right})
        for (int16_t s : *side)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

// The most samples in a row at full scale (either sign) on either side.
int LongestFullScaleRun(const Rendered& heard) {
    int longest = 0;
    for (const auto* side : {&heard.left, &heard.right}) {
        int run = 0;
        for (int16_t s : *side) {
            run = std::abs(static_cast<int>(s)) >= kFullScaleSample ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

class CueMix : public SoundTest {
  protected:
    void SetUp() override {
        SoundTest::SetUp();
        Open(64);
    }

    // Starts the cues as the game does at volume 100, all in one frame,
    // and renders them to their end.
    Rendered PlayTogether(const std::vector<std::string>& cues) {
        for (const std::string& cue : cues) {
            const int16_t slot = sound->IndexLoad(kSoundDir + cue, kFalse, kTrue);
            EXPECT_GE(slot, 0) << cue;
            sound->IndexSet(slot, 1.0f, 0.0f, 1.0f);
        }
        Rendered heard = Render(kCueFrames);
        sound->FreeMemory(kTrue);
        return heard;
    }

    Rendered PlayCopies(const std::string& cue, int copies) {
        return PlayTogether(std::vector<std::string>(copies, cue));
    }
};

TEST_F(CueMix, ACueAloneComesOutFiveDecibelsBelowItsFileAndReadsBackItsOwnVolume) {
    const int16_t slot = sound->IndexLoad(kSoundDir + "bum.wav", kFalse, kFalse);
    sound->IndexSet(slot, 1.0f, 0.0f);
    EXPECT_EQ(sound->IndexGet(slot, tembra::pVolume), 1.0f);
    sound->IndexSet(slot, 0.37f);
    EXPECT_FLOAT_EQ(sound->IndexGet(slot, tembra::pVolume), 0.37f);
    sound->IndexUnload(slot);

    for (const std::string& cue : kCueFiles) {
        const Rendered heard = PlayCopies(cue, 1);
        // -9 dBFS in the file, -5 dB on the way out (resampling 22 050 Hz
        // to the output's rate may round the peak a little).
        EXPECT_NEAR(Dbfs(PeakSample(heard)), -14.0, 0.3) << cue;
        EXPECT_NEAR(heard.LeftPeak(), heard.RightPeak(), 2 * kSilence)
            << cue << " is not in the middle";
    }
}

TEST_F(CueMix, FourCopiesOfAnyCueStartedTogetherPeakAtMostMinusOneDbfs) {
    // Copies of one cue add up sample for sample: the loudest four cues a
    // frame can start.
    for (const std::string& cue : kCueFiles) {
        const int peak = PeakSample(PlayCopies(cue, 4));
        EXPECT_LE(peak, kMinusOneDbfs) << cue << " peaks at " << Dbfs(peak) << " dBFS";
        EXPECT_GT(peak, kMinusOneDbfs / 2) << cue << ": the copies do not add up";
    }
}

TEST_F(CueMix, AnyFourDifferentCuesStartedTogetherPeakAtMostMinusOneDbfs) {
    const int n = static_cast<int>(kCueFiles.size());
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                for (int d = c + 1; d < n; ++d) {
                    const int peak = PeakSample(
                        PlayTogether({kCueFiles[a], kCueFiles[b], kCueFiles[c], kCueFiles[d]}));
                    EXPECT_LE(peak, kMinusOneDbfs)
                        << kCueFiles[a] << " " << kCueFiles[b] << " " << kCueFiles[c] << " "
                        << kCueFiles[d] << " peak at " << Dbfs(peak) << " dBFS";
                }
}

TEST_F(CueMix, AnyFourDifferentCuesOverTheLoudestMusicPeakAtMostMinusOneDbfs) {
    // A piece at the soundtrack's loudness (-20 LUFS: a 441 Hz sine of
    // amplitude 0.108 on both sides) at the highest music volume, under a
    // busy fight.  The library's service step runs by hand between 50 ms
    // renders, as its thread would.
    const EntryPoints& library = Library();
    library.TembraServiceManual(1);
    library.TembraMusicSetVolume(100);
    library.TembraMusicPlay(WriteMusic(folder.File("piece.ogg"), {.amplitude = 0.108}).c_str(), 1);
    RenderServiced(0.1);
    ASSERT_NEAR(PeakSample(RenderServiced(0.3)), 0.108 * kOutputGain * 32768, 200)
        << "the music does not play";
    const int n = static_cast<int>(kCueFiles.size());
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                for (int d = c + 1; d < n; ++d) {
                    for (int cue : {a, b, c, d})
                        sound->IndexSet(sound->IndexLoad(kSoundDir + kCueFiles[cue], kFalse, kTrue),
                                        1.0f, 0.0f, 1.0f);
                    const int peak = PeakSample(RenderServiced(1.5));
                    sound->FreeMemory(kTrue);
                    EXPECT_LE(peak, kMinusOneDbfs)
                        << kCueFiles[a] << " " << kCueFiles[b] << " " << kCueFiles[c] << " "
                        << kCueFiles[d] << " over music peak at " << Dbfs(peak) << " dBFS";
                }
    library.TembraMusicStop(0);
    library.TembraServiceStep();
    library.TembraServiceManual(0);
}

TEST_F(CueMix, SixteenCopiesOfAnyCueAreHeldOffFullScaleByTheLimiter) {
    for (const std::string& cue : kCueFiles) {
        // Unlimited, the pile would peak at +10 dBFS.  The limiter turns it
        // down to about full scale, not to a whisper...
        const Rendered heard = PlayCopies(cue, 16);
        EXPECT_GT(PeakSample(heard), kMinusOneDbfs * 3 / 4) << cue;
        // ...and never lets it flatten against full scale.
        EXPECT_LE(LongestFullScaleRun(heard), 8) << cue;
    }
}

}  // namespace
}  // namespace tembra_test
