#include "game/records/achievements.h"

#include <algorithm>

#include "game/core/acts.h"
#include "game/core/campaign_places.h"
#include "game/platform/shown_text.h"

namespace game {
namespace {

bool ActOneDeathless(const RunStatistics& s, const CampaignFacts&) {
    const auto& done = s.progress.actsDone;
    return std::any_of(done.begin(), done.end(),
                       [](const ActDone& d) { return d.act == 0 && d.deaths == 0; });
}

bool ActWithoutPotion(const RunStatistics& s, const CampaignFacts&) {
    const auto& done = s.progress.actsDone;
    return std::any_of(done.begin(), done.end(), [](const ActDone& d) { return d.potions == 0; });
}

bool EverySecretOfAnAct(const RunStatistics& s, const CampaignFacts& facts) {
    for (int act = 0; act < kActCount; ++act) {
        const int secrets = facts.SecretsOfAct(act);
        if (secrets > 0 && facts.SecretsFound(s, act) == secrets) return true;
    }
    return false;
}

bool EverySecret(const RunStatistics& s, const CampaignFacts& facts) {
    return facts.SecretCount() > 0 && facts.SecretsFound(s) == facts.SecretCount();
}

bool Refuge(const RunStatistics& s, const CampaignFacts&) {
    const auto& found = s.progress.secrets;
    return std::find(found.begin(), found.end(), SecretPlace{kPassageLevel, kPassageTile}) !=
           found.end();
}

bool CaveNormal(const RunStatistics& s, const CampaignFacts&) {
    return s.progress.ending && s.difficulty == Difficulty::kNormal;
}

bool CaveEasy(const RunStatistics& s, const CampaignFacts&) {
    return s.progress.ending && s.difficulty == Difficulty::kEasy;
}

bool Swift(const RunStatistics& s, const CampaignFacts&) {
    return s.progress.ending && s.progress.ending->frames < kSwiftFrames;
}

bool LordsUntouched(const RunStatistics& s, const CampaignFacts& facts) {
    if (facts.lordsInHall <= 0) return false;
    for (const LevelVisit& visit : s.progress.visits) {
        if (visit.level != kLastLevel || visit.livesLost != 0) continue;
        const auto lords = visit.kills.find(kLordPicture);
        if (lords != visit.kills.end() && lords->second >= static_cast<uint32_t>(facts.lordsInHall))
            return true;
    }
    return false;
}

bool Deathless(const RunStatistics& s, const CampaignFacts&) {
    return s.progress.ending && s.progress.ending->deaths == 0;
}

bool InOneGo(const RunStatistics& s, const CampaignFacts&) {
    return s.progress.ending && s.attempts.reloads == 0;
}

bool Hunter(const RunStatistics& s, const CampaignFacts&) {
    uint64_t kills = 0;
    for (const LevelVisit& visit : s.progress.visits)
        kills += visit.Kills();
    return kills >= kHunterKills;
}

bool Treasure(const RunStatistics& s, const CampaignFacts&) {
    int64_t gold = 0;
    for (const LevelVisit& visit : s.progress.visits)
        gold += visit.gold;
    return gold >= kTreasureGold;
}

}  // namespace

const std::vector<Achievement>& Achievements() {
    static const std::vector<Achievement> kAll = {
        {"act-one-deathless", SHOWN_TEXT("Achievements", "Čistý štít"),
         SHOWN_TEXT("Achievements", "Projděte I. dějstvím bez jediné smrti."), true,
         ActOneDeathless},
        {"act-without-potion", SHOWN_TEXT("Achievements", "Bez lektvaru"),
         SHOWN_TEXT("Achievements", "Projděte celým dějstvím, aniž vypijete jediný lektvar."), true,
         ActWithoutPotion},
        {"secrets-of-an-act", SHOWN_TEXT("Achievements", "Průzkumník"),
         SHOWN_TEXT("Achievements", "Najděte všechna tajemství jednoho dějství."), false,
         EverySecretOfAnAct},
        {"every-secret", SHOWN_TEXT("Achievements", "Všechna tajemství"),
         SHOWN_TEXT("Achievements", "Najděte všechna tajemství celé jeskyně."), false, EverySecret},
        {"refuge", SHOWN_TEXT("Achievements", "Bořkovo útočiště"),
         SHOWN_TEXT("Achievements", "Najděte skrytou cestu do Bořkova útočiště."), false, Refuge},
        {"cave-normal", SHOWN_TEXT("Achievements", "Srdce hory"),
         SHOWN_TEXT("Achievements", "Dojděte na konec jeskyně v normální hře."), false, CaveNormal},
        {"cave-easy", SHOWN_TEXT("Achievements", "Srdce hory lehkou cestou"),
         SHOWN_TEXT("Achievements", "Dojděte na konec jeskyně v lehké hře."), false, CaveEasy},
        {"swift", SHOWN_TEXT("Achievements", "Rychlý jako vítr"),
         SHOWN_TEXT("Achievements", "Projděte celou jeskyní za méně než tři hodiny hraní."), true,
         Swift},
        {"lords-untouched", SHOWN_TEXT("Achievements", "Páni hlubin padli"),
         SHOWN_TEXT("Achievements",
                    "Porazte pány hlubin v poslední síni, aniž přijdete o jediný život."),
         true, LordsUntouched},
        {"deathless", SHOWN_TEXT("Achievements", "Nesmrtelný"),
         SHOWN_TEXT("Achievements", "Projděte celou jeskyní bez jediné smrti."), true, Deathless},
        {"in-one-go", SHOWN_TEXT("Achievements", "Jedním dechem"),
         SHOWN_TEXT("Achievements", "Projděte celou jeskyní, aniž nahrajete uloženou hru."), true,
         InOneGo},
        {"hunter", SHOWN_TEXT("Achievements", "Lovec"),
         SHOWN_TEXT("Achievements", "Zabijte v jedné hře 300 nestvůr."), true, Hunter},
        {"treasure", SHOWN_TEXT("Achievements", "Poklad hory"),
         SHOWN_TEXT("Achievements", "Nasbírejte v jedné hře 2500 zlatých."), false, Treasure},
    };
    return kAll;
}

const Achievement* AchievementById(std::string_view id) {
    for (const Achievement& a : Achievements())
        if (id == a.id) return &a;
    return nullptr;
}

std::vector<const Achievement*> EarnedAchievements(const RunStatistics& s,
                                                   const CampaignFacts& facts) {
    std::vector<const Achievement*> earned;
    // The cave's own achievements, for a run counted whole.
    if (!s.campaign.empty() || !s.fromStart) return earned;
    for (const Achievement& a : Achievements())
        if ((!a.honestOnly || s.attempts.cheats == 0) && a.rule(s, facts)) earned.push_back(&a);
    return earned;
}

}  // namespace game
