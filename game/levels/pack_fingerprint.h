// What a campaign's levels are, told the same way from its levels.all and
// from any save of its games.  A save's package holds the campaign's levels
// as the hero left them: walls broken, mechanisms turned, signs used up,
// monsters killed, items taken, tiles seen.  None of that touches a tile's
// second text, nor its first one when it is text rather than a number (a
// sign's words, a message screen's); a breakable wall's strength is a
// number and falls as it is hit.  So the fingerprint is, level by level, a
// hash of those texts of every tile, and a save whose description is lost
// is known by the campaign here whose fingerprint it has.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/levels/level_record.h"
#include "game/levels/package_record.h"

namespace game {

struct LevelsFingerprint {
    // One hash a level, level 0 first.
    std::vector<uint64_t> levels;

    int32_t LevelCount() const { return static_cast<int32_t>(levels.size()); }
    bool operator==(const LevelsFingerprint&) const = default;
};

uint64_t LevelFingerprint(const LevelRecord& level);
LevelsFingerprint FingerprintOf(const PackageRecord& package);

// The fingerprint of a package's bytes: levels.all (no header) or a save's
// .lev (withHeader; the header itself is not looked at).  Nothing when the
// bytes are not a whole package.
std::optional<LevelsFingerprint> ReadLevelsFingerprint(const std::vector<uint8_t>& bytes,
                                                       bool withHeader);
// The same of a file; nothing when it does not read.
std::optional<LevelsFingerprint> PackageFileFingerprint(const std::string& path, bool withHeader);

// How many levels the two have the same, number for number; 0 when their
// level counts differ.
int32_t SameLevelCount(const LevelsFingerprint& a, const LevelsFingerprint& b);

}  // namespace game
