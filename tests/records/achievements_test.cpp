// The achievements' rules over fabricated runs, and the personal bests a run
// makes or does not.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "game/core/campaign_places.h"
#include "game/records/achievements.h"
#include "game/records/personal_bests.h"

namespace {

using namespace game;

// A cave of two secrets in act I (one of them two tiles), the passage and
// two lords in the hall.
CampaignFacts Facts() {
    CampaignFacts facts;
    facts.secrets[3] = {{30, 31}};
    facts.secrets[5] = {{200}};
    facts.secrets[kPassageLevel] = {{kPassageTile}};
    facts.lordsInHall = 2;
    return facts;
}

LevelVisit Visit(int32_t level, uint64_t frames) {
    LevelVisit v;
    v.level = level;
    v.frames = frames;
    v.potions = 1;
    return v;
}

// The whole cave in an hour, a potion in every act, a death in act III,
// one load, gold and kills short of the thresholds.
RunStatistics WholeCave() {
    RunStatistics s;
    s.run = 7;
    for (int32_t level = 0; level <= kLastLevel; ++level)
        s.progress.visits.push_back(Visit(level, 2700));
    for (int act = 0; act < 10; ++act)
        s.progress.actsDone.push_back({act, 8 * 2700, act == 2 ? 1u : 0u, 8});
    s.progress.ending = CaveEnd{s.Frames(), 1};
    s.progress.visits[kLastLevel].kills[kLordPicture] = 2;
    s.progress.visits[kLastLevel].livesLost = 3;
    s.attempts.deaths[20] = 1;
    s.attempts.reloads = 1;
    return s;
}

TEST(Achievements, EachRuleOverFabricatedRuns) {
    using Change = std::function<void(RunStatistics&)>;
    const struct {
        const char* run;
        Change change;
        std::set<std::string> earned;
    } runs[] = {
        {"the whole cave in an hour",
         [](RunStatistics&) {},
         {"act-one-deathless", "cave-normal", "swift"}},
        {"the easy game",
         [](RunStatistics& s) { s.difficulty = Difficulty::kEasy; },
         {"act-one-deathless", "cave-easy", "swift"}},
        {"three hours to the frame is not under three",
         [](RunStatistics& s) { s.progress.ending->frames = kSwiftFrames; },
         {"act-one-deathless", "cave-normal"}},
        {"no death, no load, the lords untouched",
         [](RunStatistics& s) {
             s.attempts = {};
             s.progress.actsDone[2].deaths = 0;
             s.progress.ending->deaths = 0;
             s.progress.visits[kLastLevel].livesLost = 0;
         },
         {"act-one-deathless", "cave-normal", "swift", "deathless", "in-one-go",
          "lords-untouched"}},
        {"a cheat takes the honest ones away",
         [](RunStatistics& s) {
             s.attempts = {};
             s.attempts.cheats = 1;
             s.progress.visits[kLastLevel].livesLost = 0;
         },
         {"cave-normal"}},
        {"one lord in each of two visits of the hall",
         [](RunStatistics& s) {
             s.progress.visits[kLastLevel].livesLost = 0;
             s.progress.visits[kLastLevel].kills[kLordPicture] = 1;
             LevelVisit again = Visit(kLastLevel, 10);
             again.kills[kLordPicture] = 1;
             s.progress.visits.push_back(again);
         },
         {"act-one-deathless", "cave-normal", "swift"}},
        {"a death in act I, act IV without a potion, not finished",
         [](RunStatistics& s) {
             s.progress.ending.reset();
             s.progress.actsDone[0].deaths = 1;
             s.progress.actsDone[3].potions = 0;
         },
         {"act-without-potion"}},
        {"half of a two-tile secret and the other of act I",
         [](RunStatistics& s) {
             s.progress.ending.reset();
             s.progress.secrets = {{3, 31}, {5, 200}};
         },
         {"act-one-deathless", "secrets-of-an-act"}},
        {"every secret, the refuge among them",
         [](RunStatistics& s) {
             s.progress.secrets = {{3, 30}, {5, 200}, {kPassageLevel, kPassageTile}};
         },
         {"act-one-deathless", "cave-normal", "swift", "secrets-of-an-act", "every-secret",
          "refuge"}},
        {"a wall of the secret's level that hid nothing",
         [](RunStatistics& s) {
             s.progress.ending.reset();
             s.progress.secrets = {{3, 32}, {4, 200}};
         },
         {"act-one-deathless"}},
        {"the hunter and the treasure, just",
         [](RunStatistics& s) {
             s.progress.ending.reset();
             s.progress.visits[1].kills[0] = kHunterKills - 2;
             s.progress.visits[2].gold = kTreasureGold;
         },
         {"act-one-deathless", "hunter", "treasure"}},
        {"one kill and one coin short",
         [](RunStatistics& s) {
             s.progress.ending.reset();
             s.progress.visits[1].kills[0] = kHunterKills - 3;
             s.progress.visits[2].gold = kTreasureGold - 1;
         },
         {"act-one-deathless"}},
        {"a campaign pack earns none of the cave's",
         [](RunStatistics& s) { s.campaign = "ztraceny-zvon"; },
         {}},
        {"a run counted from a load earns none", [](RunStatistics& s) { s.fromStart = false; }, {}},
    };
    for (const auto& r : runs) {
        RunStatistics s = WholeCave();
        r.change(s);
        std::set<std::string> earned;
        for (const Achievement* a : EarnedAchievements(s, Facts()))
            earned.insert(a->id);
        EXPECT_EQ(earned, r.earned) << r.run;
    }
    // Each is named, and no two alike.
    std::set<std::string> names;
    for (const Achievement& a : Achievements())
        EXPECT_TRUE(names.insert(a.name).second) << a.name;
    EXPECT_GE(names.size(), 12u);
}

TEST(PersonalBests, OnlyABetterFigureOfAnHonestWholeRunReplacesARecord) {
    PlayerRecords records;
    RunStatistics first = WholeCave();
    first.attempts.recordings = {"20260101-100000"};
    RecordsNews news = TakeRun(records, first, Facts(), 100, "");
    // Eleven scopes of the normal game, each both records; three achievements.
    EXPECT_EQ(news.bests.size(), 22u);
    EXPECT_EQ(news.achievements.size(), 3u);
    EXPECT_TRUE(TakeRun(records, first, Facts(), 101, "").Empty()) << "the same run again";

    const BestKey cave{"", "", Difficulty::kNormal, kWholeCave};
    RunStatistics faster = WholeCave();
    faster.run = 8;
    faster.attempts.recordings = {"20260102-100000", "20260102-110000"};
    faster.progress.ending->frames -= 60;
    faster.progress.ending->deaths = 1;  // a tie: the older one stays
    faster.progress.actsDone[0].frames += 1;
    news = TakeRun(records, faster, Facts(), 200, "");
    ASSERT_EQ(news.bests.size(), 1u);
    EXPECT_EQ(news.bests[0], std::make_pair(cave, true));
    EXPECT_EQ(records.bests[cave].fastest->run, 8u);
    EXPECT_EQ(records.bests[cave].fastest->recordings, faster.attempts.recordings);
    EXPECT_EQ(records.bests[cave].fewestDeaths->run, 7u);
    EXPECT_EQ(records.NamedRecordings(),
              (std::set<std::string>{"20260101-100000", "20260102-100000", "20260102-110000"}));

    RunStatistics cheated = WholeCave();
    cheated.attempts.cheats = 1;
    cheated.progress.ending->frames = 1;
    RunStatistics fromLoad = cheated;
    fromLoad.attempts.cheats = 0;
    fromLoad.fromStart = false;
    EXPECT_TRUE(TakeRun(records, cheated, Facts(), 300, "").bests.empty());
    EXPECT_TRUE(TakeRun(records, fromLoad, Facts(), 300, "").bests.empty());

    // Each difficulty and each campaign has records of its own; a pack's
    // name is kept with them.
    RunStatistics easy = WholeCave(), pack = WholeCave();
    easy.difficulty = Difficulty::kEasy;
    pack.campaign = "zvon";
    pack.campaignHash = "abc";
    EXPECT_EQ(TakeRun(records, easy, Facts(), 400, "").bests.size(), 22u);
    EXPECT_EQ(TakeRun(records, pack, Facts(), 400, "Ztracený zvon").bests.size(), 22u);
    EXPECT_EQ(records.campaignNames.at("zvon"), "Ztracený zvon");
    EXPECT_EQ(records.bests.size(), 33u);
}

}  // namespace
