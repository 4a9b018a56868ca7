// A campaign's fingerprint, read from a levels.all (no header) and from a
// save's .lev: refused exactly when the package is, and when read, the same
// for the package written back as a save after play of every kind on every
// level (walls with a strength hit and broken, any tile turned into any
// other, every tile seen, the monsters and the items gone).
#include <vector>

#include "fuzz/fuzz_support.h"
#include "game/levels/byte_stream.h"
#include "game/levels/pack_fingerprint.h"
#include "game/levels/package_record.h"
#include "game/platform/numbers.h"

namespace {

using namespace game;

void AsPlayed(PackageRecord& package) {
    for (LevelRecord& level : package.levels) {
        for (TileRecord& tile : level.tiles) {
            // A breakable wall's hit writes its strength left; the level
            // tool writes strengths as numbers.
            if (tile.Kind == 2 && platform::IsNumber(tile.Param1))
                tile.Param1 = platform::ToText(static_cast<int64_t>(tile.Param1.size()) - 3);
            tile.Kind = static_cast<int16_t>(tile.Kind == 0 ? 2 : 0);
            tile.Picture = static_cast<int16_t>(tile.Picture ^ 1);
            tile.Revealed = -1;
        }
        level.monsters.clear();
        level.items.clear();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    for (bool withHeader : {false, true}) {
        const std::optional<LevelsFingerprint> fingerprint =
            ReadLevelsFingerprint(bytes, withHeader);
        ByteReader in(bytes);
        PackageRecord package;
        const bool read = ReadPackageRecord(in, withHeader, package);
        fuzz::Expect(fingerprint.has_value() == read,
                     "the fingerprint and the package reader disagree on a package");
        if (!read) continue;
        fuzz::Expect(fingerprint->LevelCount() == static_cast<int32_t>(package.levels.size()),
                     "the fingerprint lost levels");
        AsPlayed(package);
        package.header = "hra.lev";
        ByteWriter out;
        WritePackageRecord(out, package);
        const std::optional<LevelsFingerprint> played = ReadLevelsFingerprint(out.Bytes(), true);
        fuzz::Expect(played.has_value(), "a played package does not read back");
        fuzz::Expect(*played == *fingerprint, "play changed a campaign's fingerprint");
    }
    return 0;
}
