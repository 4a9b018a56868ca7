// A Tiled map as the level tool imports it (karvelun-levels import, the
// game's --level): refused with the tool's own error, or a level whose
// monsters, items and marked tiles all lie on the field.  The map's tilesets are the
// game's own four, read once from tiled_tilesets/.
#include <filesystem>
#include <map>
#include <string>

#include "fuzz/fuzz_support.h"
#include "tools/levels/tiled/tiled_map.h"

namespace {

namespace fs = std::filesystem;

// Whatever folder a map names, its tileset is the game's one of that name;
// a name the game has none of is refused as a missing file would be.
tiled_map::TilesetInfo GameTileset(const fs::path& tsx) {
    static std::map<std::string, tiled_map::TilesetInfo> read;
    const std::string name = tsx.filename().string();
    if (name != "tiles.tsx" && name != "kinds.tsx" && name != "monsters.tsx" && name != "items.tsx")
        throw tiled_map::MapError("no tileset " + name);
    auto found = read.find(name);
    if (found == read.end())
        found = read.emplace(name, tiled_map::ReadTileset(fs::path(KARVELUN_FUZZ_TILESETS) / name))
                    .first;
    return found->second;
}

bool OnTheField(float x, float y) {
    return x >= 0 && y >= 0 && x <= 500 && y <= 500;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string xml(reinterpret_cast<const char*>(data), size);
    tiled_map::ImportedLevel imported;
    try {
        imported = tiled_map::ReadMap(xml, "/nonexistent/maps", std::nullopt, GameTileset);
    } catch (const tiled_map::MapError&) {
        return 0;  // refused, with a message for the designer
    }
    const game::LevelRecord& level = imported.level;
    for (const auto& monster : level.monsters)
        fuzz::Expect(OnTheField(monster.X, monster.Y), "a map put a monster off the field");
    for (const auto& item : level.items)
        fuzz::Expect(OnTheField(item.X, item.Y), "a map put an item off the field");
    for (const auto& [mark, tile] : imported.marks)
        fuzz::Expect(tile >= 0 && tile < 625, "a map marked a tile off the field");
    return 0;
}
