// The sound outputs of the machine, in the order they are offered: the
// system's default output first.  An entry's "GUID string" is the name
// OpenAL opens the output by; its description is the name shown to people.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tembra::device {

// Setting TEMBRA_OUTPUT=loopback replaces the list by one output that mixes
// into memory when asked (OpenAL Soft's loopback device): sound can then be
// checked sample by sample on a machine without a sound card.
inline constexpr const char* kOutputVariable = "TEMBRA_OUTPUT";
inline constexpr const char* kLoopbackGuid = "tembra:loopback";

struct DeviceEntry {
    std::string guid;
    std::string description;
};

class DeviceList {
  public:
    // A snapshot of the outputs present now.
    static DeviceList Enumerate();
    explicit DeviceList(std::vector<DeviceEntry> entries) : entries_(std::move(entries)) {}

    int32_t GetCount() const { return static_cast<int32_t>(entries_.size()); }
    // Entries count from 1.
    const std::string& GetGuid(int32_t entry) const { return At(entry).guid; }
    const std::string& GetDescription(int32_t entry) const { return At(entry).description; }

  private:
    const DeviceEntry& At(int32_t entry) const;
    std::vector<DeviceEntry> entries_;
};

}  // namespace tembra::device
