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
    // The music functions of the public header.
    int32_t (*TembraMusicPlay)(const char*, int32_t) = nullptr;
    int32_t (*TembraMusicCrossFade)(const char*, int32_t, int32_t) = nullptr;
    void (*TembraMusicStop)(int32_t) = nullptr;
    void (*TembraMusicSetVolume)(int32_t) = nullptr;
    int32_t (*TembraMusicVolume)() = nullptr;
    void (*TembraMusicDuck)(int32_t) = nullptr;
    int32_t (*TembraMusicPlaying)() = nullptr;
    // The library's service step run by hand, and a device that goes away.
    void (*TembraServiceManual)(int32_t) = nullptr;
    void (*TembraServiceStep)() = nullptr;
    void (*TembraSetOutputSeam)(int32_t (*)(), int32_t (*)()) = nullptr;
    int32_t (*TembraOutputReopens)() = nullptr;
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
