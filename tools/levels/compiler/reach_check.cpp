#include "tools/levels/compiler/reach_check.h"

#include "tools/levels/bots/campaign_routes.h"

namespace levels_tool {
namespace {

// The kinds of tile the hero should be able to reach: they offer him something.
bool IsOffer(int16_t kind) {
    return kind == game::kSign || kind == game::kTeleport || kind == game::kLevelExit ||
           kind == game::kMechanism || kind == game::kMessageScreen;
}

bool IsWallKind(int16_t kind) {
    return kind == game::kSolidWall || kind == game::kDestructibleWall;
}

class ReachChecker {
  public:
    ReachChecker(const game::PackageRecord& package, const SearchSettings& settings)
        : routes_(package, settings), settings_(settings) {}

    std::vector<std::string> Run() {
        for (int32_t n = 0; n < routes_.LevelCount(); ++n) {
            CheckArrivals(n);
            if (!routes_.ArrivalsInto(n).empty()) CheckOffers(n);
        }
        CheckLevelsReached();
        if (routes_.LevelCount() > settings_.endLevel && !routes_.RouteToEnding())
            problems_.push_back(TilePlace(settings_.endLevel, settings_.endTile) +
                                ": the end of the game cannot be reached from level 0");
        return problems_;
    }

  private:
    void Report(int32_t level, int32_t t, const std::string& what) {
        problems_.push_back(TilePlace(level, t) + ": " + what);
    }

    // Where the hero is put must be a place to stand, and from where he comes
    // in by an exit he must be able to go on.
    void CheckArrivals(int32_t n) {
        const WalkLevel& level = routes_.Level(n);
        for (const Arrival& arrival : routes_.ArrivalsInto(n)) {
            const int16_t kind = level.kinds[arrival.tile];
            if (IsWallKind(kind)) {
                // Exits onto walls and the start on a wall are told by the
                // tile checks already.
                if (arrival.way == Arrival::Way::Teleport || arrival.way == Arrival::Way::Passage)
                    Report(n, arrival.tile, arrival.Describe() + " puts the hero into a wall");
                continue;
            }
            if (kind == game::kLevelExit || kind == game::kTeleport) {
                Report(n, arrival.tile,
                       arrival.Describe() + " puts the hero on " +
                           (kind == game::kLevelExit ? "an exit" : "a teleport") +
                           ", which sends him on at once");
                continue;
            }
            if (arrival.way == Arrival::Way::Teleport) continue;
            const LevelReach& reach = routes_.ReachFrom(n, arrival.tile);
            if (reach.exits.empty() && !reach.passage && !reach.ending)
                Report(
                    n, arrival.tile,
                    "the hero arriving here by " + arrival.Describe() + " cannot reach any exit");
        }
    }

    // One line for each run of levels that cannot be got to: a way cut
    // off early leaves the whole rest of the cave behind it.
    void CheckLevelsReached() {
        const std::vector<bool> reached = routes_.LevelsReachedFromStart();
        const int32_t count = routes_.LevelCount();
        for (int32_t first = 0; first < count; ++first) {
            if (reached[first]) continue;
            int32_t last = first;
            while (last + 1 < count && !reached[last + 1])
                ++last;
            if (first == last)
                problems_.push_back("level " + std::to_string(first) +
                                    ": the hero cannot get here from level 0");
            else
                problems_.push_back("levels " + std::to_string(first) + " to " +
                                    std::to_string(last) +
                                    ": the hero cannot get to them from level 0");
            first = last;
        }
    }

    // Everything placed for the hero can be reached from some arrival.
    void CheckOffers(int32_t n) {
        const WalkLevel& level = routes_.Level(n);
        std::array<bool, game::kTileCount> tiles{};
        std::vector<bool> items(level.items.size(), false);
        // The teleports' targets last: one already walked to adds nothing.
        for (bool teleports : {false, true}) {
            for (const Arrival& arrival : routes_.ArrivalsInto(n)) {
                if ((arrival.way == Arrival::Way::Teleport) != teleports) continue;
                if (IsWallKind(level.kinds[arrival.tile]) || (teleports && tiles[arrival.tile]))
                    continue;
                const LevelReach& reach = routes_.ReachFrom(n, arrival.tile);
                for (int32_t t = 0; t < game::kTileCount; ++t)
                    tiles[t] = tiles[t] || reach.tiles[t];
                for (size_t i = 0; i < items.size(); ++i)
                    items[i] = items[i] || reach.items[i];
            }
        }
        for (int32_t t = 0; t < game::kTileCount; ++t) {
            const int16_t kind = level.kinds[t];
            if (IsOffer(kind) && !tiles[t])
                Report(n, t,
                       "the hero cannot reach this " +
                           std::string(game::kTileKindNames[static_cast<size_t>(kind)]));
        }
        for (size_t i = 0; i < items.size(); ++i) {
            const WalkLevel::Thing& item = level.items[i];
            if (items[i] || item.kind == 9) continue;  // kind 9 is never taken
            problems_.push_back("level " + std::to_string(n) + ": item " + std::to_string(i) +
                                " (kind " + std::to_string(item.kind) + ") at (" +
                                std::to_string(item.x) + ", " + std::to_string(item.y) +
                                "): the hero cannot reach it");
        }
        if (n == kPassageLevel && routes_.LevelCount() > kPassageTargetLevel &&
            !tiles[kPassageTile])
            Report(n, kPassageTile, "the hero cannot reach the hidden passage");
    }

    CampaignRoutes routes_;
    SearchSettings settings_;
    std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> CheckReachability(const game::PackageRecord& package,
                                           const SearchSettings& settings) {
    return ReachChecker(package, settings).Run();
}

}  // namespace levels_tool
