#include "sound/device/device_error.h"

#include <AL/al.h>

namespace tembra::device {

void Fail(int32_t code, std::string description, std::string source, int32_t systemCode) {
    throw DeviceError(PlatformFailure{code, std::move(description), systemCode, std::move(source)});
}

void CheckAl(const char* operation) {
    const ALenum error = alGetError();
    if (error == AL_NO_ERROR) return;
    const char* text = alGetString(error);
    const int32_t code = error == AL_OUT_OF_MEMORY   ? kErrOutOfMemory
                         : error == AL_INVALID_VALUE ? kErrInvalidParam
                                                     : kErrGeneric;
    Fail(code, std::string(operation) + ": " + (text ? text : "OpenAL error"), "OpenAL");
}

}  // namespace tembra::device
