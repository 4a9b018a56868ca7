// Levels as Tiled maps (.tmx), both ways: a 25 x 25 map of 20-pixel tiles
// with a picture layer, a kinds layer, a layer of revealed tiles, objects
// for the tiles that carry parameters, and tile objects for the monsters and
// the items.  The tilesets are the ones tools/assetgen writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "game/levels/level_record.h"

namespace tiled_map {

// A map or tileset that cannot be turned into a level, or a level that
// cannot be shown as a map: one line, naming the layer, column and row
// when there are such.
class MapError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What a map needs of a tileset: how many tiles it has and the integer
// properties of each (a monster's default kind, damage and hit points).
struct TilesetInfo {
    int tileCount = 0;
    std::map<int, std::map<std::string, int>> tileProperties;
};

// Reads a .tsx file.  Throws MapError.
TilesetInfo ReadTileset(const std::filesystem::path& tsx);

// The four tilesets as a map refers to them.
struct TilesetSet {
    std::filesystem::path folder;  // where tiles.tsx, kinds.tsx, ... lie
    TilesetInfo tiles, kinds, monsters, items;
};

// Reads the four tilesets of the folder.  Throws MapError.
TilesetSet LoadTilesets(const std::filesystem::path& folder);

// The map of a level, referring to the tilesets by paths relative to the
// folder the map will be written to.  Throws MapError for what a map cannot
// show (a tile kind without a marker, a picture outside the tileset).
// Marks, when given, name the objects on their tiles (see ImportedLevel);
// English texts, by tile, become the "text_en" of signs and message screens.
std::string WriteMap(const game::LevelRecord& level, int32_t number, const TilesetSet& tilesets,
                     const std::filesystem::path& mapFolder,
                     const std::map<char, int32_t>& marks = {},
                     const std::map<int32_t, std::string>& english = {});

struct ImportedLevel {
    int32_t number = 0;
    game::LevelRecord level;
    // Objects of layer tiles named with one character: the tiles that the
    // exits of text sources name as "@c".
    std::map<char, int32_t> marks;
    // The "text_en" of signs and message screens, by tile: the English text
    // beside the Czech one.
    std::map<int32_t, std::string> english;
};

// Reads a map.  Tileset sources are resolved against mapFolder and read
// through loadTileset (a test may hand in its own).  The level number is
// the map's "level" property unless number is given.  Throws MapError.
using TilesetLoader = TilesetInfo (*)(const std::filesystem::path&);
ImportedLevel ReadMap(const std::string& xml, const std::filesystem::path& mapFolder,
                      std::optional<int32_t> number, TilesetLoader loadTileset = ReadTileset);

}  // namespace tiled_map
