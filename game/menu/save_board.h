// The list of saved games that the main menu fills into the load and save
// dialogs.  A save is the pair <name>.lev and <name>.pos in the save folder
// and is listed once, as <name>.
#pragma once

#include <string>
#include <vector>

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

// What FillBoard lists: SaveBoardEntries of the save folder.
std::vector<std::string> ListSaves();

// The entry of the newest save among the listed entries: the one whose pair
// was written last, a pair's time being the later modification time of its
// <name>.lev and <name>.pos (of equal times, the first entry).  -1 when no
// entry is a whole pair.  The load dialog opens with it chosen.
int NewestSaveEntry(const std::vector<std::string>& entries);

// The save dialog offers no way to overwrite the quick save: every entry
// that reads "QUICK" in upper case goes.
void RemoveQuickSaveEntries(std::vector<std::string>& entries);

// True when both files of the save <name> are in the save folder.
bool SaveExists(const std::string& name);

}  // namespace game
