// Autosaves on arrival: every way of arriving on a level writes one, they
// rotate over three names, the newest is the one offered, and writing one
// leaves the game exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "game/core/arrivals.h"
#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/core/play_time.h"
#include "game/levels/autosave_slots.h"
#include "game/levels/byte_stream.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/package_record.h"
#include "game/levels/position_files.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_folder_writer.h"
#include "game/levels/save_games.h"
#include "game/menu/save_board.h"
#include "game/platform/durable_file.h"
#include "game/platform/file_io.h"
#include "game/platform/random.h"
#include "game/play/autosave.h"
#include "game/play/frame_loop.h"
#include "game/play/game_flow.h"
#include "game/play/going_on.h"
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
        InstallCampaign();
    }
    // A campaign deep enough for the hidden passage.
    void InstallCampaign() {
        PackageRecord campaign;
        campaign.levels.assign(kPassageTargetLevel + 1, levels_test::SampleLevel());
        ByteWriter out;
        WritePackageRecord(out, campaign);
        ASSERT_TRUE(WriteWholeFile((appFolder / "data/levels.all").string(), out.Bytes(), false));
    }
    void TearDown() override {
        EnableAutosaves(false);
        SetFileFaultHook(nullptr);
        LevelsTest::TearDown();
    }

    // One frame of play, as the game window's timer runs it.
    void RunFrame() {
        windows.onDrawFrame = [] { GameSuspended = true; };
        FrameLoop().Timer1_Timer();
        windows.onDrawFrame = nullptr;
        GameSuspended = false;
    }

    // A save as the game wrote one before autosaves: the pair alone, no
    // description.
    static void SaveAsAnEarlierVersion(const std::string& name) {
        ASSERT_TRUE(StoreLevel(LevelNumber) && PackLevels(name + ".lev") &&
                    WriteUnfinishedPosition(name + ".pos") &&
                    CommitUnfinishedSave(name + ".lev", name + ".pos"));
    }

    // Every file of the save folder with its bytes.
    std::map<std::string, std::vector<uint8_t>> SaveFolderBytes() const {
        std::map<std::string, std::vector<uint8_t>> files;
        const fs::path folder = appFolder / "data/saves";
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(folder, ec))
            if (entry.is_regular_file())
                files[entry.path().lexically_relative(folder)] = levels_test::ReadBytes(entry);
        return files;
    }

    // The pairs with an autosave's description, by name.
    std::vector<std::string> Autosaved() const {
        WaitForSaveFolder();
        std::vector<std::string> names;
        for (const Autosave& autosave : ReadAutosaveSlots(SavesFolder()).autosaves)
            names.push_back(autosave.name);
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
    // An arrival's autosave fails on the writer's thread: a frame after it
    // is done tells it, once.
    fs::remove(appFolder / "data/saves");
    EXPECT_TRUE(AutosaveNow());
    fs::remove_all(appFolder / "data/saves");
    levels_test::WriteBytes(appFolder / "data/saves", {1});
    for (int32_t level : {2, 3}) {
        ASSERT_TRUE(TravelToLevel(level, 300));
        RunFrame();
        WaitForSaveFolder();
        RunFrame();
    }
    EXPECT_EQ(windows.LogLines().size(), linesBefore + 3);
    EXPECT_EQ(windows.LogLines().back(), kAutosaveFailedLine);
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

// A pair of an autosave's name that is no autosave is the player's (the
// save dialog of earlier versions took these names): one written as those
// versions wrote a save, one with a damaged description or a save's own,
// half a pair.  Each keeps its bytes through seven arrivals, while the
// autosaves go round the first three names that hold nothing, names the
// save dialog refuses; the load dialog lists the player's pairs and the
// autosaves alike.
TEST_F(Autosaves, APlayersOwnPairUnderAnAutosavesNameKeepsItsBytes) {
    enum class Kept { kEarlierVersion, kDamagedDescription, kSavesOwnDescription, kHalf };
    struct Case {
        std::vector<std::pair<std::string, Kept>> players;
        std::vector<std::string> autosaves;
    };
    const Case cases[] = {
        {{}, {"auto-1", "auto-2", "auto-3"}},
        {{{"auto-1", Kept::kEarlierVersion}}, {"auto-2", "auto-3", "auto-4"}},
        {{{"auto-1", Kept::kEarlierVersion}, {"auto-3", Kept::kDamagedDescription}},
         {"auto-2", "auto-4", "auto-5"}},
        {{{"auto-2", Kept::kSavesOwnDescription}, {"auto-1", Kept::kHalf}},
         {"auto-3", "auto-4", "auto-5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.autosaves.front());
        fs::remove_all(appFolder / "data/saves");
        ASSERT_TRUE(NewGameFromMenu());
        std::vector<std::string> loadable;
        for (const auto& [name, kept] : c.players) {
            Gold = 1000 + static_cast<int32_t>(loadable.size());
            if (kept == Kept::kSavesOwnDescription) {
                ASSERT_TRUE(SaveGame(name));
            } else {
                SaveAsAnEarlierVersion(name);
            }
            if (kept == Kept::kDamagedDescription)
                levels_test::WriteBytes(SavePath(DescriptionFileName(name)), {'x'});
            if (kept == Kept::kHalf)
                fs::remove(SavePath(name + ".pos"));
            else
                loadable.push_back(name);
        }
        const auto playersFiles = SaveFolderBytes();
        EnableAutosaves(true);  // forgets the new game's arrival

        for (int32_t level = 1; level <= 7; ++level) {
            ASSERT_TRUE(TravelToLevel(level, 300));
            RunFrame();
            WaitForSaveFolder();  // a newer arrival would take the place of one not yet begun
        }
        const auto files = SaveFolderBytes();
        for (const auto& [file, bytes] : playersFiles)
            EXPECT_TRUE(files.count(file) && files.at(file) == bytes) << file << " changed";
        EXPECT_EQ(Autosaved(), c.autosaves);
        // The last three arrivals, the newest offered.
        std::vector<int32_t> levels;
        for (const std::string& name : c.autosaves) {
            EXPECT_EQ(JudgeSaveName(name), SaveNameVerdict::kAutosaveName) << name;
            levels.push_back(ReadSaveDescription(name)->level);
        }
        std::sort(levels.begin(), levels.end());
        EXPECT_EQ(levels, (std::vector<int32_t>{5, 6, 7}));
        EXPECT_EQ(NewestAutosave()->level, 7);

        std::vector<std::string> listed;
        for (const LoadBoardEntry& entry : LoadBoard())
            if (entry.whole) listed.push_back(entry.name);
        std::sort(listed.begin(), listed.end());
        std::vector<std::string> expected = c.autosaves;
        expected.insert(expected.end(), loadable.begin(), loadable.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(listed, expected);
        for (size_t i = 0; i < loadable.size(); ++i) {
            ASSERT_TRUE(LoadChosenGame(loadable[i]) == AfterLoad::kPlay) << loadable[i];
            EXPECT_EQ(Gold, 1000 + static_cast<int32_t>(i));
        }
        EnableAutosaves(true);
    }
}

// Only a whole game is autosaved.  Each way a game begins anew breaks it
// until the hero has arrived; when it fails on the way (a file that does
// not read) the message box says so, and an ending signal then (its
// autosave) writes nothing: the next start offers the last whole autosave,
// which puts the hero where it says.
TEST_F(Autosaves, OnlyAWholeGameIsAutosavedNotOneBrokenByAFailedLoad) {
    const auto damage = [this](const std::string& file) {
        levels_test::WriteBytes(SavePath(file), {1, 2, 3});
    };
    struct Case {
        const char* how;
        std::function<void()> prepare;
        std::function<bool()> fail;
    };
    const Case cases[] = {
        {"an exit to a level whose working file is gone", [this] { fs::remove(LevelPath(2)); },
         [] { return TravelToLevel(2, 300); }},
        {"a load of a damaged save",
         [&] {
             ASSERT_TRUE(SaveGame("muj"));
             damage("muj.pos");
         },
         [] { return LoadChosenGame("muj") == AfterLoad::kPlay; }},
        {"a quick load of a damaged quick save",
         [&] {
             ASSERT_TRUE(QuickSave());
             damage("quick.lev");
         },
         [] { return QuickLoad(); }},
        {"a new game of a damaged campaign",
         [&] { levels_test::WriteBytes(appFolder / "data/levels.all", {9}); },
         [] { return NewGameFromMenu(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        fs::remove_all(appFolder / "data/saves");
        InstallCampaign();
        ShutdownRequested = false;
        windows.messageBoxes.clear();
        ASSERT_TRUE(NewGameFromMenu());
        ASSERT_TRUE(TravelToLevel(1, 312));
        RunFrame();
        const PositionRecord whole = CurrentPosition();
        const std::vector<std::string> autosavesBefore = Autosaved();
        c.prepare();
        ASSERT_TRUE(TravelToLevel(4, 300));  // the hero moves on, not yet autosaved

        int boxes = 0;
        windows.onMessageBox = [&] {
            ++boxes;
            EXPECT_FALSE(AutosaveNow()) << "autosaved at the load error";
        };
        EXPECT_FALSE(c.fail());
        windows.onMessageBox = nullptr;
        EXPECT_EQ(boxes, 1);
        EXPECT_TRUE(ShutdownRequested);
        EXPECT_EQ(Autosaved(), autosavesBefore);
        EXPECT_EQ(ReadSaveDescription(NewestAutosave()->name)->level, 1);

        // The next start.
        ShutdownRequested = false;
        const auto offer = OfferToGoOn(platform::LastRunEnd::kUnclean, NewestAutosave());
        ASSERT_TRUE(offer);
        EXPECT_EQ(offer->level, 1);
        ASSERT_EQ(LoadChosenGame(offer->autosave), AfterLoad::kPlay);
        EXPECT_EQ(LevelNumber, 1);
        EXPECT_EQ(HeroX, whole.HeroX);
        EXPECT_EQ(HeroY, whole.HeroY);
    }
}

// One writer on the save folder at a time.  An autosave is being written in
// the background (its fsyncs slowed down) when the game's thread comes to
// the save folder: whatever it does there begins only once the autosave has
// landed, the autosave is whole afterwards, and the game's own work is done.
TEST_F(Autosaves, WhatComesToTheSaveFolderDuringABackgroundWriteWaitsForIt) {
    std::mutex mutex;
    std::vector<bool> stepsByWorker;  // each file step in the save folder, whose thread made it
    const std::thread::id gameThread = std::this_thread::get_id();
    const std::string saves = SavesFolder();
    SetFileFaultHook([&](FileStep step, const std::string& path) {
        const bool worker = std::this_thread::get_id() != gameThread;
        if (worker && step == FileStep::kSyncFile)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const std::lock_guard lock(mutex);
        if (path.compare(0, saves.size(), saves) == 0) stepsByWorker.push_back(worker);
        return 0;
    });
    const auto listed = [](const std::string& name) {
        const std::vector<std::string> saves = ListSaves();
        return std::find(saves.begin(), saves.end(), name) != saves.end();
    };
    struct Case {
        const char* how;
        std::function<void()> prepare;
        std::function<bool()> come;
    };
    const Case cases[] = {
        {"a quick save", [] {}, [] { return QuickSave() && SavePairExists("quick"); }},
        {"a named save", [] {}, [] { return SaveChosenGame("hra") && SavePairExists("hra"); }},
        {"a quick load", [] { ASSERT_TRUE(QuickSave()); },
         [] { return QuickLoad() && LevelNumber == 0; }},
        {"a load", [] { ASSERT_TRUE(SaveGame("muj")); },
         [] { return LoadChosenGame("muj") == AfterLoad::kPlay && LevelNumber == 0; }},
        {"the save lists", [] {}, [&] { return listed("auto-2"); }},
        {"the start's settling", [] {}, [] { return SettleInterruptedSave(); }},
        // It may take the place of the arrival's, if that has not begun.
        {"the signal's autosave", [] {}, [] { return AutosaveNow(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        fs::remove_all(appFolder / "data/saves");
        ASSERT_TRUE(NewGameFromMenu());
        RunFrame();
        WaitForSaveFolder();  // auto-1, of level 0
        c.prepare();
        ASSERT_TRUE(TravelToLevel(5, 300));
        RunFrame();  // hands the arrival's autosave to the writer

        size_t comes = 0;
        {
            const std::lock_guard lock(mutex);
            comes = stepsByWorker.size();
        }
        EXPECT_TRUE(c.come());
        WaitForSaveFolder();
        const std::lock_guard lock(mutex);
        const auto firstOfGame =
            std::find(stepsByWorker.begin() + comes, stepsByWorker.end(), false);
        EXPECT_NE(std::find(stepsByWorker.begin() + comes, firstOfGame, true), firstOfGame)
            << "the autosave was written before the game came";
        EXPECT_EQ(std::find(firstOfGame, stepsByWorker.end(), true), stepsByWorker.end())
            << "the game's thread and the writer took turns in the save folder";
        const std::optional<SaveDescription> autosaved = ReadSaveDescription("auto-2");
        EXPECT_TRUE(SavePairExists("auto-2") && autosaved && autosaved->level == 5);
    }
}

}  // namespace
