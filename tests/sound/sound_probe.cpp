// Opens the sound output the way the game does at start-up and prints what
// happened.  The no-device tests run it in a process of its own, since
// OpenAL chooses its drivers once per process.
#include <cstdio>

#include "tembra_library.h"

int main() {
    using namespace tembra_test;
    SoundSysPtr sound = CreateSoundSys();
    const std::string list = sound->DsInit_PRE();
    std::printf("list: [%s]\n", list.c_str());
    try {
        sound->DsInit(0, 0, tembra::kFalse, 32);
        std::printf("DsInit: returned\n");
    } catch (const tembra::SoundError& error) {
        std::printf("DsInit: SoundError %d\n", static_cast<int>(error.code()));
    }
    std::printf("console: [%s]\n", sound->Console().c_str());
    return 0;
}
