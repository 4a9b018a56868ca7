#include "game/levels/pack_fingerprint.h"

#include "game/levels/byte_stream.h"
#include "game/levels/keyed_string.h"
#include "game/platform/file_io.h"
#include "game/platform/numbers.h"

namespace game {
namespace {

// 64-bit FNV-1a, fed field by field.
class Hash {
  public:
    void Byte(uint8_t byte) {
        value_ ^= byte;
        value_ *= 0x100000001b3ull;
    }
    void Number(uint32_t number) {
        for (int shift = 0; shift < 32; shift += 8)
            Byte(static_cast<uint8_t>(number >> shift));
    }
    // Counted, so that "ab" + "c" and "a" + "bc" differ.
    void Text(const std::string& text) {
        Number(static_cast<uint32_t>(text.size()));
        for (char c : text)
            Byte(static_cast<uint8_t>(c));
    }
    uint64_t Value() const { return value_; }

  private:
    uint64_t value_ = 0xcbf29ce484222325ull;
};

}  // namespace

uint64_t LevelFingerprint(const LevelRecord& level) {
    Hash hash;
    for (uint32_t t = 0; t < level.tiles.size(); ++t) {
        const TileRecord& tile = level.tiles[t];
        const bool firstCounts = !tile.Param1.empty() && !platform::IsNumber(tile.Param1);
        if (!firstCounts && tile.Param2.empty()) continue;
        hash.Number(t);
        hash.Text(firstCounts ? tile.Param1 : std::string());
        hash.Text(tile.Param2);
    }
    return hash.Value();
}

LevelsFingerprint FingerprintOf(const PackageRecord& package) {
    LevelsFingerprint fingerprint;
    fingerprint.levels.reserve(package.levels.size());
    for (const LevelRecord& level : package.levels)
        fingerprint.levels.push_back(LevelFingerprint(level));
    return fingerprint;
}

std::optional<LevelsFingerprint> ReadLevelsFingerprint(const std::vector<uint8_t>& bytes,
                                                       bool withHeader) {
    // As ReadPackageRecord reads, one level at a time in the same record:
    // a whole campaign held at once would cost most of the time in memory.
    ByteReader in(bytes);
    std::string header;
    if (withHeader && !ReadKeyedString(in, header)) return std::nullopt;
    int32_t count = 0;
    if (!ReadLevelCount(in, count)) return std::nullopt;
    LevelsFingerprint fingerprint;
    fingerprint.levels.reserve(static_cast<size_t>(count));
    LevelRecord level;
    for (int32_t i = 0; i < count; ++i) {
        if (!ReadLevelRecord(in, i, level)) return std::nullopt;
        fingerprint.levels.push_back(LevelFingerprint(level));
    }
    return fingerprint;
}

std::optional<LevelsFingerprint> PackageFileFingerprint(const std::string& path, bool withHeader) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return std::nullopt;
    return ReadLevelsFingerprint(bytes, withHeader);
}

int32_t SameLevelCount(const LevelsFingerprint& a, const LevelsFingerprint& b) {
    if (a.levels.size() != b.levels.size()) return 0;
    int32_t same = 0;
    for (size_t i = 0; i < a.levels.size(); ++i)
        same += a.levels[i] == b.levels[i];
    return same;
}

}  // namespace game
