// Whole files in and out, for the level and save code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace game {

// Far beyond any real level package (a whole campaign is about a megabyte):
// a bigger file is not one of ours and is not read into memory.
inline constexpr size_t kLargestGameFile = 32u << 20;

// The whole file.  False, with bytes empty, when it is missing, unreadable
// or larger than the limit; callers then see a file that ends at once.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                   size_t limit = kLargestGameFile);

// Writes the file anew.  With durable set, the data is on the disk before
// this returns, so that a rename afterwards can never expose a half file.
// False on any failure; a half-written file may then remain.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, bool durable);

// Makes a rename inside the folder durable.
void SyncFolder(const std::string& folder);

}  // namespace game
