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

// The whole file.  False, with bytes empty, when it is missing, unreadable,
// not a regular file (a folder, a pipe, a device) or larger than the limit;
// callers then see a file that ends at once.  A pipe never makes it wait.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes,
                   size_t limit = kLargestGameFile);

// Replaces the file whole or not at all (see durable_file.h): on any
// failure the old file stays as it was and nothing half-written remains.
// With durable set, the new file and its name are on the disk before this
// returns.  *why, when given, tells which step failed and why.
bool WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, bool durable,
                    std::string* why = nullptr);

}  // namespace game
