// The achievements of the game's own cave: each a rule over a run's
// statistics (and what the cave holds), earned once for good.  A run begun
// before its statistics were counted earns none, and those a cheat would
// give away are earned only by a run that used none.
#pragma once

#include <string_view>
#include <vector>

#include "game/core/run_statistics.h"
#include "game/records/campaign_facts.h"

namespace game {

struct Achievement {
    const char* id;           // names it in the records file, never changes
    const char* name;         // in Czech; the windows show it translated
    const char* description;  // what earns it, in Czech
    bool honestOnly;          // not with the cheat key or a tool's help
    bool (*rule)(const RunStatistics& statistics, const CampaignFacts& facts);
};

const std::vector<Achievement>& Achievements();
const Achievement* AchievementById(std::string_view id);

// Every achievement the run has earned, in the table's order.
std::vector<const Achievement*> EarnedAchievements(const RunStatistics& statistics,
                                                   const CampaignFacts& facts);

// The hunter's and the treasure's thresholds, and the swift run's limit.
inline constexpr uint32_t kHunterKills = 300;
inline constexpr int64_t kTreasureGold = 2500;
inline constexpr uint64_t kSwiftFrames = 3ull * 60 * 60 * 60;

}  // namespace game
