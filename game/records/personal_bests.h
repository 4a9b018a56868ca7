// The player's records over all his runs: for each campaign and difficulty
// the fastest time and the fewest deaths of each act and of the whole cave,
// and the achievements earned.  Each names the recordings of the run that
// made it (by their time stamps), so that it can be recomputed from them;
// those recordings are kept for good.  A run counts only when its
// statistics were kept from its new game on and no cheat helped it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "game/core/run_statistics.h"
#include "game/records/achievements.h"
#include "game/records/campaign_facts.h"

namespace game {

// Acts are 0 to 9; the whole cave comes after them.
inline constexpr int kWholeCave = 10;

struct BestKey {
    std::string campaign;  // the pack's folder name; empty for the game's own cave
    std::string campaignHash;
    Difficulty difficulty = Difficulty::kNormal;
    int scope = kWholeCave;  // an act, or kWholeCave

    auto Tied() const { return std::tie(campaign, campaignHash, difficulty, scope); }
    bool operator<(const BestKey& other) const { return Tied() < other.Tied(); }
    bool operator==(const BestKey& other) const { return Tied() == other.Tied(); }
};

struct BestRecord {
    uint64_t value = 0;   // frames, or deaths
    uint64_t frames = 0;  // the time it was made in (for the fewest deaths too)
    uint64_t run = 0;
    int64_t when = 0;  // seconds since 1970
    std::vector<std::string> recordings;

    bool operator==(const BestRecord&) const = default;
};

struct Bests {
    std::optional<BestRecord> fastest;
    std::optional<BestRecord> fewestDeaths;

    bool operator==(const Bests&) const = default;
};

struct EarnedAchievement {
    std::string id;
    int64_t when = 0;
    uint64_t run = 0;
    std::vector<std::string> recordings;

    bool operator==(const EarnedAchievement&) const = default;
};

struct PlayerRecords {
    std::map<BestKey, Bests> bests;
    // A pack's name as the player knew it, by folder name.
    std::map<std::string, std::string> campaignNames;
    std::vector<EarnedAchievement> achievements;  // in the order earned
    // The tries of the runs seen lately (run_statistics.h).
    AttemptsLedger ledger;

    bool operator==(const PlayerRecords&) const = default;
    const EarnedAchievement* Earned(std::string_view id) const;
    // Every recording a best or an achievement names.
    std::set<std::string> NamedRecordings() const;
};

// What a run brought: bests it beat, achievements it earned.
struct RecordsNews {
    std::vector<std::pair<BestKey, bool>> bests;  // true: the fastest, false: the fewest deaths
    std::vector<const Achievement*> achievements;

    bool Empty() const { return bests.empty() && achievements.empty(); }
};

// Takes what the run has done so far into the records: each act gone on
// from and the whole cave when it was finished, and the achievements it has
// earned that the player had not.  A tie keeps the older record.
RecordsNews TakeRun(PlayerRecords& records, const RunStatistics& statistics,
                    const CampaignFacts& facts, int64_t now, const std::string& campaignName);

}  // namespace game
