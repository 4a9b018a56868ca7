// The four Tiled tilesets the picture generator writes and the map writer
// and reader refer to: their file names, and what the kinds tileset holds.
// Shared by tools/assetgen and tools/levels, header only.
#pragma once

#include <string_view>

#include "game/core/tile_kinds.h"

namespace tiled_files {

inline constexpr std::string_view kTiles = "tiles";        // floor and wall pictures, sheet sc1
inline constexpr std::string_view kMonsters = "monsters";  // sheet sc2
inline constexpr std::string_view kItems = "items";        // sheet sc3
inline constexpr std::string_view kKinds = "kinds";        // tile kinds, painted like collisions

// Tile id i of the kinds tileset is tile kind i, named game::kTileKindNames[i];
// one more tile marks a tile the hero sees from the start.
inline constexpr int kRevealedTile = static_cast<int>(game::kTileKindNames.size());
inline constexpr int kKindsTileCount = kRevealedTile + 1;

}  // namespace tiled_files
