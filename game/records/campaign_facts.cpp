#include "game/records/campaign_facts.h"

#include <algorithm>

#include "game/core/acts.h"
#include "game/core/campaign_places.h"
#include "game/core/tile_kinds.h"

namespace game {
namespace {

constexpr int kFieldSide = 25;

std::vector<std::vector<int16_t>> HiddenWallClusters(const LevelRecord& level) {
    std::vector<std::vector<int16_t>> clusters;
    std::vector<bool> seen(level.tiles.size(), false);
    const auto hidden = [&](int t) {
        return IsHiddenWall(level.tiles[t].Kind, level.tiles[t].Picture);
    };
    for (int start = 0; start < static_cast<int>(level.tiles.size()); ++start) {
        if (seen[start] || !hidden(start)) continue;
        std::vector<int16_t> cluster;
        std::vector<int> open{start};
        seen[start] = true;
        while (!open.empty()) {
            const int t = open.back();
            open.pop_back();
            cluster.push_back(static_cast<int16_t>(t));
            const int row = t / kFieldSide, column = t % kFieldSide;
            const int next[4][2] = {
                {row - 1, column}, {row + 1, column}, {row, column - 1}, {row, column + 1}};
            for (const auto& [r, c] : next) {
                if (r < 0 || r >= kFieldSide || c < 0 || c >= kFieldSide) continue;
                const int n = r * kFieldSide + c;
                if (seen[n] || !hidden(n)) continue;
                seen[n] = true;
                open.push_back(n);
            }
        }
        std::sort(cluster.begin(), cluster.end());
        clusters.push_back(std::move(cluster));
    }
    return clusters;
}

bool SecretFound(const RunStatistics& statistics, int32_t level,
                 const std::vector<int16_t>& secret) {
    for (const SecretPlace& place : statistics.progress.secrets)
        if (place.level == level &&
            std::find(secret.begin(), secret.end(), place.tile) != secret.end())
            return true;
    return false;
}

}  // namespace

CampaignFacts FactsOfCampaign(const PackageRecord& package, bool builtIn) {
    CampaignFacts facts;
    for (size_t n = 0; n < package.levels.size(); ++n) {
        auto clusters = HiddenWallClusters(package.levels[n]);
        if (!clusters.empty()) facts.secrets[static_cast<int32_t>(n)] = std::move(clusters);
    }
    if (!builtIn) return facts;
    if (package.levels.size() > static_cast<size_t>(kPassageTargetLevel))
        facts.secrets[kPassageLevel].push_back({static_cast<int16_t>(kPassageTile)});
    if (package.levels.size() > static_cast<size_t>(kLastLevel))
        for (const MonsterRecord& m : package.levels[kLastLevel].monsters)
            if (m.Picture == kLordPicture) ++facts.lordsInHall;
    return facts;
}

int CampaignFacts::SecretsOfAct(int act) const {
    int n = 0;
    for (const auto& [level, list] : secrets)
        if (ActOfLevel(level) == act) n += static_cast<int>(list.size());
    return n;
}

int CampaignFacts::SecretsFound(const RunStatistics& statistics, int act) const {
    int n = 0;
    for (const auto& [level, list] : secrets)
        if (ActOfLevel(level) == act)
            for (const auto& secret : list)
                n += SecretFound(statistics, level, secret) ? 1 : 0;
    return n;
}

int CampaignFacts::SecretCount() const {
    int n = 0;
    for (const auto& [level, list] : secrets)
        n += static_cast<int>(list.size());
    return n;
}

int CampaignFacts::SecretsFound(const RunStatistics& statistics) const {
    int n = 0;
    for (int act = 0; act < kActCount; ++act)
        n += SecretsFound(statistics, act);
    return n;
}

}  // namespace game
