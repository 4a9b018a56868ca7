#include "sound/sound_sys.h"

#include <atomic>
#include <bit>
#include <cmath>

#include "sound/device/device_error.h"
#include "sound/warning_box.h"

namespace tembra {
namespace {

std::atomic<int> liveObjects{0};

// Failures of the library's own bookkeeping that reach the caller.
constexpr int32_t kErrSubscript = 9;
constexpr int32_t kErrNoObject = 91;

constexpr const char* kNewLine = "\r\n";
constexpr const char* kBoxTitle = "\"Vossel\"\u2122 - Sound System";

// The omitted-argument value is recognised by its exact bits: -6.0 and
// nothing else, not even a value that merely compares equal.
bool Given(float value) {
    return std::bit_cast<uint32_t>(value) != 0xC0C00000u;
}

// Nearest integer, halves to the even neighbour, then held within the range.
// A value that is not a number is taken as the bottom of the range.
int32_t NearestWithin(double value, int32_t low, int32_t high) {
    if (std::isnan(value)) return low;
    const double nearest = std::nearbyint(value);
    if (nearest > high) return high;
    if (nearest < low) return low;
    return static_cast<int32_t>(nearest);
}

int32_t PlayFlags(bool looping) {
    return looping ? device::SoundBuffer::kPlayLooping : 0;
}

}  // namespace

SoundSys::SoundSys() {
    ++liveObjects;
}
SoundSys::~SoundSys() {
    --liveObjects;
}
int SoundSys::LiveObjects() {
    return liveObjects;
}
void SoundSys::Release() {
    delete this;
}

std::string SoundSys::Console() const {
    return console_;
}
void SoundSys::Console(std::string value) {
    console_ = std::move(value);
}

void SoundSys::LogMessage(const std::string& message, Boolean showBox) {
    if (showBox == kTrue && ErrorBoxes == kTrue) {
        ShowWarningBox(kBoxTitle, std::string("Systém ohlásil následující chybovou informaci: ") +
                                      kNewLine + "Err ID: " + std::to_string(lastError_.code) +
                                      ", detail: " + lastError_.description +
                                      ", dll_error: " + std::to_string(lastError_.systemCode) +
                                      ", generator: " + lastError_.source + kNewLine + message);
    }
    // Appended in place: a long log costs no copy of itself per message.
    if (!console_.empty()) console_ += kNewLine;
    console_ += message;
}

void SoundSys::RequireSlot(int sndIndex) const {
    if (sndIndex < 0 || static_cast<size_t>(sndIndex) >= SlotFile.size())
        throw SoundError(kErrSubscript, "Subscript out of range: the channel table has no slot " +
                                            std::to_string(sndIndex) +
                                            " (DsInit has not opened a device)");
}

bool SoundSys::IndexValid(int sndIndex) {
    if (sndIndex >= 0 && sndIndex <= LastSlot) return true;
    LogMessage("...Snd_Err: invalid index [ " + std::to_string(sndIndex) + " ]", kTrue);
    return false;
}

bool SoundSys::BufferPresent(int sndIndex) {
    RequireSlot(sndIndex);
    if (SlotBuffer[sndIndex]) return true;
    LogMessage("...Snd_Err: empty buffer [ " + std::to_string(sndIndex) + " ]", kTrue);
    return false;
}

int16_t SoundSys::FindFreeSlot() {
    for (int i = 0; i <= LastSlot; ++i) {
        RequireSlot(i);
        if (SlotFile[i].empty()) return static_cast<int16_t>(i);
    }
    LogMessage("...S_Err: SoundPorts overflow => file not loaded", kTrue);
    return -1;
}

std::unique_ptr<device::SoundBuffer> SoundSys::CreateBuffer(
    const std::string& File, device::BufferDescription& description) {
    lastError_ = {};
    try {
        if (!device_) device::Fail(kErrNoObject, "no sound device is open", "tembra");
        return device_->CreateSoundBufferFromFile(File, description);
    } catch (const device::DeviceError& error) {
        const device::PlatformFailure& failure = error.failure();
        lastError_ = {failure.code, failure.description, failure.systemCode, failure.source};
        return nullptr;
    }
}

void SoundSys::ReportNotLoaded(const std::string& File) {
    LogMessage("...Snd_Err: file not loaded, probably missing or invalid <" + File + ">.", kTrue);
    lastError_ = {};
}

void SoundSys::StoreSound(int slot, const std::string& File, Boolean Looping,
                          const device::BufferDescription& description) {
    SlotFile[slot] = File;
    SlotLooping[slot] = Looping;
    SlotFrequency[slot] = description.samplesPerSecond;
    SlotBytes[slot] = description.bufferBytes;
}

void SoundSys::NewSlotTable(int size) {
    SlotBuffer.clear();
    SlotBuffer.resize(size);
    SlotFile.assign(size, std::string());
    SlotLooping.assign(size, kFalse);
    SlotFrequency.assign(size, 0);
    SlotBytes.assign(size, 0);
}

// ---- loading and playback ----

int16_t SoundSys::IndexLoad(const std::string& File, const Boolean& Looping,
                            const Boolean& AutoPlay) {
    // A silent slot that already holds this file plays again without a
    // file read.
    for (int i = 0; i <= LastSlot; ++i) {
        RequireSlot(i);
        if (SlotFile[i] != File || !SlotBuffer[i] || SlotBuffer[i]->GetStatus() != 0) continue;
        if (AutoPlay == kTrue) SlotBuffer[i]->Play(PlayFlags(Looping != 0));
        SlotLooping[i] = Looping;
        return static_cast<int16_t>(i);
    }

    const int16_t slot = FindFreeSlot();
    if (slot == -1) return kNotLoaded;
    device::BufferDescription description;
    SlotBuffer[slot] = CreateBuffer(File, description);
    if (!SlotBuffer[slot]) {
        ReportNotLoaded(File);
        return kNotLoaded;
    }
    StoreSound(slot, File, Looping, description);
    if (AutoPlay == kTrue) SlotBuffer[slot]->Play(PlayFlags(Looping == kTrue));
    return slot;
}

void SoundSys::IndexDirectLoad(const int16_t& sndIndex, const std::string& File,
                               const Boolean& Looping, const Boolean& AutoPlay) {
    if (!IndexValid(sndIndex)) return;
    RequireSlot(sndIndex);
    if (SlotBuffer[sndIndex]) {
        if (SlotBuffer[sndIndex]->GetStatus() != 0) SlotBuffer[sndIndex]->Stop();
        SlotBuffer[sndIndex].reset();
    }
    device::BufferDescription description;
    SlotBuffer[sndIndex] = CreateBuffer(File, description);
    // A slot that held a sound keeps its old name and so is broken until
    // FreeMemory or IndexUnload frees it.
    if (!SlotBuffer[sndIndex]) {
        ReportNotLoaded(File);
        return;
    }
    StoreSound(sndIndex, File, Looping, description);
    if (AutoPlay == kTrue) SlotBuffer[sndIndex]->Play(PlayFlags(Looping == kTrue));
}

void SoundSys::IndexPlay(const int16_t& sndIndex, const Boolean& loopX, const Boolean& fromStart) {
    if (!IndexValid(sndIndex) || !BufferPresent(sndIndex)) return;
    if (fromStart == kTrue) SlotBuffer[sndIndex]->SetCurrentPosition(0);
    // loopX true plays once: the flag has always worked this way round.
    SlotBuffer[sndIndex]->Play(PlayFlags(loopX != kTrue));
}

void SoundSys::IndexStop(const int16_t& sndIndex) {
    if (!IndexValid(sndIndex) || !BufferPresent(sndIndex)) return;
    SlotBuffer[sndIndex]->Stop();
}

void SoundSys::StopAll() {
    for (int i = 0; i <= LastSlot; ++i) {
        RequireSlot(i);
        if (SlotBuffer[i]) SlotBuffer[i]->Stop();
    }
}

void SoundSys::IndexSet(const int16_t& sndIndex, const float& sVolume, const float& sBalance,
                        const float& sSpeed, const float& sPosition) {
    if (!IndexValid(sndIndex) || !BufferPresent(sndIndex)) return;
    using device::SoundBuffer;
    const int32_t volume = NearestWithin((static_cast<double>(sVolume) - 1.0) * 2500.0, -2500,
                                         SoundBuffer::kVolumeMax);
    const int32_t pan = NearestWithin(static_cast<double>(sBalance) * 10000.0,
                                      SoundBuffer::kPanLeft, SoundBuffer::kPanRight);
    const int32_t frequency = NearestWithin(static_cast<double>(SlotFrequency[sndIndex]) * sSpeed,
                                            SoundBuffer::kFrequencyMin, SoundBuffer::kFrequencyMax);
    const int32_t position =
        NearestWithin(static_cast<double>(SlotBytes[sndIndex]) * sPosition, 0, SlotBytes[sndIndex]);

    SoundBuffer& buffer = *SlotBuffer[sndIndex];
    if (Given(sSpeed)) buffer.SetFrequency(frequency);
    if (Given(sVolume)) buffer.SetVolume(volume);
    if (Given(sBalance)) buffer.SetPan(pan);
    if (Given(sPosition)) buffer.SetCurrentPosition(position);
}

float SoundSys::IndexGet(const int16_t& sndIndex, const pInfoGet& infoType) {
    if (!IndexValid(sndIndex) || !BufferPresent(sndIndex)) return 0.0f;
    const device::SoundBuffer& buffer = *SlotBuffer[sndIndex];
    switch (infoType) {
        case pVolume:
            return static_cast<float>(buffer.GetVolume() / 2500.0 + 1.0);
        case pBalance:
            return static_cast<float>(buffer.GetPan() / 10000.0);
        case pSpeed:
            return static_cast<float>(static_cast<double>(buffer.GetFrequency()) /
                                      SlotFrequency[sndIndex]);
        case pPosition:
            return static_cast<float>(static_cast<double>(buffer.GetCurrentPosition()) /
                                      SlotBytes[sndIndex]);
    }
    LogMessage("...Snd_Err: invalid information type [ " +
                   std::to_string(static_cast<int32_t>(infoType)) + " ].",
               kTrue);
    return 0.0f;
}

void SoundSys::FreeMemory(const Boolean& clearStopped) {
    for (int i = 0; i <= LastSlot; ++i) {
        RequireSlot(i);
        if (SlotFile[i].empty()) continue;
        if (!SlotBuffer[i]) {
            LogMessage("SND_E: error in sound position " + std::to_string(i) +
                           " sound: " + SlotFile[i] + ", cleared...",
                       kTrue);
            SlotFile[i].clear();
        } else if (clearStopped == kTrue && SlotBuffer[i]->GetStatus() == 0) {
            SlotFile[i].clear();
            SlotBuffer[i].reset();
        }
    }
}

void SoundSys::IndexUnload(const int16_t& sndIndex) {
    if (!IndexValid(sndIndex)) return;
    RequireSlot(sndIndex);
    if (SlotBuffer[sndIndex] && SlotBuffer[sndIndex]->GetStatus() != 0)
        SlotBuffer[sndIndex]->Stop();
    SlotFile[sndIndex].clear();
    SlotLooping[sndIndex] = kFalse;
    SlotFrequency[sndIndex] = 0;
    SlotBytes[sndIndex] = 0;
    SlotBuffer[sndIndex].reset();
}

// ---- the device ----

std::string SoundSys::DsInit_PRE() {
    LogMessage("...Snd_PreInt: creating device list, waiting for IntiDS...", kFalse);
    deviceList_ = device::DeviceList::Enumerate();
    std::string list;
    for (int32_t entry = 1; entry <= deviceList_->GetCount(); ++entry) {
        if (entry > 1) list += '#';
        list += deviceList_->GetDescription(entry);
    }
    return list;
}

void SoundSys::DsInit(const int16_t& selectedI, const int32_t& winHWND, const Boolean& conLaud,
                      const int16_t& numChannels) {
    ErrorBoxes = conLaud;
    if (numChannels < kMinChannels || numChannels > kMaxChannels) {
        LogMessage("...Snd_IntErr: invalid channel count, valid range 1 - 1024.", kTrue);
        return;
    }
    if (!deviceList_)
        throw SoundError(kErrNoObject, "no device list: DsInit_PRE must come before DsInit");
    const int32_t count = deviceList_->GetCount();
    if (selectedI < 0 || selectedI >= count) {
        LogMessage(
            "...Snd_IntErr: invalid device ID, valid range 0 - " + std::to_string(count - 1) + ".",
            kTrue);
        return;
    }
    LogMessage("...Snd_Int: creating DS buffers", kFalse);
    LogMessage("...Snd_Int: buffers created succesfully.", kFalse);
    const std::string guid = deviceList_->GetGuid(selectedI + 1);
    const std::string name = deviceList_->GetDescription(selectedI + 1);
    LogMessage("...Snd_Int: GUID for device ID_no: " + std::to_string(selectedI) +
                   " loaded, GUID: " + guid + ", name: " + name + ".",
               kFalse);

    std::unique_ptr<device::OutputDevice> opened = device::OutputDevice::Open(guid);
    opened->SetCooperativeLevel(winHWND, device::OutputDevice::kLevelNormal);
    deviceList_.reset();
    // An earlier table goes with its buffers before its device does.
    NewSlotTable(numChannels);
    device_ = std::move(opened);
    LastSlot = static_cast<int16_t>(numChannels - 1);
}

void SoundSys::DsClose() {
    LogMessage("...Snd_End: closing all DS buffers and clearing memory...", kFalse);
    for (int i = 0; i <= LastSlot; ++i) {
        RequireSlot(i);
        if (!SlotBuffer[i]) continue;
        SlotBuffer[i]->Stop();
        SlotBuffer[i].reset();
    }
    device_.reset();
    NewSlotTable(1);
    LastSlot = -1;
}

}  // namespace tembra
