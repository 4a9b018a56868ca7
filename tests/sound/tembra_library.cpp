#include "tembra_library.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace tembra_test {
namespace {

template <typename Function>
void Resolve(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    if (!function) throw std::runtime_error(std::string("libtembra.so lacks ") + name);
}

EntryPoints Load() {
    void* handle = dlopen(TEMBRA_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw std::runtime_error(std::string("cannot load libtembra.so: ") + dlerror());
    EntryPoints entry;
    Resolve(handle, "DllRegisterServer", entry.DllRegisterServer);
    Resolve(handle, "DllUnregisterServer", entry.DllUnregisterServer);
    Resolve(handle, "DllGetClassObject", entry.DllGetClassObject);
    Resolve(handle, "DllCanUnloadNow", entry.DllCanUnloadNow);
    Resolve(handle, "TembraLiveSoundBuffers", entry.TembraLiveSoundBuffers);
    Resolve(handle, "TembraMusicPlay", entry.TembraMusicPlay);
    Resolve(handle, "TembraMusicCrossFade", entry.TembraMusicCrossFade);
    Resolve(handle, "TembraMusicStop", entry.TembraMusicStop);
    Resolve(handle, "TembraMusicSetVolume", entry.TembraMusicSetVolume);
    Resolve(handle, "TembraMusicVolume", entry.TembraMusicVolume);
    Resolve(handle, "TembraMusicDuck", entry.TembraMusicDuck);
    Resolve(handle, "TembraMusicPlaying", entry.TembraMusicPlaying);
    Resolve(handle, "TembraServiceManual", entry.TembraServiceManual);
    Resolve(handle, "TembraServiceStep", entry.TembraServiceStep);
    Resolve(handle, "TembraSetOutputSeam", entry.TembraSetOutputSeam);
    Resolve(handle, "TembraOutputReopens", entry.TembraOutputReopens);
    return entry;
}

}  // namespace

const EntryPoints& Library() {
    static const EntryPoints entry = Load();
    return entry;
}

SoundSysPtr CreateSoundSys() {
    const EntryPoints& library = Library();
    if (library.DllRegisterServer() != tembra::kOk)
        throw std::runtime_error("DllRegisterServer failed");
    void* factory = nullptr;
    if (library.DllGetClassObject(tembra::kSoundSysClassId, tembra::kSoundSysInterfaceId,
                                  &factory) != tembra::kOk)
        throw std::runtime_error("DllGetClassObject refused the SoundSys class");
    return SoundSysPtr(
        static_cast<tembra::ClassFactory*>(factory)->CreateInstance(tembra::kSoundSysInterfaceId));
}

}  // namespace tembra_test
