#include "sound/device/device_list.h"

#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "sound/device/device_error.h"

namespace tembra::device {
namespace {

bool RenderingToMemory() {
    const char* value = std::getenv(kOutputVariable);
    return value && std::strcmp(value, "loopback") == 0;
}

// OpenAL returns the names one after another, each ended by a NUL, the whole
// list by an empty name.
std::vector<std::string> SplitNameList(const ALCchar* list) {
    std::vector<std::string> names;
    for (; list && *list; list += std::strlen(list) + 1)
        names.emplace_back(list);
    return names;
}

}  // namespace

DeviceList DeviceList::Enumerate() {
    if (RenderingToMemory())
        return DeviceList(std::vector<DeviceEntry>{{kLoopbackGuid, "Loopback"}});

    const bool allOutputs = alcIsExtensionPresent(nullptr, "ALC_ENUMERATE_ALL_EXT");
    std::vector<std::string> names = SplitNameList(
        alcGetString(nullptr, allOutputs ? ALC_ALL_DEVICES_SPECIFIER : ALC_DEVICE_SPECIFIER));
    const ALCchar* fallback = alcGetString(
        nullptr, allOutputs ? ALC_DEFAULT_ALL_DEVICES_SPECIFIER : ALC_DEFAULT_DEVICE_SPECIFIER);
    const std::string defaultName = fallback ? fallback : "";

    // The game opens device 0, so that is the one the system plays through.
    auto it = std::find(names.begin(), names.end(), defaultName);
    if (it != names.end()) std::rotate(names.begin(), it, it + 1);

    std::vector<DeviceEntry> entries;
    for (const std::string& name : names)
        entries.push_back({name, name});
    return DeviceList(std::move(entries));
}

const DeviceEntry& DeviceList::At(int32_t entry) const {
    if (entry < 1 || entry > GetCount())
        Fail(kErrInvalidParam, "no sound output number " + std::to_string(entry), "tembra");
    return entries_[entry - 1];
}

}  // namespace tembra::device
