// A stand-in sound library that writes down, one line each, what the game
// asks of it: registered, unregistered, the device opened and closed, the
// sound object made and released.  The lines go to the file named by
// KARVELUN_SOUND_PROBE_LOG.  It plays nothing.
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "tembra/soundsys.h"

namespace {

void Note(const char* what) {
    const char* path = std::getenv("KARVELUN_SOUND_PROBE_LOG");
    if (!path) return;
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const std::string line = std::string(what) + "\n";
    [[maybe_unused]] const ssize_t written = ::write(fd, line.data(), line.size());
    ::close(fd);
}

class ProbeSoundSys final : public tembra::_SoundSys {
  public:
    ProbeSoundSys() { Note("made"); }
    std::string Console() const override { return {}; }
    void Console(std::string) override {}
    void FreeMemory(const tembra::Boolean&) override {}
    void IndexUnload(const int16_t&) override {}
    float IndexGet(const int16_t&, const tembra::pInfoGet&) override { return 0; }
    void IndexPlay(const int16_t&, const tembra::Boolean&, const tembra::Boolean&) override {}
    void IndexStop(const int16_t&) override {}
    void StopAll() override {}
    void IndexSet(const int16_t&, const float&, const float&, const float&, const float&) override {
    }
    void IndexDirectLoad(const int16_t&, const std::string&, const tembra::Boolean&,
                         const tembra::Boolean&) override {}
    int16_t IndexLoad(const std::string&, const tembra::Boolean&, const tembra::Boolean&) override {
        return ++loaded_;
    }
    void DsClose() override { Note("closed"); }
    std::string DsInit_PRE() override { return "Probe"; }
    void DsInit(const int16_t&, const int32_t&, const tembra::Boolean&, const int16_t&) override {
        Note("opened");
    }
    void Release() override {
        Note("released");
        delete this;
    }

  private:
    int16_t loaded_ = 0;
};

class ProbeFactory final : public tembra::ClassFactory {
  public:
    tembra::_SoundSys* CreateInstance(const char* interfaceId) override {
        if (!interfaceId || strcasecmp(interfaceId, tembra::kSoundSysInterfaceId) != 0)
            return nullptr;
        return new ProbeSoundSys();
    }
};

ProbeFactory factory;

}  // namespace

extern "C" {

TEMBRA_API int32_t DllRegisterServer() {
    Note("registered");
    return tembra::kOk;
}

TEMBRA_API int32_t DllUnregisterServer() {
    Note("unregistered");
    return tembra::kOk;
}

TEMBRA_API int32_t DllGetClassObject(const char* classId, const char*, void** out) {
    if (!out) return tembra::kNoInterface;
    *out = nullptr;
    if (!classId || strcasecmp(classId, tembra::kSoundSysClassId) != 0)
        return tembra::kClassNotAvailable;
    *out = static_cast<tembra::ClassFactory*>(&factory);
    return tembra::kOk;
}

TEMBRA_API int32_t DllCanUnloadNow() {
    return tembra::kOk;
}

}  // extern "C"
