// A SoundSys from the built library, opened on the loopback output, and
// wave files to feed it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "loopback.h"
#include "sound_files.h"
#include "tembra_library.h"

namespace tembra_test {

using tembra::kFalse;
using tembra::kTrue;

class SoundTest : public testing::Test {
  protected:
    void SetUp() override {
        UseLoopbackOutput();
        sound = CreateSoundSys();
        ASSERT_NE(sound, nullptr);
    }

    // DsInit_PRE + DsInit on the loopback output; the Console starts empty.
    void Open(int16_t channels = 32) {
        sound->DsInit_PRE();
        sound->DsInit(0, 0, kFalse, channels);
        sound->Console("");
    }

    // The 0.1 s tone of ToneShape's defaults under `name`.
    std::string Tone(const std::string& name, const ToneShape& shape = {}) {
        return WriteTone(folder.File(name), shape);
    }

    // The last line of the Console.
    std::string LastMessage() const {
        const std::string log = sound->Console();
        const size_t end = log.rfind("\r\n");
        return end == std::string::npos ? log : log.substr(end + 2);
    }

    TempFolder folder;
    SoundSysPtr sound;
};

}  // namespace tembra_test
