// A sound library that registers but fails to unregister, as a library
// whose registration was damaged from outside would.  It offers no class,
// so the game that loads it plays silently.
#include <cstdint>

namespace {
// What a failed self-unregistration answers.
constexpr int32_t kUnregistrationFailed = static_cast<int32_t>(0x80040201u);
constexpr int32_t kClassNotAvailable = static_cast<int32_t>(0x80040111u);
}  // namespace

extern "C" {

__attribute__((visibility("default"))) int32_t DllRegisterServer() {
    return 0;
}

__attribute__((visibility("default"))) int32_t DllUnregisterServer() {
    return kUnregistrationFailed;
}

__attribute__((visibility("default"))) int32_t DllGetClassObject(const char*, const char*,
                                                                 void** factory) {
    if (factory) *factory = nullptr;
    return kClassNotAvailable;
}

__attribute__((visibility("default"))) int32_t DllCanUnloadNow() {
    return 0;
}

}  // extern "C"
