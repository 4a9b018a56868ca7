// The music functions heard through the loopback output: levels after each
// command, loops without a gap, volume 0, music under a busy fight, a
// device that goes away, and files that cannot be played.  The library's
// service step runs by hand between short renders, so every run hears the
// same samples; one test leaves it to the library's own thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include "sound_fixture.h"

namespace tembra_test {
namespace {

constexpr int kRate = kLoopbackRate;

const EntryPoints& Lib() {
    return Library();
}

// RMS of the left side in dBFS.
double RmsDb(const std::vector<int16_t>& side, size_t from = 0, size_t to = SIZE_MAX) {
    to = std::min(to, side.size());
    double sum = 0.0;
    for (size_t i = from; i < to; ++i)
        sum += (side[i] / kFullScale) * (side[i] / kFullScale);
    return 10.0 * std::log10(std::max(sum / std::max<size_t>(to - from, 1), 1e-12));
}

// The RMS a sine of amplitude `amplitude` comes out at, music at `volume`.
double ExpectedDb(double amplitude, double share = 1.0) {
    return 20.0 * std::log10(amplitude * share * kOutputGain / std::sqrt(2.0));
}

// Sign changes per second on the left side: tells the test pieces apart.
double CrossingsPerSecond(const std::vector<int16_t>& side) {
    int crossings = 0;
    for (size_t i = 1; i < side.size(); ++i)
        crossings += (side[i - 1] < 0) != (side[i] < 0);
    return crossings * static_cast<double>(kRate) / side.size();
}

class Music : public SoundTest {
  protected:
    void SetUp() override {
        SoundTest::SetUp();
        Lib().TembraServiceManual(1);
        Lib().TembraMusicSetVolume(100);
        Open();
    }
    void TearDown() override {
        Lib().TembraSetOutputSeam(nullptr, nullptr);
        Lib().TembraMusicStop(0);
        Lib().TembraServiceManual(0);
    }

    static Rendered Hear(double seconds) { return RenderServiced(seconds); }

    std::string Piece(const std::string& name, const MusicShape& shape = {}) {
        return WriteMusic(folder.File(name), shape);
    }
};

TEST_F(Music, EachCommandLeavesTheMusicAtTheLevelAskedFor) {
    const std::string a = Piece("a.ogg", {.hertz = 441.0, .amplitude = 0.5});
    const std::string b = Piece("b.ogg", {.hertz = 882.0, .amplitude = 0.25});
    struct Step {
        const char* what;
        std::function<void()> command;
        double settle;    // seconds heard before measuring
        double expectDb;  // NAN: silence
        double hertz;     // of the piece heard, 0 for silence or a mix
    };
    const std::vector<Step> steps = {
        {"play a", [&] { EXPECT_EQ(Lib().TembraMusicPlay(a.c_str(), 1), tembra::kOk); }, 0.1,
         ExpectedDb(0.5), 441},
        {"volume 50", [] { Lib().TembraMusicSetVolume(50); }, 0.1, ExpectedDb(0.5, 0.5), 441},
        {"duck to 40 %", [] { Lib().TembraMusicDuck(40); }, 0.3, ExpectedDb(0.5, 0.2), 441},
        {"duck back", [] { Lib().TembraMusicDuck(100); }, 0.3, ExpectedDb(0.5, 0.5), 441},
        {"volume 100", [] { Lib().TembraMusicSetVolume(100); }, 0.1, ExpectedDb(0.5), 441},
        {"cross-fade to b in 1 s",
         [&] { EXPECT_EQ(Lib().TembraMusicCrossFade(b.c_str(), 1, 1000), tembra::kOk); }, 1.1,
         ExpectedDb(0.25), 882},
        // The same piece again goes on: a restart would fade in from silence.
        {"cross-fade to b again", [&] { Lib().TembraMusicCrossFade(b.c_str(), 1, 1000); }, 0.0,
         ExpectedDb(0.25), 882},
        // Half-way through a cross-fade both pieces sound at half their level.
        {"cross-fade back to a in 2 s, half-way",
         [&] { EXPECT_EQ(Lib().TembraMusicCrossFade(a.c_str(), 1, 2000), tembra::kOk); }, 0.75,
         ExpectedDb(std::hypot(0.5, 0.25), 0.5), 0},
        {"cross-fade back to a, done", [] {}, 0.8, ExpectedDb(0.5), 441},
        {"stop in 0.5 s", [] { Lib().TembraMusicStop(500); }, 0.6, NAN, 0},
    };
    for (const Step& step : steps) {
        step.command();
        Hear(step.settle);
        const Rendered heard = Hear(0.5);
        if (std::isnan(step.expectDb)) {
            EXPECT_LE(heard.LeftPeak(), 2 * kSilence) << step.what;
            EXPECT_LE(heard.RightPeak(), 2 * kSilence) << step.what;
            continue;
        }
        EXPECT_NEAR(RmsDb(heard.left), step.expectDb, 1.0) << step.what;
        EXPECT_NEAR(RmsDb(heard.right), step.expectDb, 1.0) << step.what;
        if (step.hertz > 0)
            EXPECT_NEAR(CrossingsPerSecond(heard.left), 2 * step.hertz, 0.05 * step.hertz)
                << step.what;
    }
    EXPECT_EQ(Lib().TembraMusicPlaying(), 0);
}

TEST_F(Music, ALoopGoesRoundWithoutAGapAndAPieceForOnceEnds) {
    // 0.6 s of 500 Hz: whole periods, and not a whole number of the
    // library's quarter-second blocks.
    const std::string short_ = Piece("short.ogg", {.seconds = 0.6, .hertz = 500.0});
    Lib().TembraMusicPlay(short_.c_str(), 1);
    Hear(0.1);
    const Rendered looped = Hear(2.0);  // three joins
    double quietest = 0.0;
    for (size_t from = 0; from + 441 <= looped.left.size(); from += 441)
        quietest = std::min(quietest, RmsDb(looped.left, from, from + 441) - ExpectedDb(0.5));
    EXPECT_GT(quietest, -1.0) << "a 10 ms window fell silent at a join";

    Lib().TembraMusicPlay(short_.c_str(), 0);
    EXPECT_NEAR(RmsDb(Hear(0.5).left, 2205), ExpectedDb(0.5), 1.0);
    Hear(0.2);
    EXPECT_LE(Hear(0.3).LeftPeak(), 2 * kSilence);
    EXPECT_EQ(Lib().TembraMusicPlaying(), 0);
}

TEST_F(Music, AtVolumeZeroNoMusicIsHeardButACueIsAndTheMusicComesBack) {
    Lib().TembraMusicSetVolume(0);
    Lib().TembraMusicPlay(Piece("a.ogg").c_str(), 1);
    EXPECT_EQ(Lib().TembraMusicPlaying(), 1);
    EXPECT_LE(Hear(0.5).LeftPeak(), 2 * kSilence);

    sound->IndexLoad(Tone("cue.wav", {.frames = 44100}), kFalse, kTrue);
    Hear(0.05);
    EXPECT_NEAR(RmsDb(Hear(0.5).left), ExpectedDb(0.5), 0.5) << "only the cue";
    sound->StopAll();

    Lib().TembraMusicSetVolume(70);
    Hear(0.1);
    EXPECT_NEAR(RmsDb(Hear(0.5).left), ExpectedDb(0.5, 0.7), 1.0);
}

TEST_F(Music, MusicAndFourCuesTogetherPeakUnderMinusOneDbfs) {
    // A piece at the soundtrack's loudness (-20 LUFS: a 441 Hz sine of
    // amplitude 0.108 on both sides) at the highest music volume, and four
    // copies of a cue mastered to -9 dBFS started in one frame, in phase:
    // 0.80 of full scale from the cues and 0.06 from the music.
    Lib().TembraMusicPlay(Piece("piece.ogg", {.hertz = 441.0, .amplitude = 0.108}).c_str(), 1);
    Hear(0.2);
    const std::string cue = Tone("cue.wav", {.frames = 44100, .hertz = 882.0, .amplitude = 0.355});
    for (int i = 0; i < 4; ++i)
        sound->IndexLoad(cue, kFalse, kTrue);
    const Rendered heard = Hear(1.0);
    constexpr float kMinusOneDbfs = 0.891f;
    EXPECT_LE(std::max(heard.LeftPeak(), heard.RightPeak()), kMinusOneDbfs);
    EXPECT_GT(heard.LeftPeak(), 0.8f) << "the cues and the music do not add up";
}

std::atomic<bool> deviceThere{true};
std::atomic<int> openRefusals{0};
std::vector<std::chrono::steady_clock::time_point> openTries;

int32_t Connected() {
    return deviceThere ? 1 : 0;
}
int32_t MayOpen() {
    openTries.push_back(std::chrono::steady_clock::now());
    if (openRefusals > 0) {
        --openRefusals;
        return 0;
    }
    deviceThere = true;
    return 1;
}

TEST_F(Music, ALostDeviceIsOpenedAnewAndCuesAndMusicGoOn) {
    const int16_t loop = sound->IndexLoad(Tone("loop.wav", {.frames = 44100}), kFalse, kFalse);
    sound->IndexSet(loop, 0.8f, 0.3f, 1.5f);
    sound->IndexPlay(loop, kFalse);  // loopX false: looping
    Lib().TembraMusicPlay(Piece("a.ogg", {.hertz = 441.0, .amplitude = 0.25}).c_str(), 1);
    Hear(0.3);
    const Rendered before = Hear(0.3);

    Lib().TembraSetOutputSeam(Connected, MayOpen);
    const int reopens = Lib().TembraOutputReopens();
    deviceThere = false;
    testing::internal::CaptureStderr();
    Hear(0.1);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Lib().TembraOutputReopens(), reopens + 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2) << log;

    // The slot keeps what was set, and the new device plays it as before.
    EXPECT_FLOAT_EQ(sound->IndexGet(loop, tembra::pVolume), 0.8f);
    EXPECT_FLOAT_EQ(sound->IndexGet(loop, tembra::pBalance), 0.3f);
    EXPECT_FLOAT_EQ(sound->IndexGet(loop, tembra::pSpeed), 1.5f);
    Hear(0.3);
    const Rendered after = Hear(0.3);
    EXPECT_NEAR(RmsDb(after.left), RmsDb(before.left), 0.5);
    EXPECT_NEAR(RmsDb(after.right), RmsDb(before.right), 0.5);
    EXPECT_EQ(Lib().TembraMusicPlaying(), 1);

    sound->IndexUnload(loop);
    Lib().TembraMusicStop(0);
    Hear(0.1);
    const int16_t cue = sound->IndexLoad(Tone("cue.wav", {.frames = 44100}), kFalse, kTrue);
    EXPECT_GE(cue, 0);
    Hear(0.05);
    EXPECT_NEAR(RmsDb(Hear(0.3).left), ExpectedDb(0.5), 0.5) << "a new cue after the reopen";
}

TEST_F(Music, TheLibrarysThreadReopensWithinTwoSecondsAndRetriesEveryTwo) {
    Lib().TembraServiceManual(0);
    Lib().TembraSetOutputSeam(Connected, MayOpen);
    const int reopens = Lib().TembraOutputReopens();
    openTries.clear();
    openRefusals = 1;
    testing::internal::CaptureStderr();
    const auto lost = std::chrono::steady_clock::now();
    deviceThere = false;
    while (Lib().TembraOutputReopens() == reopens &&
           std::chrono::steady_clock::now() - lost < std::chrono::seconds(5))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // no line per step
    const std::string log = testing::internal::GetCapturedStderr();
    ASSERT_EQ(Lib().TembraOutputReopens(), reopens + 1);
    ASSERT_EQ(openTries.size(), 2u);
    const double firstTry = std::chrono::duration<double>(openTries[0] - lost).count();
    const double retry = std::chrono::duration<double>(openTries[1] - openTries[0]).count();
    // The thread wakes every 50 ms; a busy machine may wake it late.
    EXPECT_LT(firstTry, 0.5);
    EXPECT_GE(retry, 1.95);
    EXPECT_LT(retry, 2.5);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3) << log;

    // A cue plays on the new device.
    Lib().TembraServiceManual(1);
    sound->IndexLoad(Tone("cue.wav", {.frames = 44100}), kFalse, kTrue);
    Hear(0.05);
    EXPECT_NEAR(RmsDb(Hear(0.3).left), ExpectedDb(0.5), 0.5);
}

TEST_F(Music, AFileThatCannotBePlayedGivesSilenceAndOneLine) {
    const std::string good = Piece("good.ogg");
    const std::string garbage = folder.File("garbage.ogg");
    std::ofstream(garbage) << std::string(20000, 'x');
    const std::string empty = folder.File("empty.ogg");
    std::ofstream{empty};
    // A real Ogg file cut off in its first page of sound.
    const std::string cut = folder.File("cut.ogg");
    {
        std::ifstream in(Piece("whole.ogg"), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::ofstream(cut, std::ios::binary) << bytes.substr(0, 4500);
    }
    for (const std::string& bad : {folder.File("missing.ogg"), garbage, empty, cut}) {
        Lib().TembraMusicPlay(good.c_str(), 1);
        Hear(0.2);
        testing::internal::CaptureStderr();
        Lib().TembraMusicCrossFade(bad.c_str(), 1, 200);
        Hear(0.6);
        const Rendered heard = Hear(0.5);
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << bad << ": " << log;
        EXPECT_LE(heard.LeftPeak(), 2 * kSilence) << bad;
        EXPECT_EQ(Lib().TembraMusicPlaying(), 0) << bad;
    }
}

}  // namespace
}  // namespace tembra_test
