#include "tools/levels/compiler/greeting_check.h"

#include <algorithm>

#include "game/core/game_state.h"
#include "tools/levels/bots/campaign_routes.h"

namespace levels_tool {
namespace {

// A sign that acts once: "ONCE" in any letter case, as the tile events read it.
bool ActsOnce(const std::string& param) {
    if (param.size() != 4) return false;
    for (size_t k = 0; k < 4; ++k)
        if ((param[k] & ~0x20) != "ONCE"[k]) return false;
    return true;
}

}  // namespace

std::string GreetingPrefix(int32_t level) {
    return std::to_string(level) + ". patro: ";
}

std::vector<std::string> CheckGreetings(const game::PackageRecord& package) {
    CampaignRoutes routes(package, {});
    std::vector<std::string> problems;
    for (int32_t n = 0; n < routes.LevelCount(); ++n) {
        const game::LevelRecord& level = package.levels[n];
        const std::string prefix = GreetingPrefix(n);
        std::vector<int32_t> told;
        for (const Arrival& arrival : routes.ArrivalsInto(n)) {
            if (arrival.way == Arrival::Way::Teleport) continue;
            const int32_t t = arrival.tile;
            if (arrival.way == Arrival::Way::Exit && arrival.fromTile == t)
                problems.push_back(TilePlace(n, t) + ": " + arrival.Describe() +
                                   " leads onto its own tile index, so the greeting here "
                                   "stays silent");
            if (std::find(told.begin(), told.end(), t) != told.end()) continue;
            told.push_back(t);
            const game::TileRecord& tile = level.tiles[t];
            const bool greets = tile.Kind == game::kSign && ActsOnce(tile.Param2) &&
                                tile.Param1.size() > prefix.size() &&
                                tile.Param1.compare(0, prefix.size(), prefix) == 0;
            if (!greets)
                problems.push_back(TilePlace(n, t) + ": the hero arrives here by " +
                                   arrival.Describe() +
                                   ", but no sign marked once greets him with \"" + prefix +
                                   "\" and the level's name");
        }
    }
    return problems;
}

}  // namespace levels_tool
