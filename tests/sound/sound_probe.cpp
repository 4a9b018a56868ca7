// Opens the sound output the way the game does at start-up and prints what
// happened (whether the output limiter is on, too); given a wave file, also
// plays it as a cue for half a second.
// The tests run it in a process of its own, since OpenAL chooses its drivers
// once per process.
#include <AL/alc.h>
#include <AL/alext.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "tembra_library.h"

int main(int argc, char** argv) {
    using namespace tembra_test;
    SoundSysPtr sound = CreateSoundSys();
    const std::string list = sound->DsInit_PRE();
    std::printf("list: [%s]\n", list.c_str());
    try {
        sound->DsInit(0, 0, tembra::kFalse, 32);
        std::printf("DsInit: returned\n");
        // The library leaves its output's context current.
        if (ALCcontext* context = alcGetCurrentContext()) {
            ALCint limiter = -1;
            alcGetIntegerv(alcGetContextsDevice(context), ALC_OUTPUT_LIMITER_SOFT, 1, &limiter);
            std::printf("limiter: %d\n", limiter);
        }
        if (argc > 1) {
            const int16_t slot = sound->IndexLoad(argv[1], tembra::kFalse, tembra::kTrue);
            sound->IndexSet(slot, 1.0f, 0.0f, 1.0f);
            std::printf("cue slot: %d\n", slot);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            sound->StopAll();
            sound->DsClose();
        }
    } catch (const tembra::SoundError& error) {
        std::printf("DsInit: SoundError %d\n", static_cast<int>(error.code()));
    }
    std::printf("console: [%s]\n", sound->Console().c_str());
    return 0;
}
