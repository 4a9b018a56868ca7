#include "game/records/personal_bests.h"

namespace game {
namespace {

bool Counts(const RunStatistics& s) {
    return s.fromStart && s.attempts.cheats == 0;
}

BestRecord RecordOf(const RunStatistics& s, uint64_t value, uint64_t frames, int64_t now) {
    return BestRecord{value, frames, s.run, now, s.attempts.recordings};
}

}  // namespace

const EarnedAchievement* PlayerRecords::Earned(std::string_view id) const {
    for (const EarnedAchievement& a : achievements)
        if (a.id == id) return &a;
    return nullptr;
}

std::set<std::string> PlayerRecords::NamedRecordings() const {
    std::set<std::string> named;
    for (const auto& [key, best] : bests)
        for (const auto& record : {best.fastest, best.fewestDeaths})
            if (record) named.insert(record->recordings.begin(), record->recordings.end());
    for (const EarnedAchievement& a : achievements)
        named.insert(a.recordings.begin(), a.recordings.end());
    return named;
}

RecordsNews TakeRun(PlayerRecords& records, const RunStatistics& s, const CampaignFacts& facts,
                    int64_t now, const std::string& campaignName) {
    RecordsNews news;
    if (Counts(s)) {
        const auto take = [&](int scope, uint64_t frames, uint32_t deaths) {
            const BestKey key{s.campaign, s.campaignHash, s.difficulty, scope};
            Bests& best = records.bests[key];
            // Only a better figure replaces a record: the same run looked at
            // again on its next arrival is no news.
            if (!best.fastest || frames < best.fastest->value) {
                best.fastest = RecordOf(s, frames, frames, now);
                news.bests.emplace_back(key, true);
            }
            if (!best.fewestDeaths || deaths < best.fewestDeaths->value) {
                best.fewestDeaths = RecordOf(s, deaths, frames, now);
                news.bests.emplace_back(key, false);
            }
        };
        for (const ActDone& done : s.progress.actsDone)
            take(done.act, done.frames, done.deaths);
        if (const auto& ending = s.progress.ending)
            take(kWholeCave, ending->frames, ending->deaths);
        if (!s.campaign.empty() && !news.bests.empty())
            records.campaignNames[s.campaign] = campaignName;
    }
    for (const Achievement* a : EarnedAchievements(s, facts)) {
        if (records.Earned(a->id)) continue;
        records.achievements.push_back(EarnedAchievement{a->id, now, s.run, s.attempts.recordings});
        news.achievements.push_back(a);
    }
    return news;
}

}  // namespace game
