// Folders the game makes for the player's own files.
#pragma once

#include <string>

namespace platform {

// Makes an absolute folder and any missing parents, each new one readable
// only by the player (mode 0700); true when the folder then exists.  An empty
// or relative path is refused, so a missing per-user folder never becomes
// one beside wherever the program was started.
bool MakePrivateFolder(const std::string& folder);

}  // namespace platform
