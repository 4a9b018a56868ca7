// Autosaves on arrival: every way of arriving on a level writes one, they
// rotate over three names, the newest is the one offered, and writing one
// leaves the game exactly as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "game/core/arrivals.h"
#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/core/play_time.h"
#include "game/levels/byte_stream.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/package_record.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_games.h"
#include "game/platform/file_io.h"
#include "game/platform/random.h"
#include "game/play/autosave.h"
#include "game/play/frame_loop.h"
#include "game/play/game_flow.h"
#include "game/play/keyboard.h"
#include "game/replay/state_snapshot.h"
#include "game/world/world_effects.h"
#include "levels/levels_test.h"

namespace {

using namespace game;
using replay::TakeSnapshot;
using replay::WorkingLevelsDigest;
namespace fs = std::filesystem;

class Autosaves : public levels_test::LevelsTest {
  protected:
    void SetUp() override {
        LevelsTest::SetUp();
        EnableAutosaves(true);
        // A campaign deep enough for the hidden passage.
        PackageRecord campaign;
        campaign.levels.assign(kPassageTargetLevel + 1, levels_test::SampleLevel());
        ByteWriter out;
        WritePackageRecord(out, campaign);
        ASSERT_TRUE(WriteWholeFile((appFolder / "data/levels.all").string(), out.Bytes(), false));
    }
    void TearDown() override {
        EnableAutosaves(false);
        LevelsTest::TearDown();
    }

    // One frame of play, as the game window's timer runs it.
    void RunFrame() {
        windows.onDrawFrame = [] { GameSuspended = true; };
        FrameLoop().Timer1_Timer();
        windows.onDrawFrame = nullptr;
        GameSuspended = false;
    }

    std::vector<std::string> Autosaved() const {
        std::vector<std::string> names;
        for (int n = 1; n <= kAutosaveCount; ++n)
            if (SavePairExists(AutosaveName(n))) names.push_back(AutosaveName(n));
        return names;
    }
};

TEST_F(Autosaves, EveryArrivalIsKeptAfterItsFrameAndOnlyInTheGamesOwnRun) {
    struct Arrival {
        const char* how;
        std::function<bool()> arrive;
        int32_t level;
    };
    const std::vector<Arrival> arrivals = {
        {"a new game", [] { return NewGameFromMenu(); }, 0},
        {"an exit", [] { return TravelToLevel(2, 300); }, 2},
        {"the hidden passage",
         [] {
             LevelNumber = kPassageLevel;
             LoadLevel(kPassageLevel);
             HeroX = Tiles[kPassageTile].X + 2.0f;
             HeroY = Tiles[kPassageTile].Y + 2.0f;
             TakeHeroArrival();
             Picture1_KeyDown(0, 'S', 0);
             return LevelNumber == kPassageTargetLevel;
         },
         kPassageTargetLevel},
        {"a load", [] { return LoadChosenGame("muj") == AfterLoad::kPlay; }, 4},
    };
    for (bool ownRun : {true, false}) {
        EnableAutosaves(ownRun);
        fs::remove_all(appFolder / "data/saves");
        ASSERT_TRUE(NewGameFromMenu());
        LevelNumber = 4;
        ASSERT_TRUE(LoadLevel(4) && SaveGame("muj"));
        EnableAutosaves(ownRun);  // forgets the arrival of the set-up
        // How many autosaves have been written: the newest one's number.
        const auto writtenSoFar = [] {
            const auto newest = NewestAutosave();
            return newest ? ReadSaveDescription(newest->name)->autosaveNumber : 0;
        };
        uint64_t written = 0;
        for (const Arrival& arrival : arrivals) {
            SCOPED_TRACE(std::string(arrival.how) + (ownRun ? "" : " (a try-out)"));
            ASSERT_TRUE(arrival.arrive());
            EXPECT_EQ(writtenSoFar(), written) << "written before the frame";
            RunFrame();
            if (!ownRun) {
                EXPECT_EQ(Autosaved(), std::vector<std::string>{});
                continue;
            }
            EXPECT_EQ(writtenSoFar(), ++written);
            EXPECT_EQ(NewestAutosave()->level, arrival.level);
            // Nothing more without another arrival.
            RunFrame();
            EXPECT_EQ(writtenSoFar(), written);
        }
    }
}

TEST_F(Autosaves, TheyRotateOverThreeNamesAndTheNewestLoadsWithItsPlayTime) {
    ASSERT_TRUE(NewGameFromMenu());
    for (int32_t level = 0; level < 5; ++level) {
        ASSERT_TRUE(TravelToLevel(level, 300));
        StartPlayTime(uint64_t(1000 + level));
        ASSERT_TRUE(AutosaveNow());
    }
    // auto-1, 2, 3, then 1 and 2 again.
    EXPECT_EQ(ReadSaveDescription("auto-1")->level, 3);
    EXPECT_EQ(ReadSaveDescription("auto-2")->level, 4);
    EXPECT_EQ(ReadSaveDescription("auto-3")->level, 2);
    ASSERT_EQ(NewestAutosave()->name, "auto-2");
    // The save list shows them; they stay loadable by name.
    ASSERT_TRUE(TravelToLevel(0, 300));
    StartPlayTime(0);
    EXPECT_EQ(LoadChosenGame("auto-2"), AfterLoad::kPlay);
    EXPECT_EQ(LevelNumber, 4);
    EXPECT_EQ(PlayFrames(), uint64_t{1004});
    // An older save without a description: its play time is not known.
    ASSERT_TRUE(SaveGame("stara"));
    fs::remove(SavePath(DescriptionFileName("stara")));
    ASSERT_TRUE(LoadGame("stara"));
    EXPECT_EQ(PlayFrames(), std::nullopt);
    EXPECT_EQ(PlayTimeText(PlayFrames()), "?");
}

TEST_F(Autosaves, WritingOneLeavesTheGameAsItWasAndPacksWhatASaveWould) {
    ASSERT_TRUE(NewGameFromMenu());
    ASSERT_TRUE(TravelToLevel(3, 300));
    RunFrame();  // the arrival's own autosave
    Gold = 77;
    Monsters[0].X += 3.5f;
    AddFloatText(100, 100, "+7", 0);
    const std::vector<uint8_t> before = TakeSnapshot();
    const uint32_t levelsBefore = WorkingLevelsDigest();
    platform::Randomize(5);
    const float nextNumber = platform::Rnd();
    platform::Randomize(5);

    ASSERT_TRUE(AutosaveNow());
    EXPECT_EQ(TakeSnapshot(), before);
    EXPECT_EQ(WorkingLevelsDigest(), levelsBefore);
    EXPECT_EQ(platform::Rnd(), nextNumber) << "the game's random sequence moved";

    // The same game packed by a save holds the same levels.
    const auto levelsOf = [](const std::vector<uint8_t>& bytes) {
        ByteReader in(bytes);
        PackageRecord package;
        EXPECT_TRUE(ReadPackageRecord(in, true, package));
        return package;
    };
    const std::string name = NewestAutosave()->name + ".lev";
    const PackageRecord autosaved = levelsOf(levels_test::ReadBytes(SavePath(name)));
    ASSERT_TRUE(StoreLevel(LevelNumber) && PackLevels(name));
    const PackageRecord saved = levelsOf(levels_test::ReadBytes(UnfinishedPackagePath()));
    EXPECT_EQ(autosaved.header, saved.header);
    ASSERT_EQ(autosaved.levels.size(), saved.levels.size());
    for (size_t i = 0; i < saved.levels.size(); ++i)
        EXPECT_TRUE(levels_test::SameLevel(autosaved.levels[i], saved.levels[i])) << "level " << i;
}

TEST_F(Autosaves, AFailureIsToldOnceUntilOneSucceedsAgain) {
    ASSERT_TRUE(NewGameFromMenu());
    const size_t linesBefore = windows.LogLines().size();
    // A file where the save folder should be.
    fs::remove_all(appFolder / "data/saves");
    levels_test::WriteBytes(appFolder / "data/saves", {1});
    EXPECT_FALSE(AutosaveNow());
    EXPECT_FALSE(AutosaveNow());
    EXPECT_EQ(windows.LogLines().size(), linesBefore + 1);
    EXPECT_EQ(windows.LogLines().back(), kAutosaveFailedLine);

    // Told again after an autosave has succeeded since.
    fs::remove(appFolder / "data/saves");
    EXPECT_TRUE(AutosaveNow());
    fs::remove_all(appFolder / "data/saves");
    levels_test::WriteBytes(appFolder / "data/saves", {1});
    EXPECT_FALSE(AutosaveNow());
    EXPECT_EQ(windows.LogLines().size(), linesBefore + 2);
    // Nothing happens for a dead hero or without a game.
    fs::remove(appFolder / "data/saves");
    HeroDead = true;
    EXPECT_FALSE(AutosaveNow());
    HeroDead = false;
    EnableAutosaves(false);
    EXPECT_FALSE(AutosaveNow());
    EXPECT_EQ(NewestAutosave(), std::nullopt);
}

TEST_F(Autosaves, AfterADeathThePlayerGoesOnFromThisGamesLastArrivalOrToTheMenu) {
    struct Case {
        const char* what;
        bool ownRun;       // autosaves written at all
        bool loadedAfter;  // a save loaded since the arrival's autosave
        bool answer;       // the player's "Ano"
        bool asked, playsOn;
    };
    const Case cases[] = {
        {"Ano goes on", true, false, true, true, true},
        {"Ne shows the menu", true, false, false, true, false},
        {"a loaded game has arrived nowhere", true, true, true, false, false},
        {"a try-out writes no autosave", false, false, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(appFolder / "data/saves");
        EnableAutosaves(true);
        ASSERT_TRUE(NewGameFromMenu());
        LevelNumber = 3;
        ASSERT_TRUE(LoadLevel(3) && SaveGame("jinde"));
        EnableAutosaves(c.ownRun);
        ASSERT_TRUE(TravelToLevel(2, 300));
        RunFrame();  // the arrival's autosave
        if (c.loadedAfter) {
            ASSERT_EQ(LoadChosenGame("jinde"), AfterLoad::kPlay);
        }
        CanResume = CanSave = true;
        windows.calls.clear();
        windows.answer = c.answer;
        HeroDead = true;
        ExplosionCount = 0;
        RunFrame();
        EXPECT_EQ(windows.Called("AskQuestion(Pokračovat od příchodu do %1. patra?|2|yes)"),
                  c.asked);
        EXPECT_EQ(windows.CountCalls("AskQuestion"), c.asked ? 1 : 0);
        EXPECT_EQ(windows.Called("EndGameToMenu"), !c.playsOn);
        EXPECT_EQ(windows.Called("ResumeGameWindow"), c.playsOn);
        EXPECT_EQ(HeroDead, !c.playsOn);
        if (c.playsOn) {
            EXPECT_EQ(LevelNumber, 2);
            // The same arrival is there to go on from after the next death.
            ASSERT_TRUE(ThisGamesAutosave());
            EXPECT_EQ(ThisGamesAutosave()->level, 2);
        }
    }
}

}  // namespace
