#include "game/levels/autosave_slots.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_names.h"

namespace game {
namespace {

namespace fs = std::filesystem;

bool IsRegularFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(path, ec));
}

}  // namespace

AutosaveSlots ReadAutosaveSlots(const std::string& savesFolder) {
    // Every slot that holds a file of either half, whatever it is.
    std::map<int, bool> taken;
    std::error_code ec;
    for (fs::directory_iterator it(savesFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (file.size() > 4 && (file.ends_with(".lev") || file.ends_with(".pos")))
            if (const int slot = AutosaveSlotOf(file.substr(0, file.size() - 4)))
                taken[slot] = true;
    }
    AutosaveSlots slots;
    for (const auto& [slot, unused] : taken) {
        const std::string name = AutosaveName(slot);
        if (!IsRegularFile(PathInFolder(savesFolder, name + ".lev")) ||
            !IsRegularFile(PathInFolder(savesFolder, name + ".pos")))
            continue;
        const std::optional<SaveDescription> about = ReadSaveDescriptionIn(savesFolder, name);
        // Without an autosave's description the pair is the player's.
        if (!about || about->autosaveNumber == 0) continue;
        slots.autosaves.push_back({name, about->autosaveNumber, about->level});
        slots.nextNumber = std::max(slots.nextNumber, about->autosaveNumber + 1);
    }
    if (slots.autosaves.size() >= static_cast<size_t>(kAutosaveCount)) {
        slots.next = std::min_element(
                         slots.autosaves.begin(), slots.autosaves.end(),
                         [](const Autosave& a, const Autosave& b) { return a.number < b.number; })
                         ->name;
        return slots;
    }
    int free = 1;
    while (taken.count(free))
        ++free;
    slots.next = AutosaveName(free);
    return slots;
}

}  // namespace game
