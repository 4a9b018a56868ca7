// A run's statistics through saves and loads: a load puts the progress back
// as its save had it and never the tries; a save from before statistics
// loads as a run counted from there; the statistics' line reads back and
// damage is refused without costing the save its description.
#include <gtest/gtest.h>

#include <string>

#include "game/core/game_state.h"
#include "game/core/run_statistics.h"
#include "game/core/run_statistics_text.h"
#include "game/core/run_timer.h"
#include "game/levels/save_description.h"
#include "game/levels/save_games.h"
#include "game/play/game_flow.h"
#include "game/world/hero_death.h"
#include "game/world/world_effects.h"
#include "levels/levels_test.h"

namespace {

using namespace game;
using levels_test::LevelsTest;

void Play(int frames) {
    for (int i = 0; i < frames; ++i)
        CountStatisticsFrame();
}

TEST_F(LevelsTest, ALoadPutsTheProgressBackButNeverTheTries) {
    MakeWorkingLevels(10, 7);
    BeginRunStatistics();
    const uint64_t run = CurrentRunStatistics().run;
    Play(600);
    CountKill(3);
    CountKill(3);
    CountGold(11);
    ASSERT_TRUE(TravelToLevel(8, 591));  // into act II: act I is done
    Play(120);
    CountPotion();
    ASSERT_TRUE(QuickSave());
    const RunProgress saved = CurrentRunStatistics().progress;
    ASSERT_EQ(saved.actsDone.size(), 1u);
    EXPECT_EQ(saved.actsDone[0], (ActDone{0, 600, 0, 0}));

    Play(300);
    CountSecret(8, 30);
    KillHero();
    CountCheat();
    ASSERT_TRUE(QuickLoad());
    const RunStatistics& loaded = CurrentRunStatistics();
    EXPECT_EQ(loaded.run, run);
    EXPECT_EQ(loaded.progress, saved);
    EXPECT_EQ(loaded.Frames(), 720u);
    EXPECT_EQ(loaded.attempts.deaths, (std::map<int32_t, uint32_t>{{8, 1}}));
    EXPECT_EQ(loaded.attempts.reloads, 1u);
    EXPECT_EQ(loaded.attempts.cheats, 1u);
    EXPECT_EQ(ActDeaths(loaded, 1), 1u);

    // Another game and back: the run's tries come from the ledger.
    ASSERT_TRUE(SaveGame("druha"));
    BeginRunStatistics();
    EXPECT_NE(CurrentRunStatistics().run, run);
    ASSERT_TRUE(LoadGame("druha"));
    EXPECT_EQ(CurrentRunStatistics().run, run);
    EXPECT_EQ(CurrentRunStatistics().attempts.reloads, 2u);
    EXPECT_EQ(CurrentRunStatistics().attempts.Deaths(), 1u);

    // A save from before statistics: its play time is play before, and the
    // run is not counted from its start.
    std::optional<SaveDescription> old = ReadSaveDescription("quick");
    ASSERT_TRUE(old && old->statistics);
    old->statistics.reset();
    old->playFrames = 5000;
    std::string why;
    ASSERT_TRUE(WriteUnfinishedDescription(*old, &why)) << why;
    std::filesystem::rename(UnfinishedDescriptionPath(), SavePath(DescriptionFileName("quick")));
    ASSERT_TRUE(QuickLoad());
    EXPECT_FALSE(CurrentRunStatistics().fromStart);
    EXPECT_NE(CurrentRunStatistics().run, run);
    EXPECT_EQ(CurrentRunStatistics().Frames(), 5000u);
    EXPECT_EQ(CurrentRunStatistics().attempts.reloads, 1u);
}

// The racer's timer: the run's time, and an act's split for two seconds of
// play after it ends; a load gone back before the act's end shows none.
TEST_F(LevelsTest, TheTimerShowsTheRunsTimeAndAnActsSplitForTwoSecondsOfPlay) {
    MakeWorkingLevels(25, 7);
    RunTimer timer;
    BeginRunStatistics();
    Play(3599);
    ASSERT_TRUE(QuickSave());
    Play(1);
    EXPECT_EQ(timer.Reading().time, "0:01:00");
    EXPECT_FALSE(timer.Reading().split);
    ASSERT_TRUE(TravelToLevel(8, 591));
    ASSERT_TRUE(timer.Reading().split);
    EXPECT_EQ(*timer.Reading().split, (ActDone{0, 3600, 0, 0}));
    Play(static_cast<int>(kActSplitFrames) - 1);
    EXPECT_TRUE(timer.Reading().split);
    Play(1);
    EXPECT_FALSE(timer.Reading().split);
    // Two acts at once (a level far on): the later one shows.
    ASSERT_TRUE(TravelToLevel(24, 591));
    ASSERT_TRUE(timer.Reading().split);
    EXPECT_EQ(timer.Reading().split->act, 2);
    ASSERT_TRUE(QuickLoad());
    EXPECT_FALSE(timer.Reading().split);
    EXPECT_EQ(timer.Reading().time, "0:00:59");
}

TEST(RunStatisticsText, WhatIsWrittenReadsBackAndDamageIsRefused) {
    RunStatistics s;
    s.run = 0x0123456789abcdefull;
    s.fromStart = false;
    s.framesBefore = 77;
    s.progress.visits = {{0, 600, {{3, 2}, {15, 1}}, 11, 1, 4}, {8, 120, {}, 0, 0, 0}};
    s.progress.secrets = {{55, 79}, {8, 30}};
    s.progress.actsDone = {{0, 600, 2, 1}};
    s.progress.ending = CaveEnd{720, 2};
    s.attempts.deaths = {{3, 2}};
    s.attempts.reloads = 4;
    s.attempts.cheats = 1;
    s.attempts.recordings = {"20261208-101500", "20261208-101500-1"};
    const std::string text = FormatRunStatistics(s);
    EXPECT_EQ(ParseRunStatistics(text), s);
    EXPECT_EQ(ParseRunStatistics(text + " weather=rain"), s) << "a later version's word";
    EXPECT_EQ(ParseRunStatistics(FormatRunStatistics(RunStatistics{})), RunStatistics{});

    const std::string run = "1 run=0000000000000001";
    const struct {
        const char* why;
        std::string text;
    } damaged[] = {
        {"another version", "2 run=0000000000000001"},
        {"nothing", ""},
        {"two blanks", run + "  v=0,1,0,0,0"},
        {"a word without =", run + " v"},
        {"a short run", "1 run=12"},
        {"a run not in hexadecimal", "1 run=000000000000000g"},
        {"a visit cut short", run + " v=0,1,0,0"},
        {"a negative level", run + " v=-1,1,0,0,0"},
        {"a kill without its count", run + " v=0,1,0,0,0,3"},
        {"frames past any run", run + " v=0,99999999999999999,0,0,0"},
        {"a tile off the grid", run + " s=3:625"},
        {"an act past the last", run + " a=10,1,0,0"},
        {"an ending without deaths", run + " end=5"},
        {"deaths not a number", run + " d=3:x"},
        {"a recording's stamp of letters", run + " rec=../x"},
        {"start neither 0 nor 1", run + " start=2"},
    };
    for (const auto& d : damaged)
        EXPECT_FALSE(ParseRunStatistics(d.text)) << d.why;

    // In a save's description, a line that does not read costs the save its
    // statistics, never its description.
    SaveDescription description;
    description.level = 3;
    description.thumbnail = {1, 1, {0xFF000000u}};
    description.statistics = s;
    EXPECT_EQ(ParseSaveDescription(FormatSaveDescription(description)), description);
    std::vector<uint8_t> bytes = FormatSaveDescription(description);
    std::string asText(bytes.begin(), bytes.end());
    asText.replace(asText.find("statistics=1 "), 13, "statistics=9 ");
    const auto read = ParseSaveDescription({asText.begin(), asText.end()});
    ASSERT_TRUE(read);
    EXPECT_FALSE(read->statistics);
    EXPECT_EQ(read->level, 3);
}

}  // namespace
