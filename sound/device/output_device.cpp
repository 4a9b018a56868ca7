#include "sound/device/output_device.h"

#include "sound/device/device_error.h"
#include "sound/device/device_list.h"
#include "sound/device/music_player.h"
#include "sound/device/wave_file.h"

namespace tembra::device {

std::unique_ptr<OutputDevice> OutputDevice::Open(const std::string& guid) {
    return std::unique_ptr<OutputDevice>(new OutputDevice(
        guid == kLoopbackGuid ? AlOutput::OpenLoopback() : AlOutput::OpenDevice(guid)));
}

// The output opened last is where the game's music plays and the one whose
// device the library's thread watches.
OutputDevice::OutputDevice(std::shared_ptr<AlOutput> output) : output_(std::move(output)) {
    MusicPlayer::Instance().Bind(output_);
}

OutputDevice::~OutputDevice() {
    MusicPlayer::Instance().Unbind(output_.get());
}

void OutputDevice::SetCooperativeLevel(int32_t /*windowHandle*/, int32_t level) {
    if (level < kLevelNormal || level > kLevelWritePrimary)
        Fail(kErrInvalidParam, "no cooperative level " + std::to_string(level), "tembra");
}

std::unique_ptr<SoundBuffer> OutputDevice::CreateSoundBufferFromFile(
    const std::string& file, BufferDescription& description) {
    auto buffer = std::make_unique<SoundBuffer>(output_, ReadWaveFile(file));
    description = buffer->Description();
    return buffer;
}

}  // namespace tembra::device
