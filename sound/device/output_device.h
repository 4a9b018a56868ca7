// An opened sound output: the device the library plays its sounds on.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "sound/device/al_output.h"
#include "sound/device/sound_buffer.h"

namespace tembra::device {

class OutputDevice {
  public:
    // How a program shares the output; only the normal level is used.
    static constexpr int32_t kLevelNormal = 1;
    static constexpr int32_t kLevelWritePrimary = 4;

    // Opens the output an entry of DeviceList names by its GUID string.
    // Throws DeviceError when it cannot be opened (no sound server or card).
    static std::unique_ptr<OutputDevice> Open(const std::string& guid);

    // Music stops with the output.
    ~OutputDevice();
    OutputDevice(const OutputDevice&) = delete;
    OutputDevice& operator=(const OutputDevice&) = delete;

    // Binds the output to a window.  Sound here does not follow window
    // focus, so nothing depends on the window; only the level is checked.
    void SetCooperativeLevel(int32_t windowHandle, int32_t level);

    // Reads the wave file and makes a buffer of it; fills `description`.
    // Throws DeviceError for a missing or unusable file.
    std::unique_ptr<SoundBuffer> CreateSoundBufferFromFile(const std::string& file,
                                                           BufferDescription& description);

  private:
    explicit OutputDevice(std::shared_ptr<AlOutput> output);

    std::shared_ptr<AlOutput> output_;
};

}  // namespace tembra::device
