// The built libtembra.so reached the way the game reaches it: dlopen, the
// entry points by name, the class factory from DllGetClassObject.
#pragma once

#include <cstdint>
#include <memory>

#include "tembra/soundsys.h"

namespace tembra_test {

struct EntryPoints {
    int32_t (*DllRegisterServer)() = nullptr;
    int32_t (*DllUnregisterServer)() = nullptr;
    int32_t (*DllGetClassObject)(const char*, const char*, void**) = nullptr;
    int32_t (*DllCanUnloadNow)() = nullptr;
    // The sounds the library's slots hold, counted for the soak.
    int32_t (*TembraLiveSoundBuffers)() = nullptr;
};

// Loads the library once per process (it stays loaded, as in the game).
const EntryPoints& Library();

struct SoundSysReleaser {
    void operator()(tembra::_SoundSys* sound) const { sound->Release(); }
};
using SoundSysPtr = std::unique_ptr<tembra::_SoundSys, SoundSysReleaser>;

// Registers the library and creates a SoundSys through its factory.
SoundSysPtr CreateSoundSys();

}  // namespace tembra_test
