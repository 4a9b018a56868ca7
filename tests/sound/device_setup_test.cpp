// Opening and closing the output, the channel table's bounds, the log.
#include <gtest/gtest.h>

#include "sound_fixture.h"

namespace tembra_test {
namespace {

using DeviceSetup = SoundTest;

constexpr const char* kListNote = "...Snd_PreInt: creating device list, waiting for IntiDS...";
constexpr const char* kChannelError = "...Snd_IntErr: invalid channel count, valid range 1 - 1024.";

TEST_F(DeviceSetup, BeforeTheFirstDsInitSlotZeroFailsTowardsTheCaller) {
    EXPECT_THROW(sound->IndexStop(0), tembra::SoundError);
    EXPECT_THROW(sound->IndexGet(0, tembra::pVolume), tembra::SoundError);
    EXPECT_THROW(sound->IndexUnload(0), tembra::SoundError);
    EXPECT_THROW(sound->IndexDirectLoad(0, Tone("a.wav"), kFalse, kFalse), tembra::SoundError);
    EXPECT_THROW(sound->IndexLoad(Tone("a.wav"), kFalse, kFalse), tembra::SoundError);
    EXPECT_THROW(sound->FreeMemory(kTrue), tembra::SoundError);
    EXPECT_THROW(sound->StopAll(), tembra::SoundError);
    EXPECT_EQ(sound->Console(), "");

    // Other indices fail the index check; two messages are joined by CR LF.
    sound->IndexStop(1);
    sound->IndexPlay(-1, kTrue);
    EXPECT_EQ(sound->Console(),
              "...Snd_Err: invalid index [ 1 ]\r\n...Snd_Err: invalid index [ -1 ]");
    sound->Console("kept");
    EXPECT_EQ(sound->Console(), "kept");
}

TEST_F(DeviceSetup, SuccessfulOpenLogsItsNotesInOrderAndMakesEverySlotFree) {
    EXPECT_EQ(sound->DsInit_PRE(), "Loopback");  // one output: no "#"
    sound->DsInit(0, 0x1234, kFalse, 32);
    EXPECT_EQ(sound->Console(), std::string(kListNote) +
                                    "\r\n...Snd_Int: creating DS buffers"
                                    "\r\n...Snd_Int: buffers created succesfully."
                                    "\r\n...Snd_Int: GUID for device ID_no: 0 loaded, GUID: "
                                    "tembra:loopback, name: Loopback.");
    sound->Console("");
    for (int16_t slot = 0; slot < 32; ++slot)
        sound->IndexStop(slot);
    EXPECT_EQ(LastMessage(), "...Snd_Err: empty buffer [ 31 ]");
    sound->IndexStop(32);
    EXPECT_EQ(LastMessage(), "...Snd_Err: invalid index [ 32 ]");
    EXPECT_EQ(sound->IndexLoad(Tone("a.wav"), kFalse, kFalse), 0);
}

TEST_F(DeviceSetup, ChannelCountOutsideOneTo1024IsRefusedAndOpensNothing) {
    sound->DsInit_PRE();
    sound->Console("");
    sound->DsInit(0, 0, kFalse, 0);
    sound->DsInit(0, 0, kFalse, 1025);
    EXPECT_EQ(sound->Console(), std::string(kChannelError) + "\r\n" + kChannelError);
    EXPECT_THROW(sound->IndexStop(0), tembra::SoundError);  // still no table

    sound->DsInit(0, 0, kFalse, 1);
    sound->IndexStop(1);
    EXPECT_EQ(LastMessage(), "...Snd_Err: invalid index [ 1 ]");
    sound->DsInit_PRE();
    sound->DsInit(0, 0, kFalse, 1024);
    sound->IndexStop(1023);
    EXPECT_EQ(LastMessage(), "...Snd_Err: empty buffer [ 1023 ]");
}

TEST_F(DeviceSetup, DeviceNumberMustBeBelowTheCount) {
    sound->DsInit_PRE();
    sound->Console("");
    sound->DsInit(1, 0, kFalse, 32);  // equal to the count of one output
    sound->DsInit(-1, 0, kFalse, 32);
    const std::string refusal = "...Snd_IntErr: invalid device ID, valid range 0 - 0.";
    EXPECT_EQ(sound->Console(), refusal + "\r\n" + refusal);
    EXPECT_THROW(sound->IndexStop(0), tembra::SoundError);
}

TEST_F(DeviceSetup, DsInitNeedsAFreshDeviceListEachTime) {
    EXPECT_THROW(sound->DsInit(0, 0, kFalse, 32), tembra::SoundError);
    Open();
    ASSERT_EQ(sound->IndexLoad(Tone("a.wav"), kFalse, kFalse), 0);
    EXPECT_THROW(sound->DsInit(0, 0, kFalse, 8), tembra::SoundError);
    sound->IndexStop(0);  // the old table is still there
    EXPECT_EQ(sound->Console(), "");

    // A second opening drops the old table with its sounds.
    sound->DsInit_PRE();
    sound->DsInit(0, 0, kFalse, 8);
    sound->IndexStop(0);
    EXPECT_EQ(LastMessage(), "...Snd_Err: empty buffer [ 0 ]");
}

TEST_F(DeviceSetup, DsCloseInvalidatesEverySlot) {
    const std::string closeNote = "...Snd_End: closing all DS buffers and clearing memory...";
    EXPECT_THROW(sound->DsClose(), tembra::SoundError);  // never opened
    EXPECT_EQ(sound->Console(), closeNote);

    Open();
    const std::string tone = Tone("a.wav");
    ASSERT_EQ(sound->IndexLoad(tone, kTrue, kTrue), 0);
    sound->DsClose();
    sound->StopAll();
    sound->FreeMemory(kTrue);
    EXPECT_EQ(sound->Console(), closeNote);
    sound->IndexStop(0);
    EXPECT_EQ(LastMessage(), "...Snd_Err: invalid index [ 0 ]");
    EXPECT_EQ(sound->IndexLoad(tone, kFalse, kTrue), -1);
    EXPECT_EQ(LastMessage(), "...S_Err: SoundPorts overflow => file not loaded");

    sound->Console("");
    sound->DsClose();  // a closed object only notes it
    EXPECT_EQ(sound->Console(), closeNote);
}

}  // namespace
}  // namespace tembra_test
