// Failures of the sound output, with the code, text, system error number and
// origin that the library's error record and message box show.
#pragma once

#include <cstdint>
#include <string>

#include "tembra/soundsys.h"

namespace tembra::device {

// Result codes in the form the game's sound interface has always reported.
inline constexpr int32_t kErrGeneric = static_cast<int32_t>(0x80004005u);
inline constexpr int32_t kErrInvalidParam = static_cast<int32_t>(0x80070057u);
inline constexpr int32_t kErrOutOfMemory = static_cast<int32_t>(0x8007000Eu);
inline constexpr int32_t kErrFileNotFound = static_cast<int32_t>(0x80070002u);
inline constexpr int32_t kErrBadFormat = static_cast<int32_t>(0x88780064u);
inline constexpr int32_t kErrNoDriver = static_cast<int32_t>(0x88780078u);

// Everything known about one failed operation of the output.
struct PlatformFailure {
    int32_t code = 0;
    std::string description;
    int32_t systemCode = 0;  // errno of the failed system call, 0 if none
    std::string source;      // the part of the platform that failed
};

// Thrown by the device layer; callers that only know the public interface
// catch it as SoundError.
class DeviceError : public SoundError {
  public:
    explicit DeviceError(PlatformFailure failure)
        : SoundError(failure.code, failure.description), failure_(std::move(failure)) {}
    const PlatformFailure& failure() const noexcept { return failure_; }

  private:
    PlatformFailure failure_;
};

[[noreturn]] void Fail(int32_t code, std::string description, std::string source,
                       int32_t systemCode = 0);

// Throws a DeviceError when OpenAL recorded an error since the last check.
void CheckAl(const char* operation);

}  // namespace tembra::device
