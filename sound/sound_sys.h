// The SoundSys class: a table of playback slots ("channels") on one sound
// output, filled from wave files and played by slot number, with a text log
// of everything it reports.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sound/device/device_list.h"
#include "sound/device/output_device.h"
#include "sound/device/sound_buffer.h"
#include "tembra/soundsys.h"

namespace tembra {

// The latest failure of a buffer creation, shown in the message box of the
// error it causes; clear at all other times.
struct LastError {
    int32_t code = 0;
    std::string description;
    int32_t systemCode = 0;
    std::string source;
};

class SoundSys final : public _SoundSys {
  public:
    static constexpr int16_t kMinChannels = 1;
    static constexpr int16_t kMaxChannels = 1024;
    // What IndexLoad returns when it loaded nothing: 0 would be a real slot,
    // and the game adjusts whatever slot it is given.
    static constexpr int16_t kNotLoaded = -1;

    SoundSys();
    // Objects alive in the process (the library may be unloaded at 0).
    static int LiveObjects();

    std::string Console() const override;
    void Console(std::string value) override;
    void FreeMemory(const Boolean& clearStopped) override;
    void IndexUnload(const int16_t& sndIndex) override;
    float IndexGet(const int16_t& sndIndex, const pInfoGet& infoType) override;
    void IndexPlay(const int16_t& sndIndex, const Boolean& loopX,
                   const Boolean& fromStart = kFalse) override;
    void IndexStop(const int16_t& sndIndex) override;
    void StopAll() override;
    void IndexSet(const int16_t& sndIndex, const float& sVolume = kUnchanged,
                  const float& sBalance = kUnchanged, const float& sSpeed = kUnchanged,
                  const float& sPosition = kUnchanged) override;
    void IndexDirectLoad(const int16_t& sndIndex, const std::string& File, const Boolean& Looping,
                         const Boolean& AutoPlay) override;
    int16_t IndexLoad(const std::string& File, const Boolean& Looping,
                      const Boolean& AutoPlay) override;
    void DsClose() override;
    std::string DsInit_PRE() override;
    void DsInit(const int16_t& selectedI, const int32_t& winHWND, const Boolean& conLaud,
                const int16_t& numChannels) override;
    void Release() override;

  private:
    ~SoundSys() override;

    void LogMessage(const std::string& message, Boolean showBox);
    int16_t FindFreeSlot();
    // The checks that open most members: false once the problem is reported.
    bool IndexValid(int sndIndex);
    bool BufferPresent(int sndIndex);
    // Before the first DsInit the table does not exist at all; touching it
    // then fails towards the caller.
    void RequireSlot(int sndIndex) const;
    // A buffer made from File, or none when that failed (the failure is then
    // in lastError_).
    std::unique_ptr<device::SoundBuffer> CreateBuffer(const std::string& File,
                                                      device::BufferDescription& description);
    void ReportNotLoaded(const std::string& File);
    void StoreSound(int slot, const std::string& File, Boolean Looping,
                    const device::BufferDescription& description);
    void NewSlotTable(int size);

    std::string console_;
    Boolean ErrorBoxes = kFalse;
    int16_t LastSlot = 0;
    LastError lastError_;
    std::optional<device::DeviceList> deviceList_;  // from DsInit_PRE until DsInit
    std::unique_ptr<device::OutputDevice> device_;  // from DsInit until DsClose

    // The channel table, five arrays of one length.
    std::vector<std::unique_ptr<device::SoundBuffer>> SlotBuffer;
    std::vector<std::string> SlotFile;  // "" marks a free slot
    std::vector<Boolean> SlotLooping;
    std::vector<int32_t> SlotFrequency;
    std::vector<int32_t> SlotBytes;
};

}  // namespace tembra
