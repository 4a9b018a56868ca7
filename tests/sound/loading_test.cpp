// Filling, adjusting, reading and freeing slots.
#include <gtest/gtest.h>

#include <fstream>

#include "file_opens.h"
#include "sound_fixture.h"

namespace tembra_test {
namespace {

using Loading = SoundTest;
constexpr int kPastTheEnd = 5000;  // frames: longer than the 4410-frame tone

TEST_F(Loading, RepeatedCueOverlapsWhilePlayingThenReusesTheLowerSlotWithoutReading) {
    Open();
    const std::string tone = Tone("cue.wav");
    FileOpenCounter opens(folder.path());
    EXPECT_EQ(sound->IndexLoad(tone, kFalse, kTrue), 0);
    EXPECT_EQ(sound->IndexLoad(tone, kFalse, kTrue), 1);
    EXPECT_EQ(opens.OpensOf("cue.wav"), 2);

    Render(kPastTheEnd);  // both have finished; no FreeMemory in between
    EXPECT_EQ(sound->IndexLoad(tone, kFalse, kTrue), 0);
    EXPECT_EQ(sound->IndexLoad(tone, kFalse, kTrue), 1);
    EXPECT_EQ(opens.OpensOf("cue.wav"), 0);
    EXPECT_GT(Render(1000).LeftPeak(), 0.4f);  // and it plays again
}

TEST_F(Loading, EverySlotPlayingGivesTheOverflowMessageAndLoadsNothing) {
    Open(1024);  // also proves the output has a voice for each of 1024 sounds
    const std::string tone = Tone("cue.wav");
    for (int slot = 0; slot < 1024; ++slot)
        ASSERT_EQ(sound->IndexLoad(tone, kTrue, kTrue), slot);
    EXPECT_EQ(sound->Console(), "");
    const std::string other = Tone("other.wav");
    FileOpenCounter opens(folder.path());
    EXPECT_EQ(sound->IndexLoad(other, kFalse, kTrue), -1);
    EXPECT_EQ(sound->Console(), "...S_Err: SoundPorts overflow => file not loaded");
    EXPECT_EQ(opens.OpensOf("other.wav"), 0);
}

TEST_F(Loading, MissingOrDamagedFileIsReportedAndLeavesTheSlotFree) {
    Open();
    const std::string missing = folder.File("missing.wav");
    std::ofstream(folder.File("damaged.wav")) << "RIFF? not really";
    EXPECT_EQ(sound->IndexLoad(missing, kFalse, kTrue), -1);
    EXPECT_EQ(sound->IndexLoad(folder.File("damaged.wav"), kFalse, kTrue), -1);
    EXPECT_EQ(sound->Console(),
              "...Snd_Err: file not loaded, probably missing or invalid <" + missing +
                  ">.\r\n...Snd_Err: file not loaded, probably missing or invalid <" +
                  folder.File("damaged.wav") + ">.");
    // The game adjusts whatever slot it gets back; -1 touches no sound.
    sound->Console("");
    sound->IndexSet(-1, 0.5f, 0.0f, 1.0f);
    EXPECT_EQ(sound->Console(), "...Snd_Err: invalid index [ -1 ]");
    EXPECT_EQ(sound->IndexLoad(Tone("a.wav"), kFalse, kTrue), 0);
}

TEST_F(Loading, IndexSetConvertsRoundsAndClampsAndIndexGetReadsItBack) {
    Open();
    const int16_t slot = sound->IndexLoad(Tone("a.wav"), kFalse, kFalse);
    auto volume = [&] { return sound->IndexGet(slot, tembra::pVolume); };
    auto balance = [&] { return sound->IndexGet(slot, tembra::pBalance); };
    auto speed = [&] { return sound->IndexGet(slot, tembra::pSpeed); };
    auto position = [&] { return sound->IndexGet(slot, tembra::pPosition); };

    // Never adjusted: full volume, centre, the file's rate, the start.
    EXPECT_EQ(volume(), 1.0f);
    EXPECT_EQ(balance(), 0.0f);
    EXPECT_EQ(speed(), 1.0f);
    EXPECT_EQ(position(), 0.0f);

    sound->IndexSet(slot, 0.5f);  // -1250
    EXPECT_EQ(volume(), 0.5f);
    sound->IndexSet(slot, -6.0f);  // left alone
    EXPECT_EQ(volume(), 0.5f);
    sound->IndexSet(slot, 2.0f);  // 0
    EXPECT_EQ(volume(), 1.0f);
    sound->IndexSet(slot, -5.9f);  // -2500, the floor
    EXPECT_EQ(volume(), 0.0f);
    sound->IndexSet(slot, 0.875f);  // -312.5 goes to the even -312
    EXPECT_FLOAT_EQ(volume(), 0.8752f);
    sound->IndexSet(slot, 0.625f);  // -937.5 goes to the even -938
    EXPECT_FLOAT_EQ(volume(), 0.6248f);

    sound->IndexSet(slot, -6.0f, 0.03125f);  // 312.5 -> 312
    EXPECT_FLOAT_EQ(balance(), 0.0312f);
    sound->IndexSet(slot, -6.0f, -3.0f);
    EXPECT_EQ(balance(), -1.0f);

    sound->IndexSet(slot, -6.0f, -6.0f, 0.0f);  // 100 samples per second
    EXPECT_FLOAT_EQ(speed(), 100.0f / 44100.0f);
    sound->IndexSet(slot, -6.0f, -6.0f, 1.0f);
    EXPECT_EQ(speed(), 1.0f);
    sound->IndexSet(slot, -6.0f, -6.0f, 3.0f);  // 132300 held at 100000
    EXPECT_FLOAT_EQ(speed(), 100000.0f / 44100.0f);

    sound->IndexSet(slot, -6.0f, -6.0f, -6.0f, 0.5f);
    EXPECT_EQ(position(), 0.5f);
    sound->IndexSet(slot, -6.0f, -6.0f, -6.0f, 1.5f);  // the buffer's length
    EXPECT_EQ(position(), 1.0f);

    sound->IndexSet(slot);  // everything omitted: nothing changes
    EXPECT_EQ(volume(), 0.6248f);
    EXPECT_EQ(balance(), -1.0f);
    EXPECT_FLOAT_EQ(speed(), 100000.0f / 44100.0f);
    EXPECT_EQ(position(), 1.0f);
    EXPECT_EQ(sound->Console(), "");
}

TEST_F(Loading, IndexGetReportsAnUnknownInformationTypeAndAnEmptySlot) {
    Open();
    const int16_t slot = sound->IndexLoad(Tone("a.wav"), kFalse, kFalse);
    EXPECT_EQ(sound->IndexGet(slot, static_cast<tembra::pInfoGet>(7)), 0.0f);
    EXPECT_EQ(sound->Console(), "...Snd_Err: invalid information type [ 7 ].");
    EXPECT_EQ(sound->IndexGet(3, tembra::pVolume), 0.0f);
    EXPECT_EQ(LastMessage(), "...Snd_Err: empty buffer [ 3 ]");
}

TEST_F(Loading, IndexPlayLoopsWhenLoopXIsFalseAndPlaysOnceWhenTrue) {
    Open();
    const std::string loopingTone = Tone("a.wav");
    const std::string onceTone = Tone("b.wav");
    const int16_t looping = sound->IndexLoad(loopingTone, kFalse, kFalse);
    const int16_t once = sound->IndexLoad(onceTone, kFalse, kFalse);
    sound->IndexPlay(looping, kFalse);
    sound->IndexPlay(once, kTrue);
    Render(3 * kPastTheEnd);
    // The finished one is silent and so reused; the looping one still plays.
    EXPECT_EQ(sound->IndexLoad(onceTone, kFalse, kFalse), once);
    EXPECT_EQ(sound->IndexLoad(loopingTone, kFalse, kFalse), 2);
    EXPECT_GT(Render(1000).LeftPeak(), 0.4f * kOutputGain);
}

TEST_F(Loading, FailedDirectLoadBreaksTheSlotUntilFreeMemoryClearsIt) {
    Open();
    const std::string first = Tone("first.wav");
    const std::string missing = folder.File("missing.wav");
    sound->IndexDirectLoad(0, first, kFalse, kFalse);
    sound->IndexDirectLoad(0, missing, kFalse, kFalse);  // keeps "first.wav", holds no sound
    sound->IndexDirectLoad(2, missing, kFalse, kFalse);  // a free slot stays free
    sound->Console("");

    // A broken slot is neither reused for its old name nor taken as free.
    EXPECT_EQ(sound->IndexLoad(first, kFalse, kFalse), 1);
    EXPECT_EQ(sound->IndexLoad(Tone("b.wav"), kFalse, kFalse), 2);
    sound->IndexStop(0);
    EXPECT_EQ(sound->Console(), "...Snd_Err: empty buffer [ 0 ]");

    sound->Console("");
    sound->FreeMemory(kFalse);  // frees only the broken slot
    EXPECT_EQ(sound->Console(),
              "SND_E: error in sound position 0 sound: " + first + ", cleared...");
    EXPECT_EQ(sound->IndexLoad(Tone("c.wav"), kFalse, kFalse), 0);
    EXPECT_EQ(sound->IndexLoad(first, kFalse, kFalse), 1);  // still held

    sound->FreeMemory(kTrue);  // now every silent sound goes
    EXPECT_EQ(sound->IndexLoad(Tone("d.wav"), kFalse, kFalse), 0);
}

TEST_F(Loading, FreeMemoryKeepsPlayingSoundsAndIndexUnloadFreesAnySlot) {
    Open();
    const std::string tone = Tone("a.wav");
    ASSERT_EQ(sound->IndexLoad(tone, kTrue, kTrue), 0);   // looping
    ASSERT_EQ(sound->IndexLoad(tone, kFalse, kTrue), 1);  // once
    Render(kPastTheEnd);
    sound->FreeMemory(kTrue);
    EXPECT_EQ(sound->IndexLoad(Tone("b.wav"), kFalse, kFalse), 1);

    sound->IndexUnload(0);  // stops and frees the looping one
    sound->IndexUnload(5);  // a free slot: nothing happens
    sound->IndexUnload(32);
    EXPECT_EQ(sound->Console(), "...Snd_Err: invalid index [ 32 ]");
    EXPECT_EQ(sound->IndexLoad(Tone("c.wav"), kFalse, kFalse), 0);
    EXPECT_LE(Render(1000).LeftPeak(kLimiterDelay), kSilence);
}

TEST_F(Loading, EverySoundInASlotIsCountedUntilItsSlotIsFreed) {
    Open();
    const auto live = Library().TembraLiveSoundBuffers;
    const int before = live();
    const std::string tone = Tone("a.wav");
    ASSERT_EQ(sound->IndexLoad(tone, kTrue, kTrue), 0);   // looping
    ASSERT_EQ(sound->IndexLoad(tone, kFalse, kTrue), 1);  // once
    EXPECT_EQ(sound->IndexLoad(folder.File("missing.wav"), kFalse, kTrue), -1);
    EXPECT_EQ(live(), before + 2);

    Render(kPastTheEnd);
    sound->FreeMemory(kTrue);  // the finished one goes, the looping one stays
    EXPECT_EQ(live(), before + 1);
    sound->IndexDirectLoad(0, folder.File("missing.wav"), kFalse, kFalse);  // breaks the slot
    EXPECT_EQ(live(), before);
    sound->FreeMemory(kFalse);
    ASSERT_EQ(sound->IndexLoad(tone, kFalse, kFalse), 0);
    sound->IndexUnload(0);
    EXPECT_EQ(live(), before);
}

}  // namespace
}  // namespace tembra_test
