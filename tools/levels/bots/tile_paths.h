// Ways over the tiles a player knows (FieldMemory), as he would think of
// them: from tile to neighbouring tile, around walls and what he does not
// know yet, over spikes only when there is no other way, through a portal
// whose other end he has seen.  Portals he has not tried and ways out are
// places to go to, never to pass.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "tools/levels/bots/field_memory.h"
#include "tools/levels/bots/hero_search.h"

namespace levels_tool {

class TilePaths {
  public:
    // Cracked walls count as passable (at a price) when `throughCracked`;
    // tiles in `avoid` are not passed (but the start).
    TilePaths(const FieldMemory& memory, int32_t from, bool throughCracked = false,
              const std::vector<int32_t>& avoid = {});

    // The price of the cheapest way to tile t, or -1 when there is none.
    int Cost(int32_t t) const { return game::IsTileIndex(t) ? cost_[t] : -1; }
    bool Reaches(int32_t t) const { return Cost(t) >= 0; }
    // The tiles from the first step to t; a portal is followed by where it
    // leads.  Empty for the start and for a tile out of reach.
    std::vector<int32_t> PathTo(int32_t t) const;

    // Of the tiles `wanted` takes, the one reached at the lowest price (the
    // first in order of a tie); -1 when none is reached.  Nearest looks at
    // every tile of the field in order, NearestOf at the ones given.
    template <typename Wanted>
    int32_t NearestOf(std::span<const int32_t> tiles, Wanted&& wanted) const {
        int32_t best = -1;
        for (const int32_t t : tiles)
            if (Reaches(t) && wanted(t) && (best < 0 || Cost(t) < Cost(best))) best = t;
        return best;
    }
    template <typename Wanted>
    int32_t Nearest(Wanted&& wanted) const {
        return NearestOf(kEveryTile, wanted);
    }

    // The price of one step onto a plain floor.
    static constexpr int kStep = 2;

  private:
    static const std::array<int32_t, game::kTileCount> kEveryTile;

    std::array<int, game::kTileCount> cost_;
    std::array<int32_t, game::kTileCount> previous_;
    int32_t from_;
};

// The hero's corner when he stands in the middle of tile t.
float MiddleX(int32_t t);
float MiddleY(int32_t t);

// Is a tile of this look one the hero can stand on and walk over?
bool Walkable(Looks looks);

// The neighbour of tile t in a heading (-1 beyond the field's edge; t for
// Stand), and the heading from a tile to its neighbour (Stand when the two
// do not touch).
int32_t Beside(int32_t t, Heading heading);
Heading Towards(int32_t from, int32_t to);

}  // namespace levels_tool
