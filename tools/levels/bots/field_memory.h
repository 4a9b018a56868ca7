// What a player knows of a level from its play field alone: the tiles it
// has shown (a tile is drawn once revealed, and a player tells what it is
// by its picture), the monsters and items standing on shown tiles, and what
// he has learnt by walking (where a portal took him, which floor hurt
// him).  Walls that only look whole stay walls to him, and faint sigils
// floor until one burns him; nothing of the level file is read.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "game/core/game_state.h"

namespace levels_tool {

enum class Looks : uint8_t {
    Unknown,     // never shown
    Floor,       // floors, rubble, open doors, pulled levers
    Sign,        // signposts, plates and runestones: a step on them reads them
    Wall,        // walls, closed doors and gates, water, furniture
    Cracked,     // cracked bricks, boulders, barricades, crystal veins
    Hazard,      // spikes, grates over embers, and sigils that burnt him
    Lever,       // levers, buttons and plates not yet pressed
    Portal,      // portals
    StairsDown,  // the way on (and the golden portal at the end of the game)
    StairsUp,    // back to the surface
    Tunnel,      // a tunnel mouth (or another way out)
};

// A monster or an item as the field shows it, by its top-left corner.
struct SeenMonster {
    int id;  // the same while it stays in sight
    float x, y;
};
struct SeenItem {
    int16_t x, y, picture;
};

class FieldMemory {
  public:
    FieldMemory();

    // Looks at the field as the last frame left it; `frame` counts the
    // looks (blocked steps expire by it).
    void Look(int frame);

    Looks What(int32_t t) const { return game::IsTileIndex(t) ? looks_[t] : Looks::Wall; }
    bool Visited(int32_t t) const { return game::IsTileIndex(t) && visited_[t]; }
    const std::vector<SeenMonster>& Monsters() const { return monsters_; }
    const std::vector<SeenItem>& Items() const { return items_; }

    // Where a portal took the hero, once it has (-1 before).
    int32_t PortalTarget(int32_t portal) const;
    // An item he touched that stayed where it lay (a decoration).
    bool Untakeable(const SeenItem& item) const { return untakeable_.count({item.x, item.y}) > 0; }

    // What the hero learns as it happens to him.
    void HurtOn(int32_t t);
    void PortalTook(int32_t portal, int32_t target);
    void TouchedUntaken(const SeenItem& item) { untakeable_.insert({item.x, item.y}); }

    // A step between two neighbouring tiles that keeps stopping the hero,
    // not to be planned until `until` (a frame of Look).
    void Block(int32_t from, int32_t to, int until) { blocked_[{from, to}] = until; }
    bool Blocked(int32_t from, int32_t to) const;

  private:
    Looks Classify(const game::Tile& tile) const;
    void TrackMonsters();

    std::array<Looks, game::kTileCount> looks_{};
    std::array<bool, game::kTileCount> visited_{};
    std::vector<SeenMonster> monsters_;
    std::vector<SeenItem> items_;
    std::map<int32_t, int32_t> portals_;
    std::set<int16_t> hurtingPictures_;
    std::set<std::pair<int16_t, int16_t>> untakeable_;
    std::map<std::pair<int32_t, int32_t>, int> blocked_;
    int frame_ = 0;
    int nextId_ = 0;
};

// The tile under the centre of a body whose corner is at (x, y), 15 pixels
// square (the hero, a monster).
int32_t TileUnder(float x, float y);

}  // namespace levels_tool
