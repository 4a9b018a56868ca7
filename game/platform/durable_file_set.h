// Several files that count only together (a campaign pack's levels, its
// English texts and its campaign.ini) replaced as one: each is written whole
// with ReplaceFile, and when one fails the ones before it get their old
// bytes back, so a reader never finds half of the new set beside half of the
// old.  Plain C++ with no Qt and no game state, beside durable_file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace game {

struct FileOfSet {
    std::string path;
    // Nothing: the file goes (a file the new set no longer has).
    std::optional<std::vector<uint8_t>> bytes;
};

// Writes (or removes) the files in their order, each flushed to the disk,
// into folder, which is made when it is missing.  On a failure the files
// done before it are put back as they were (or removed, when they are new),
// a folder made for the set is removed again, and *why (when given) names
// the file and the reason.  Put the file that makes the set count last.
bool ReplaceFileSet(const std::string& folder, const std::vector<FileOfSet>& files,
                    std::string* why = nullptr);

}  // namespace game
