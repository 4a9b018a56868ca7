// Trying one level in the game: the campaign with the tried level in place
// of its number, and the tile the hero starts on.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>

#include "game/levels/package_record.h"

namespace levels_tool {

class TryOutError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Puts the level into the campaign under its number: in place of the
// campaign's level, or as a new last level.  Throws TryOutError for a
// number past the end.
void PlaceTriedLevel(game::PackageRecord& campaign, int32_t number, const game::LevelRecord& level);

// Where the hero starts: the chosen tile, else the new game's tile on level 0,
// else where the campaign's first exit into the level lands
// him (levels and tiles in order).  Throws TryOutError when no exit reaches
// the level or the tile is off the field or solid.
int32_t TryOutStartTile(const game::PackageRecord& campaign, int32_t number,
                        std::optional<int32_t> chosenTile);

}  // namespace levels_tool
