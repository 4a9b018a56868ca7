#include "tools/levels/bots/campaign_routes.h"

#include <deque>

namespace levels_tool {

std::string Arrival::Describe() const {
    switch (way) {
        case Way::Start:
            return "the start of a new game";
        case Way::Exit:
            return "the exit of level " + std::to_string(fromLevel) + " (tile " +
                   std::to_string(fromTile) + ")";
        case Way::Teleport:
            return "the teleport on tile " + std::to_string(fromTile);
        case Way::Passage:
            return "the hidden passage of level " + std::to_string(fromLevel);
    }
    return {};
}

CampaignRoutes::CampaignRoutes(const game::PackageRecord& package, const SearchSettings& settings)
    : settings_(settings) {
    const int32_t count = static_cast<int32_t>(package.levels.size());
    for (int32_t n = 0; n < count; ++n)
        levels_.push_back(WalkLevelOf(package.levels[n], n));
    arrivals_.resize(count);
    if (count > 0) arrivals_[0].push_back({0, game::kNewGameTile, Arrival::Way::Start});
    for (int32_t n = 0; n < count; ++n) {
        const WalkLevel& level = levels_[n];
        for (int32_t t = 0; t < game::kTileCount; ++t) {
            const int32_t to = level.toLevel[t];
            if (level.kinds[t] == game::kLevelExit && level.arrival[t] >= 0 && to >= 0 &&
                to < count)
                arrivals_[to].push_back({to, level.arrival[t], Arrival::Way::Exit, n, t});
            else if (level.kinds[t] == game::kTeleport && level.target[t] >= 0)
                arrivals_[n].push_back({n, level.target[t], Arrival::Way::Teleport, n, t});
        }
    }
    if (count > kPassageTargetLevel && count > kPassageLevel)
        arrivals_[kPassageTargetLevel].push_back({kPassageTargetLevel, kPassageTargetTile,
                                                  Arrival::Way::Passage, kPassageLevel,
                                                  kPassageTile});
}

const LevelReach& CampaignRoutes::ReachFrom(int32_t level, int32_t tile) {
    const Place place{level, tile};
    auto found = reaches_.find(place);
    if (found != reaches_.end()) return found->second;

    const WalkLevel& walk = levels_[level];
    HeroSearch search(walk, settings_);
    search.AddStart(ArrivalX(tile), ArrivalY(tile));
    search.Run();

    LevelReach reach;
    for (size_t i = 0; i < reach.tiles.size(); ++i) {
        const auto t = static_cast<int32_t>(i);
        reach.tiles[i] = search.ReachedTile(t);
        // An exit a mechanism has made counts as well.
        if (reach.tiles[i] && search.Kinds()[i] == game::kLevelExit && walk.arrival[i] >= 0)
            reach.exits.push_back(t);
    }
    for (size_t i = 0; i < walk.items.size(); ++i)
        reach.items.push_back(search.TouchedItem(i));
    reach.passage =
        level == kPassageLevel && LevelCount() > kPassageTargetLevel && reach.tiles[kPassageTile];
    reach.ending = level == settings_.endLevel && reach.tiles[settings_.endTile];
    return reaches_.emplace(place, std::move(reach)).first->second;
}

std::vector<std::pair<CampaignRoutes::Place, Leg>> CampaignRoutes::WaysOn(const Place& from,
                                                                          bool passage) {
    const auto [level, tile] = from;
    std::vector<std::pair<Place, Leg>> ways;
    const LevelReach& reach = ReachFrom(level, tile);
    const WalkLevel& walk = levels_[level];
    for (int32_t exit : reach.exits) {
        const int32_t to = walk.toLevel[exit];
        if (to < 0 || to >= LevelCount()) continue;
        ways.push_back({{to, walk.arrival[exit]}, {level, tile, exit, Leg::Goal::Exit}});
    }
    if (passage && reach.passage)
        ways.push_back({{kPassageTargetLevel, kPassageTargetTile},
                        {level, tile, kPassageTile, Leg::Goal::Passage}});
    return ways;
}

std::optional<std::vector<Leg>> CampaignRoutes::Route(const Place& start, bool toEnding,
                                                      int32_t target) {
    if (auto route = Search(start, toEnding, target, false)) return route;
    return Search(start, toEnding, target, true);
}

std::optional<std::vector<Leg>> CampaignRoutes::Search(const Place& start, bool toEnding,
                                                       int32_t target, bool passage) {
    if (start.first < 0 || start.first >= LevelCount() || !game::IsTileIndex(start.second))
        return std::nullopt;
    // Breadth first over the places the hero arrives at: the fewest levels
    // crossed.
    std::map<Place, std::pair<Place, Leg>> cameFrom;
    std::deque<Place> queue{start};
    cameFrom[start] = {start, {}};
    while (!queue.empty()) {
        const Place place = queue.front();
        queue.pop_front();
        std::optional<Leg> last;
        if (toEnding && place.first == settings_.endLevel &&
            ReachFrom(place.first, place.second).ending)
            last = Leg{place.first, place.second, settings_.endTile, Leg::Goal::Ending};
        if (last || (!toEnding && place.first == target)) {
            std::vector<Leg> legs;
            if (last) legs.push_back(*last);
            for (Place p = place; p != start; p = cameFrom[p].first)
                legs.push_back(cameFrom[p].second);
            return std::vector<Leg>(legs.rbegin(), legs.rend());
        }
        for (const auto& [next, leg] : WaysOn(place, passage)) {
            if (cameFrom.count(next)) continue;
            cameFrom[next] = {place, leg};
            queue.push_back(next);
        }
    }
    return std::nullopt;
}

std::optional<std::vector<Leg>> CampaignRoutes::RouteToEnding() {
    return Route({0, game::kNewGameTile}, true, settings_.endLevel);
}

std::optional<std::vector<Leg>> CampaignRoutes::RouteToLevel(int32_t n) {
    return Route({0, game::kNewGameTile}, false, n);
}

std::optional<std::vector<Leg>> CampaignRoutes::RouteToEndingFrom(int32_t level, int32_t tile) {
    return Route({level, tile}, true, settings_.endLevel);
}

std::optional<std::vector<Leg>> CampaignRoutes::RouteToLevelFrom(int32_t level, int32_t tile,
                                                                 int32_t n) {
    return Route({level, tile}, false, n);
}

std::vector<bool> CampaignRoutes::LevelsReachedFromStart() {
    std::vector<bool> reached(levels_.size(), false);
    if (levels_.empty()) return reached;
    const Place start{0, game::kNewGameTile};
    std::map<Place, bool> seen{{start, true}};
    std::deque<Place> queue{start};
    while (!queue.empty()) {
        const Place place = queue.front();
        queue.pop_front();
        reached[place.first] = true;
        for (const auto& [next, leg] : WaysOn(place))
            if (seen.emplace(next, true).second) queue.push_back(next);
    }
    return reached;
}

std::optional<CampaignRoutes::Entry> CampaignRoutes::EntryInto(int32_t n) {
    if (n == 0 && LevelCount() > 0) return Entry{};
    const auto route = RouteToLevel(n);
    if (!route || route->empty()) return std::nullopt;
    const Leg& last = route->back();
    if (last.kind != Leg::Goal::Exit) return Entry{kPassageTargetTile, kPassageTile};
    return Entry{levels_[last.level].arrival[last.goal], last.goal};
}

std::optional<Leg> CampaignRoutes::WayOnFrom(int32_t n, int32_t tile) {
    std::optional<std::vector<Leg>> route;
    if (LevelCount() > settings_.endLevel) {
        route = RouteToEndingFrom(n, tile);
    } else {
        const std::vector<bool> reached = LevelsReachedFromStart();
        int32_t deepest = 0;
        for (int32_t level = 0; level < LevelCount(); ++level)
            if (reached[level]) deepest = level;
        if (deepest != n) route = RouteToLevelFrom(n, tile, deepest);
    }
    if (!route || route->empty()) return std::nullopt;
    return route->front();
}

void CampaignRoutes::CarryChanges(int32_t n, int32_t tile) {
    if (n < 0 || n >= LevelCount() || !game::IsTileIndex(tile)) return;
    WalkLevel& walk = levels_[n];
    HeroSearch search(walk, settings_);
    search.AddStart(ArrivalX(tile), ArrivalY(tile));
    search.Run();
    if (search.AppliedMechanisms().empty()) return;
    walk.kinds = search.Kinds();
    for (auto it = reaches_.begin(); it != reaches_.end();)
        it = it->first.first == n ? reaches_.erase(it) : std::next(it);
}

std::string TilePlace(int32_t level, int32_t t) {
    return "level " + std::to_string(level) + ", tile " + std::to_string(t) + " (column " +
           std::to_string(t % game::kGridSize) + ", row " + std::to_string(t / game::kGridSize) +
           ")";
}

}  // namespace levels_tool
