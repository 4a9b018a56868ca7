// What the output actually plays, mixed sample by sample into memory.
#include <gtest/gtest.h>

#include <cmath>

#include "sound_fixture.h"

namespace tembra_test {
namespace {

using Rendering = SoundTest;
constexpr float kTone = 0.5f * kOutputGain;  // the test tone's peak as heard
constexpr size_t kSettled = 600;             // frames after a start, once its fade-in is over

// The mix after a change of volume or pan: the first mix after it fades
// from the old level to the new one, and the limiter holds the end of that
// fade back a little.
Rendered AfterChange() {
    Render(1000);
    Render(kLimiterDelay);
    return Render(2000);
}

// Hundredths of a decibel as a factor.
float Attenuation(int hundredthsDb) {
    return std::pow(10.0f, hundredthsDb / 2000.0f);
}

TEST_F(Rendering, ACueSoundsOnBothSidesAndAFinishedOneShotReadsIdle) {
    Open();
    EXPECT_LE(Render(1000).LeftPeak(), kSilence);
    const std::string tone = Tone("a.wav");
    ASSERT_EQ(sound->IndexLoad(tone, kFalse, kTrue), 0);
    Rendered heard = Render(2000);
    EXPECT_NEAR(heard.LeftPeak(kSettled), kTone, 0.01f);
    EXPECT_NEAR(heard.RightPeak(kSettled), kTone, 0.01f);

    Render(3000);  // past the end of the 4410 frames
    EXPECT_LE(Render(1000).LeftPeak(), kSilence);
    sound->FreeMemory(kTrue);  // only an idle sound is freed
    EXPECT_EQ(sound->IndexLoad(Tone("b.wav"), kFalse, kFalse), 0);
}

TEST_F(Rendering, VolumeAndPanScaleTheSamplesAsSet) {
    Open();
    const int16_t slot = sound->IndexLoad(Tone("a.wav", {.frames = 44100}), kTrue, kTrue);
    Render(kSettled);

    sound->IndexSet(slot, 0.5f);  // -12.5 dB
    Rendered heard = AfterChange();
    EXPECT_NEAR(heard.LeftPeak(), kTone * Attenuation(-1250), 0.002f);
    EXPECT_NEAR(heard.RightPeak(), kTone * Attenuation(-1250), 0.002f);

    sound->IndexSet(slot, 1.0f, 1.0f);  // all the way right: the left side is silent
    heard = AfterChange();
    EXPECT_LE(heard.LeftPeak(), kSilence);
    EXPECT_NEAR(heard.RightPeak(), kTone, 0.005f);

    sound->IndexSet(slot, 1.0f, -0.25f);  // the right side 25 dB down, the left untouched
    heard = AfterChange();
    EXPECT_NEAR(heard.LeftPeak(), kTone, 0.005f);
    EXPECT_NEAR(heard.RightPeak(), kTone * Attenuation(-2500), 0.001f);
}

TEST_F(Rendering, StereoKeepsItsSidesAndEightBitSoundPlays) {
    Open();
    sound->IndexLoad(Tone("stereo.wav", {.channels = 2, .rightAmplitude = 0.25}), kFalse, kTrue);
    Rendered heard = Render(2000);
    EXPECT_NEAR(heard.LeftPeak(kSettled), 0.5f * kOutputGain, 0.01f);
    EXPECT_NEAR(heard.RightPeak(kSettled), 0.25f * kOutputGain, 0.01f);

    sound->StopAll();
    sound->IndexLoad(Tone("byte.wav", {.rate = 22050, .bits = 8}), kFalse, kTrue);
    heard = Render(2000);
    EXPECT_NEAR(heard.LeftPeak(kSettled), 0.5f * kOutputGain, 0.02f);
}

TEST_F(Rendering, SpeedChangesHowLongASoundPlays) {
    Open();
    const std::string tone = Tone("a.wav");
    const int16_t normal = sound->IndexLoad(tone, kFalse, kTrue);
    const int16_t fast = sound->IndexLoad(tone, kFalse, kTrue);
    sound->IndexSet(fast, -6.0f, -6.0f, 2.0f);
    Render(3000);  // the doubled one (2205 frames) is over, the other is not
    EXPECT_EQ(sound->IndexLoad(tone, kFalse, kFalse), fast);
    Render(2000);
    EXPECT_EQ(sound->IndexLoad(tone, kFalse, kFalse), normal);
}

TEST_F(Rendering, StopHoldsThePositionAndAFinishedSoundStartsOver) {
    Open();
    const std::string tone = Tone("a.wav");
    const int16_t slot = sound->IndexLoad(tone, kFalse, kTrue);
    Render(2000);
    sound->IndexStop(slot);
    const float held = sound->IndexGet(slot, tembra::pPosition);
    EXPECT_NEAR(held, 2000.0f / 4410.0f, 0.05f);
    EXPECT_LE(Render(1000).LeftPeak(kLimiterDelay), kSilence);
    EXPECT_EQ(sound->IndexGet(slot, tembra::pPosition), held);

    // A stopped sound is silent, so a repeat of the cue takes it and goes on.
    EXPECT_EQ(sound->IndexLoad(tone, kFalse, kTrue), slot);
    Render(1000);
    EXPECT_NEAR(sound->IndexGet(slot, tembra::pPosition), held + 1000.0f / 4410.0f, 0.05f);

    Render(3000);  // played to its end
    sound->IndexPlay(slot, kTrue);
    Render(500);
    EXPECT_NEAR(sound->IndexGet(slot, tembra::pPosition), 500.0f / 4410.0f, 0.05f);
}

TEST_F(Rendering, APositionAtTheEndPlaysNothingOnceButLoopsFromTheStart) {
    Open();
    const int16_t slot = sound->IndexLoad(Tone("a.wav"), kFalse, kFalse);
    sound->IndexSet(slot, -6.0f, -6.0f, -6.0f, 1.0f);
    sound->IndexPlay(slot, kTrue);
    EXPECT_LE(Render(1000).LeftPeak(), kSilence);
    sound->IndexSet(slot, -6.0f, -6.0f, -6.0f, 1.0f);
    sound->IndexPlay(slot, kFalse);
    EXPECT_GT(Render(1000).LeftPeak(kSettled), 0.8f * kTone);
    EXPECT_LT(sound->IndexGet(slot, tembra::pPosition), 0.5f);
}

}  // namespace
}  // namespace tembra_test
