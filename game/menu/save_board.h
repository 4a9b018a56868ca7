// The list of saved games that the main menu fills into the load and save
// dialogs.  A save is the pair <name>.lev and <name>.pos in the save folder
// and is listed once, as <name>.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/levels/save_description.h"

namespace game {

// The listing rule, over file names sorted by name: a file whose name, in
// upper case, contains "LEV" anywhere gives its name without the last four
// characters, unless that equals the entry given just before.  A name that
// would come out empty gives nothing.
std::vector<std::string> SaveBoardEntries(const std::vector<std::string>& sortedFileNames);

// The names of the files in the save folder, sorted by name (byte order,
// so a save's two files always lie side by side).  The folder is created
// when it is missing.
std::vector<std::string> SaveFolderFiles();

// SaveBoardEntries of the save folder: what the save dialog lists (less
// RemoveReservedEntries) and what LoadBoard orders.
std::vector<std::string> ListSaves();

// When a listed save was written, in seconds since 1970-01-01 UTC.
struct SaveTimes {
    std::string name;
    // Its description's time; nothing when it has no description.
    std::optional<int64_t> describedAt;
    // The later modification time of its <name>.lev and <name>.pos; nothing
    // when either is missing.
    std::optional<int64_t> filesWrittenAt;
};

// The load dialog's order: newest first.  A save's time is its
// description's, else its files'; a save with neither comes last.  Equal
// times (and saves without one) go by name.
std::vector<std::string> NewestFirst(std::vector<SaveTimes> saves);

// An entry of the load dialog's list, with what its panel tells of it.
struct LoadBoardEntry {
    std::string name;
    std::optional<SaveDescription> description;
    // Both files are there: it can be loaded.
    bool whole = false;
};

// The load dialog's list: ListSaves newest first, each save once (a name
// listed twice, as "a.lev" and "a.LEV" give, only once), with its
// description, read here once.
std::vector<LoadBoardEntry> LoadBoard();

// The entry the load dialog opens with, so that Enter loads it: the newest
// whole save; -1 when no entry is one.
int NewestWholeEntry(const std::vector<LoadBoardEntry>& entries);

// The save dialog offers no way to overwrite the quick save nor an
// autosave: every entry that reads "QUICK" in upper case or is an
// autosave's name in any case goes; the others keep their order.
void RemoveReservedEntries(std::vector<std::string>& entries);

// True when both files of the save <name> are in the save folder.
bool SaveExists(const std::string& name);

}  // namespace game
