// What the records need to know of a campaign besides a run's statistics:
// the secrets of each level (walls that give way while they look like any
// other, each cluster of them one secret, and the hidden passage of the
// game's own cave) and how many lords of the deep wait in its last hall.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "game/core/run_statistics.h"
#include "game/levels/package_record.h"

namespace game {

// The monster picture of the lords of the deep.
inline constexpr int16_t kLordPicture = 15;

struct CampaignFacts {
    // A level's secrets, each the tiles of one cluster of hidden walls
    // (touching side by side), or the passage's one tile.
    std::map<int32_t, std::vector<std::vector<int16_t>>> secrets;
    int lordsInHall = 0;

    // How many secrets the levels of the act hold.
    int SecretsOfAct(int act) const;
    // How many of them the run has found.
    int SecretsFound(const RunStatistics& statistics, int act) const;
    int SecretCount() const;
    int SecretsFound(const RunStatistics& statistics) const;
};

// The facts of the game's own cave from its levels.all (the passage and the
// hall are the game's own, so they count only with builtIn).
CampaignFacts FactsOfCampaign(const PackageRecord& package, bool builtIn);

}  // namespace game
