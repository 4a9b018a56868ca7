// The working folder data/levels: one file per level of the running game.
#pragma once

#include <string>

namespace game {

// The working folder's path.
std::string WorkingLevelsFolder();

// Deletes level0.sc ... level<m-1>.sc, m being the number of entries in the
// working folder (created when missing).  Files are deleted by number; a
// number without a file is skipped.
void ClearWorkingLevels();

}  // namespace game
