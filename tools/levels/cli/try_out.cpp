#include "tools/levels/cli/try_out.h"

#include <string>

#include "game/core/game_state.h"
#include "tools/levels/tiled/tile_parameters.h"

namespace levels_tool {

void PlaceTriedLevel(game::PackageRecord& campaign, int32_t number,
                     const game::LevelRecord& level) {
    const auto count = static_cast<int32_t>(campaign.levels.size());
    if (number < 0 || number > count)
        throw TryOutError("level " + std::to_string(number) + " lies past the campaign's " +
                          std::to_string(count) + " levels (0 to " + std::to_string(count) +
                          " can be tried)");
    if (number == count)
        campaign.levels.push_back(level);
    else
        campaign.levels[static_cast<size_t>(number)] = level;
}

int32_t TryOutStartTile(const game::PackageRecord& campaign, int32_t number,
                        std::optional<int32_t> chosenTile) {
    int32_t tile = -1;
    if (chosenTile) {
        tile = *chosenTile;
        if (tile < 0 || tile > tiled_map::kLastTile)
            throw TryOutError("--tile " + std::to_string(tile) + " is off the field (0 to 624)");
    } else if (number == 0) {
        tile = game::kNewGameTile;
    } else {
        const std::string target = std::to_string(number);
        for (const game::LevelRecord& level : campaign.levels) {
            for (const game::TileRecord& t : level.tiles)
                if (t.Kind == game::kLevelExit && t.Param1 == target) {
                    if (auto landing =
                            tiled_map::CanonicalNumber(t.Param2, 0, tiled_map::kLastTile)) {
                        tile = *landing;
                        break;
                    }
                }
            if (tile >= 0) break;
        }
        if (tile < 0)
            throw TryOutError("no exit of the campaign leads into level " + target +
                              "; give the hero's start tile with --tile N");
    }
    const game::TileRecord& start =
        campaign.levels.at(static_cast<size_t>(number)).tiles[static_cast<size_t>(tile)];
    if (start.Kind == game::kSolidWall || start.Kind == game::kDestructibleWall)
        throw TryOutError("the hero cannot start on tile " + std::to_string(tile) + " (column " +
                          std::to_string(tile % 25) + ", row " + std::to_string(tile / 25) +
                          "), a wall");
    return tile;
}

}  // namespace levels_tool
