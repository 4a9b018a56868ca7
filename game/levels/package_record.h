// A level package: the fresh campaign levels.all (no header) or a save's
// <name>.lev (its own file name as a header), then a 32-bit level count and
// that many level records, record i holding level i.  Pure format, shared by
// the game and the level tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/levels/byte_stream.h"
#include "game/levels/level_record.h"

namespace game {

struct PackageRecord {
    std::optional<std::string> header;  // present in a save's package only
    std::vector<LevelRecord> levels;
};

// Reads the 32-bit level count; refuses a negative count and one that the
// rest of the data cannot hold.
bool ReadLevelCount(ByteReader& in, int32_t& count, std::string* why = nullptr);

// Header (when there is one) with a save header key, count, levels.
void WritePackageRecord(ByteWriter& out, const PackageRecord& package);

// Reads a whole package, with a header when withHeader.  The caller compares
// the header with the name it expects.
bool ReadPackageRecord(ByteReader& in, bool withHeader, PackageRecord& package,
                       std::string* why = nullptr);

}  // namespace game
