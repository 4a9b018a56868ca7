// Which pairs of the save folder are autosaves, and which name the next one
// takes.  An autosave is a pair named auto-<n> with an autosave's
// description.  A pair of such a name without one is the player's own (the
// save dialog of earlier versions took these names): it keeps its name and
// its bytes, and the autosaves take other names of the form, which the save
// dialog refuses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace game {

struct Autosave {
    std::string name;     // "auto-2"
    uint64_t number = 0;  // they count up: the newest has the highest
    int32_t level = 0;    // where the hero had arrived
};

struct AutosaveSlots {
    std::vector<Autosave> autosaves;  // by name
    // Where the next autosave goes: the oldest autosave once there are
    // kAutosaveCount of them, else the first name of the form that holds no
    // file at all.
    std::string next;
    uint64_t nextNumber = 1;
};

// The slots of a save folder named outright.  Reads only that folder, so
// the background writer reads it too.
AutosaveSlots ReadAutosaveSlots(const std::string& savesFolder);

}  // namespace game
