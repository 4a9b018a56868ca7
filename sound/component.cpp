// The library's four entry points: the game registers the library, asks it
// for the SoundSys class by its identifier, and unregisters it at the end.
// Registration is a flag inside the process; nothing is written to disk.
#include <strings.h>

#include "sound/device/sound_buffer.h"
#include "sound/sound_sys.h"
#include "tembra/soundsys.h"

namespace tembra {
namespace {

bool registered = false;

// Identifiers compare as the registry compares them: ignoring case.
bool SameId(const char* a, const char* b) {
    return a && b && strcasecmp(a, b) == 0;
}

class SoundSysFactory final : public ClassFactory {
  public:
    _SoundSys* CreateInstance(const char* interfaceId) override {
        if (!SameId(interfaceId, kSoundSysInterfaceId)) return nullptr;
        return new SoundSys();
    }
};

SoundSysFactory factory;

}  // namespace
}  // namespace tembra

extern "C" {

TEMBRA_API int32_t DllRegisterServer() {
    tembra::registered = true;
    return tembra::kOk;
}

TEMBRA_API int32_t DllUnregisterServer() {
    tembra::registered = false;
    return tembra::kOk;
}

TEMBRA_API int32_t DllGetClassObject(const char* classId, const char* interfaceId, void** factory) {
    using namespace tembra;
    if (!factory) return kNoInterface;
    *factory = nullptr;
    if (!registered || !SameId(classId, kSoundSysClassId)) return kClassNotAvailable;
    if (!SameId(interfaceId, kSoundSysInterfaceId)) return kNoInterface;
    *factory = static_cast<ClassFactory*>(&tembra::factory);
    return kOk;
}

TEMBRA_API int32_t DllCanUnloadNow() {
    return tembra::SoundSys::LiveObjects() == 0 ? tembra::kOk : tembra::kFalseResult;
}

// Not part of the game's interface: how many sounds the library holds in
// its slots, which the soak checks to come back to where it started.
TEMBRA_API int32_t TembraLiveSoundBuffers() {
    return tembra::device::SoundBuffer::LiveBuffers();
}

}  // extern "C"
