// The campaign as a cave the hero walks through: where he arrives in each
// level, what he can reach from there (HeroSearch), and which levels and
// exits lead from the start of a new game to the end of the last level.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/levels/package_record.h"
#include "tools/levels/bots/hero_search.h"

namespace levels_tool {

// The hidden passage: S on this tile of this level leads to the other one.
inline constexpr int32_t kPassageLevel = 55;
inline constexpr int32_t kPassageTile = 79;
inline constexpr int32_t kPassageTargetLevel = 81;
inline constexpr int32_t kPassageTargetTile = 587;

// A place the hero is put on in a level, and how he gets there.
struct Arrival {
    enum class Way { Start, Exit, Teleport, Passage };
    int32_t level = 0;
    int32_t tile = 0;
    Way way = Way::Exit;
    int32_t fromLevel = -1;  // exits and the passage: the level he comes from
    int32_t fromTile = -1;   // the exit, teleport or passage tile

    // "the start of a new game", "the exit of level 3 (tile 40)", ...
    std::string Describe() const;
};

// What the hero can reach in a level from a place he arrives at.
struct LevelReach {
    std::array<bool, game::kTileCount> tiles{};  // tiles under his centre
    std::vector<bool> items;                     // items he touches
    std::vector<int32_t> exits;                  // exit tiles reached
    bool passage = false;                        // the hidden passage's tile
    bool ending = false;                         // the end of the game
};

// One leg of a way through the cave: in `level`, from the arrival tile
// `from` to the tile `goal`, which is an exit, the hidden passage (then S
// is pressed there) or the end of the game.
struct Leg {
    enum class Goal { Exit, Passage, Ending };
    int32_t level = 0;
    int32_t from = 0;
    int32_t goal = 0;
    Goal kind = Goal::Exit;
};

class CampaignRoutes {
  public:
    CampaignRoutes(const game::PackageRecord& package, const SearchSettings& settings);

    int32_t LevelCount() const { return static_cast<int32_t>(levels_.size()); }
    const WalkLevel& Level(int32_t n) const { return levels_[n]; }

    // Every place the hero can be put on in level n: the start of the game
    // (level 0), the exits' targets, the teleports' targets and the end of
    // the hidden passage.
    const std::vector<Arrival>& ArrivalsInto(int32_t n) const { return arrivals_[n]; }

    // What the hero reaches from tile `tile` of level n (kept once found).
    const LevelReach& ReachFrom(int32_t level, int32_t tile);

    // The fewest legs from the start of a new game to the end of the game,
    // or to any place in level n; nothing when there is no way.  A route
    // through the exits alone is taken before one through the hidden
    // passage.
    std::optional<std::vector<Leg>> RouteToEnding();
    std::optional<std::vector<Leg>> RouteToLevel(int32_t n);
    // The same from tile `tile` of level `level`, a place the hero arrives
    // at; a route to level n from a place in it has no legs.
    std::optional<std::vector<Leg>> RouteToEndingFrom(int32_t level, int32_t tile);
    std::optional<std::vector<Leg>> RouteToLevelFrom(int32_t level, int32_t tile, int32_t n);

    // The levels the hero can get to from the start of a new game.
    std::vector<bool> LevelsReachedFromStart();

    // Where the main way enters level n: the tile (the start of a new game
    // in level 0) and the exit tile of the level before that leads there
    // (0 for the start); nothing when the start does not lead to level n.
    struct Entry {
        int32_t tile = game::kNewGameTile;
        int32_t exitTile = 0;
    };
    std::optional<Entry> EntryInto(int32_t n);
    // The first leg of the main way on from tile `tile` of level n: towards
    // the end of the game, or, in a campaign without its last level yet,
    // towards the deepest level the start leads to; nothing when there is
    // no way on.
    std::optional<Leg> WayOnFrom(int32_t n, int32_t tile);

    // The hero has been in level n from tile `tile` and pulled every lever
    // he could get to there: the doors they opened stay open for every way
    // planned from now on, as the game keeps a level as it was left.
    void CarryChanges(int32_t n, int32_t tile);

  private:
    using Place = std::pair<int32_t, int32_t>;  // level, arrival tile
    std::optional<std::vector<Leg>> Route(const Place& start, bool toEnding, int32_t level);
    std::optional<std::vector<Leg>> Search(const Place& start, bool toEnding, int32_t level,
                                           bool passage);
    // The places one leg leads on to from a place, with the leg.
    std::vector<std::pair<Place, Leg>> WaysOn(const Place& from, bool passage = true);

    std::vector<WalkLevel> levels_;
    std::vector<std::vector<Arrival>> arrivals_;
    SearchSettings settings_;
    std::map<Place, LevelReach> reaches_;
};

// How the checks name a tile: "level L, tile T (column C, row R)".
std::string TilePlace(int32_t level, int32_t t);

}  // namespace levels_tool
