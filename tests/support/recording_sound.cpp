#include "support/recording_sound.h"

#include <algorithm>
#include <sstream>

namespace testing_support {

void RecordingSound::Record(const std::string& call) {
    calls.push_back(call);
    if (sharedCalls) sharedCalls->push_back(call);
}

std::vector<std::string> RecordingSound::Files() const {
    std::vector<std::string> files;
    for (const Cue& cue : cues)
        files.push_back(cue.file);
    return files;
}

int RecordingSound::Count(const std::string& file) const {
    return static_cast<int>(
        std::count_if(cues.begin(), cues.end(), [&](const Cue& c) { return c.file == file; }));
}

void RecordingSound::FreeMemory(const tembra::Boolean& clearStopped) {
    Record("FreeMemory(" + std::to_string(clearStopped) + ")");
    ++freeMemoryCalls;
    lastClearStopped = clearStopped;
    if (failFreeMemory) throw tembra::SoundError(1, "device lost");
}

int16_t RecordingSound::IndexLoad(const std::string& file, const tembra::Boolean& looping,
                                  const tembra::Boolean& autoPlay) {
    if (failLoad) throw tembra::SoundError(5, "broken file");
    Record("IndexLoad(" + file + "," + std::to_string(looping) + "," + std::to_string(autoPlay) +
           ")");
    if (slotsFull) {
        console += (console.empty() ? "" : "\r\n") +
                   std::string("...S_Err: SoundPorts overflow => file not loaded");
        return -1;
    }
    loads.push_back(file.substr(file.find_last_of('/') + 1));
    loadPaths.push_back(file);
    return static_cast<int16_t>(firstSlot + loads.size() - 1);
}

void RecordingSound::IndexSet(const int16_t& slot, const float& volume, const float& balance,
                              const float& speed, const float& position) {
    std::ostringstream call;
    call << "IndexSet(" << slot << "," << volume << "," << balance << "," << speed << ","
         << position << ")";
    Record(call.str());
    const int index = slot - firstSlot;
    const bool known = index >= 0 && static_cast<size_t>(index) < loads.size();
    cues.push_back(Cue{known ? loads[index] : "", known ? loadPaths[index] : "", slot, volume,
                       balance, speed, position});
}

std::string RecordingSound::DsInit_PRE() {
    Record("DsInit_PRE");
    return devices;
}

void RecordingSound::DsInit(const int16_t& device, const int32_t& window,
                            const tembra::Boolean& boxes, const int16_t& channels) {
    Record("DsInit(" + std::to_string(device) + "," + std::to_string(window) + "," +
           std::to_string(boxes) + "," + std::to_string(channels) + ")");
    if (failInit) throw tembra::SoundError(-1, "no device");
}

}  // namespace testing_support
