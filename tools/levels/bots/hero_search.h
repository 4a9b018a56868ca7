// Where the hero can walk in a level, found by letting the game's own
// movement rules move him: every step is the frame loop's MoveHero with its
// wall push-back, on the level's tiles.  Positions are grouped into small
// cells so that a level is explored in a few milliseconds; each cell keeps
// the one real position the hero first reached it at, so every route the
// search finds can be walked frame by frame with the same keys.
//
// Shared by the campaign check (is everything reachable?) and the
// playthrough bot (which keys take the hero there?).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "game/core/game_state.h"
#include "game/levels/level_record.h"

namespace levels_tool {

// The tiles and things of a level as the hero's walk meets them.
struct WalkLevel {
    int32_t number = 0;
    std::array<int16_t, game::kTileCount> kinds{};
    // Every tile's parameters read as the tile events read them, whatever
    // its kind (a mechanism may give it another).  A tile index is -1 when
    // the text names no tile of the grid: the game then ignores the tile.
    // Param1 as a tile: the tile a teleport leads to or a mechanism changes.
    std::array<int32_t, game::kTileCount> target{};
    // Param2 as a tile: where an exit puts the hero in the other level.
    std::array<int32_t, game::kTileCount> arrival{};
    // Param1 as a number: the level an exit leads to.
    std::array<int32_t, game::kTileCount> toLevel{};
    // Param2 as a mechanism's change: the kind it gives its target.
    std::array<int16_t, game::kTileCount> newKind{};
    struct Thing {
        int16_t x, y, kind;
    };
    std::vector<Thing> items;
    bool hasMonsters = false;
};

// A level of a package, and the level the running game holds in memory.
WalkLevel WalkLevelOf(const game::LevelRecord& level, int32_t number);
WalkLevel CurrentWalkLevel();

// The tile under the hero's centre, as the tile events see it.
int32_t CentreTile(float heroX, float heroY);

// The hero's corner on tile t, as exits and teleports place him.
float ArrivalX(int32_t t);
float ArrivalY(int32_t t);

// Does item `thing` touch a hero whose corner is at (x, y)?
bool TouchesItem(const WalkLevel::Thing& thing, float x, float y);

// Stand: no key held (the hero waits a frame for the tile under him to act).
enum class Heading : uint8_t { Up, Down, Left, Right, Stand };

// A direction key held for a number of frames.
struct Stride {
    Heading heading;
    int16_t frames;
};

struct SearchSettings {
    // The hero's step on both axes (HeroSpeed once a key has been let go).
    float step = 0.6f;
    // Destructible walls count as floor: the hero can break them.
    bool breakablesPassable = true;
    // A mechanism the hero reaches changes its target for the rest of the
    // search, when it opens it (a change into a solid wall is not made).
    bool mechanismsOpen = true;
    // The last level's gate counts as open when the level has a monster to
    // kill.
    bool gateOpensOnKill = true;
    // Where the game ends: the hero stepping on this tile of this level
    // (the golden portal of the last hall, or where a pack says).
    int32_t endLevel = game::kLastLevel;
    int32_t endTile = game::kEndingTile;
    // Side of a cell in pixels.
    float cell = 2.5f;
};

class HeroSearch {
  public:
    struct Node {
        float x, y;
        int32_t parent;  // -1 for a start
        Stride stride;   // from the parent
        int32_t centre;  // tile under the hero's centre
    };

    HeroSearch(const WalkLevel& level, const SearchSettings& settings);

    // A position the hero stands on (his corner).  Call before Run.
    void AddStart(float x, float y);
    // Explores everything reachable from the starts.
    void Run();

    const std::vector<Node>& Nodes() const { return nodes_; }
    // Tiles under the hero's centre at some reached position.
    bool ReachedTile(int32_t t) const { return game::IsTileIndex(t) && reachedTiles_[t]; }
    // Items of the level (by index) that the hero touched.
    bool TouchedItem(size_t i) const { return touchedItems_[i]; }
    // Mechanisms that opened something in the search, in order.
    const std::vector<int32_t>& AppliedMechanisms() const { return applied_; }
    // The tile kinds at the end of the search (with the changes made).
    const std::array<int16_t, game::kTileCount>& Kinds() const { return kinds_; }

    // The first node (in the order reached) that stands on tile t, or -1.
    int32_t FirstNodeOn(int32_t t) const;
    // The first node for which the test holds, or -1.
    int32_t FirstNode(const std::function<bool(const Node&)>& test) const;
    // The nodes from a start to node n, and the keys that take the hero
    // along them.
    std::vector<int32_t> PathTo(int32_t n) const;
    std::vector<Stride> RouteTo(int32_t n) const;

  private:
    struct Move {
        float x, y;
        int16_t frames;
        int32_t teleport;  // the teleport that took the hero, or -1
    };
    int32_t CellOf(float x, float y) const;
    void Reach(float x, float y, int32_t parent, Stride stride);
    void Expand(int32_t n);
    Move Simulate(float x, float y, Heading heading) const;
    bool Stops(int32_t t) const;
    bool ActsNear(int32_t t) const;
    int32_t TeleportTarget(int32_t t) const;
    void Open(int32_t mechanism);

    const WalkLevel& level_;
    SearchSettings settings_;
    int16_t framesPerMove_;
    int32_t cellsPerSide_;
    std::array<int16_t, game::kTileCount> kinds_;
    std::vector<Node> nodes_;
    std::vector<int32_t> cellNode_;
    std::vector<int32_t> queue_;
    size_t queueHead_ = 0;
    std::array<bool, game::kTileCount> reachedTiles_{};
    std::vector<bool> touchedItems_;
    std::vector<int32_t> applied_;
    std::vector<Move> starts_;
};

// Every route sets the game's hero, key flags and tile kinds while it runs;
// this keeps the running game's values and puts them back.
class MovementSandbox {
  public:
    MovementSandbox();
    ~MovementSandbox();
    MovementSandbox(const MovementSandbox&) = delete;
    MovementSandbox& operator=(const MovementSandbox&) = delete;

  private:
    std::array<int16_t, game::kTileCount> kinds_;
    std::array<int16_t, game::kTileCount> xs_, ys_;
    float heroX_, heroY_, stepX_, stepY_;
    int16_t facing_;
    bool up_, down_, left_, right_;
};

}  // namespace levels_tool
