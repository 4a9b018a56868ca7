// The working folder data/levels: one file per level of the running game.
#pragma once

#include <cstdint>
#include <string>

namespace game {

// The working folder's path.
std::string WorkingLevelsFolder();

// The working file of a level: data/levels/level<N>.sc.
std::string LevelFilePath(int32_t number);

// How many levels the working folder holds: level0.sc, level1.sc, ... up to
// the first number without a file.  Other files in the folder do not count.
int32_t CountWorkingLevels();

// True when level0.sc ... level<count-1>.sc are all there and each passes
// the level reader's checks; otherwise false, with *why naming the first
// that does not.
bool WorkingLevelsComplete(int32_t count, std::string* why);

// Deletes level0.sc ... level<m-1>.sc in a folder, m being the number of
// entries in it.  Files are deleted by number; a number without a file is
// skipped.  Half-written level files of a killed run go too.  A missing
// folder is created.
void DeleteLevelFiles(const std::string& folder);

// DeleteLevelFiles of the working folder.
void ClearWorkingLevels();

// Goes up whenever a working level file is written or the folder emptied,
// so that a reader of the whole folder (a recording's state checksum) knows
// when what it read is still current.
uint32_t WorkingLevelsGeneration();
void NoteWorkingLevelsChanged();

}  // namespace game
