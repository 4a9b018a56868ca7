// The heartbeat of low lives as the player hears it: the frame loop's step
// of the health signs starts the game's own cue through the sound library,
// rendered on the loopback output, and stops starting it once the hero is
// healed above the threshold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "game/core/game_state.h"
#include "game/core/health_signs.h"
#include "game/core/sound_cues.h"
#include "sound_fixture.h"

namespace tembra_test {
namespace {

constexpr int kFrameMs = 20;
constexpr int kFrameSamples = 882;  // 20 ms at 44.1 kHz

class Heartbeat : public SoundTest {
  protected:
    void SetUp() override {
        SoundTest::SetUp();
        Open();
        game::ResetGameState();
        game::Places.data = KARVELUN_DATA_DIR;
        game::Sound = sound.get();
        game::SoundOn = true;
        game::Volume = 1.0f;
        game::CurrentHealthSigns().Forget();
        game::SetHealthClock([this] { return nowMs; });
    }
    void TearDown() override {
        game::SetHealthClock(nullptr);
        game::Sound = nullptr;
        game::SoundOn = false;
        game::ResetGameState();
    }

    // Frames over `ms` as the frame loop runs them; per 20 ms frame the
    // loudest sample heard in it.
    std::vector<int> Play(int ms) {
        std::vector<int> peaks;
        for (int t = 0; t < ms; t += kFrameMs) {
            game::FollowHealth();
            game::FreeFinishedSounds();
            const Rendered heard = Render(kFrameSamples);
            int peak = 0;
            for (int16_t s : heard.left)
                peak = std::max(peak, std::abs(static_cast<int>(s)));
            peaks.push_back(peak);
            nowMs += kFrameMs;
        }
        return peaks;
    }

    int64_t nowMs = 5000;
};

// A frame counts as heard well above the output's dither.
constexpr int kHeard = 300;

// The frames in which a beat sets in: heard after a silent frame.
std::vector<int> Onsets(const std::vector<int>& peaks) {
    std::vector<int> onsets;
    for (size_t f = 0; f < peaks.size(); ++f)
        if (peaks[f] > kHeard && (f == 0 || peaks[f - 1] <= kHeard))
            onsets.push_back(static_cast<int>(f));
    return onsets;
}

TEST_F(Heartbeat, BeatsEveryEightTenthsOfASecondAtLowLivesAndStopsAboveThem) {
    game::MaxLives = 20;
    game::Lives = 5;  // a quarter of 20
    const std::vector<int> low = Play(2400);
    // Beats at 0, 0.8 and 1.6 s; each a double beat of 0.27 s, so its two
    // thumps may count as two onsets, but nothing sounds between beats.
    std::vector<int> beats;
    for (int onset : Onsets(low))
        if (beats.empty() || onset - beats.back() > 20) beats.push_back(onset);
    ASSERT_EQ(beats.size(), 3u);
    EXPECT_LE(beats[0], 1);
    EXPECT_NEAR(beats[1] - beats[0], 40, 1);
    EXPECT_NEAR(beats[2] - beats[1], 40, 1);
    for (int f = beats[0] + 18; f < beats[1]; ++f)
        EXPECT_LE(low[f], kHeard) << "frame " << f;

    // One life more and the heart is quiet: at most the tail of the last beat.
    game::Lives = 6;
    const std::vector<int> healed = Play(2400);
    for (size_t f = 18; f < healed.size(); ++f)
        EXPECT_LE(healed[f], kHeard) << "frame " << f;

    // Low again, it beats again at once; with sound off, never.
    game::Lives = 5;
    EXPECT_FALSE(Onsets(Play(200)).empty());
    game::SoundOn = false;
    game::CurrentHealthSigns().Forget();
    const std::vector<int> silent = Play(2400);
    EXPECT_LE(*std::max_element(silent.begin() + 18, silent.end()), kHeard);
}

}  // namespace
}  // namespace tembra_test
