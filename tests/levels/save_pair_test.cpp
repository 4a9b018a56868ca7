// A save's files (its pair and its description) change together: failures
// injected at every step of the real save flow (named and quick), and a
// crash at any instant of it or of an autosave in a child process killed
// with SIGKILL.  Afterwards the name holds the old or the new save, whole,
// it loads, and the log told the truth.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <thread>

#include "game/core/game_state.h"
#include "game/core/play_time.h"
#include "game/levels/level_files.h"
#include "game/levels/save_commit.h"
#include "game/levels/save_description.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_games.h"
#include "game/platform/durable_file.h"
#include "game/play/autosave.h"
#include "game/play/game_flow.h"
#include "levels/levels_test.h"

namespace {

using namespace game;
using levels_test::LevelsTest;
using levels_test::ReadBytes;
using levels_test::WriteBytes;
namespace fs = std::filesystem;

constexpr const char* kKeptLine =
    "Hru se nepodařilo uložit, předchozí uložená hra zůstala beze změny...";
constexpr const char* kFailedLine = "Hru se nepodařilo uložit...";

class SavePair : public LevelsTest {
  protected:
    // On a memory file system if there is one: neither an injected failure
    // nor a kill depends on the disk, whose flushes would only slow the
    // hundreds of saves down.
    void SetUp() override {
        LevelsTest::SetUp();
        if (!fs::is_directory("/dev/shm")) return;
        memoryFolder = fs::path("/dev/shm") / appFolder.filename();
        fs::create_directories(memoryFolder / "data");
        fs::remove_all(appFolder);
        fs::create_directory_symlink(memoryFolder, appFolder);
    }
    void TearDown() override {
        SetFileFaultHook(nullptr);
        EnableAutosaves(false);
        LevelsTest::TearDown();
        std::error_code ec;
        if (!memoryFolder.empty()) fs::remove_all(memoryFolder, ec);
    }

    // The game of three levels with gold g, level 0's first tile and the
    // play time telling the same g: a package, a position file and a
    // description from different saves can then be told apart.
    void MakeState(int32_t gold) {
        Gold = gold;
        StartPlayTime(static_cast<uint64_t>(gold));
        LevelNumber = 0;
        Tiles[0].Param1 = "stav " + std::to_string(gold);
        ASSERT_TRUE(StoreLevel(0));
    }

    bool Save(bool quick) { return quick ? QuickSave() : SaveGame("hra"); }
    std::string Name(bool quick) const { return quick ? "quick" : "hra"; }

    // The files of the save folder and of its descriptions folder.
    std::vector<std::string> SaveFolderNames() const {
        std::vector<std::string> names;
        const fs::path folder = appFolder / "data/saves";
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (!entry.is_directory()) names.push_back(entry.path().lexically_relative(folder));
        std::sort(names.begin(), names.end());
        return names;
    }

    // The pair loads, whole: the gold it gives back, or -1.
    int32_t LoadedGold(const std::string& name) {
        Gold = -1;
        if (!LoadGame(name)) return -1;
        const std::string expected = "stav " + std::to_string(Gold);
        EXPECT_EQ(Tiles[0].Param1, expected) << "a package and a position of different saves";
        const auto description = ReadSaveDescription(name);
        EXPECT_TRUE(description && description->playFrames == static_cast<uint64_t>(Gold))
            << "a description of another save";
        EXPECT_EQ(PlayFrames(), static_cast<uint64_t>(Gold)) << "the play time was not carried";
        return Tiles[0].Param1 == expected ? Gold : -1;
    }

    std::string LastLogLine() const {
        const auto lines = windows.LogLines();
        return lines.empty() ? std::string() : lines.back();
    }

    fs::path memoryFolder;
};

TEST_F(SavePair, AFailureAtEveryStepOfASaveLeavesOneWholePairAndTheLogSaysWhich) {
    for (bool quick : {false, true}) {
        SCOPED_TRACE(quick ? "quick save" : "named save");
        MakeWorkingLevels(3);
        MakeState(111);
        ASSERT_TRUE(Save(quick));
        const auto oldLev = ReadBytes(SavePath(Name(quick) + ".lev"));
        const auto oldPos = ReadBytes(SavePath(Name(quick) + ".pos"));
        const auto oldAbout = ReadBytes(SavePath(DescriptionFileName(Name(quick))));
        const auto names = SaveFolderNames();

        // The steps of one save.
        MakeState(222);
        size_t steps = 0;
        SetFileFaultHook([&](FileStep, const std::string&) {
            ++steps;
            return 0;
        });
        ASSERT_TRUE(Save(quick));
        SetFileFaultHook(nullptr);
        ASSERT_GT(steps, 10u);

        int saved = 0, kept = 0;
        for (size_t n = 0; n < steps; ++n) {
            for (int error : {EIO, ENOSPC, kShortWrite}) {
                SCOPED_TRACE("step " + std::to_string(n) + " error " + std::to_string(error));
                WriteBytes(SavePath(Name(quick) + ".lev"), oldLev);
                WriteBytes(SavePath(Name(quick) + ".pos"), oldPos);
                WriteBytes(SavePath(DescriptionFileName(Name(quick))), oldAbout);
                MakeState(222);
                auto counter = std::make_shared<size_t>(0);
                SetFileFaultHook([counter, n, error](FileStep step, const std::string&) {
                    if ((*counter)++ != n) return 0;
                    // A short write is no failure: it must be followed up.
                    if (error == kShortWrite && step != FileStep::kWrite) return 0;
                    return error;
                });
                const bool ok = Save(quick);
                SetFileFaultHook(nullptr);

                if (ok) {
                    ++saved;
                    EXPECT_EQ(LastLogLine(), "Hra byla úspěšně uložena...");
                } else if (LastLogLine() == kKeptLine) {
                    ++kept;
                    EXPECT_EQ(ReadBytes(SavePath(Name(quick) + ".lev")), oldLev);
                    EXPECT_EQ(ReadBytes(SavePath(Name(quick) + ".pos")), oldPos);
                    EXPECT_EQ(ReadBytes(SavePath(DescriptionFileName(Name(quick)))), oldAbout);
                } else {
                    // Only a second failure leaves the folder to the next
                    // start; one failure is always settled at once.
                    ADD_FAILURE() << "log: " << LastLogLine();
                }
                SettleInterruptedSave();
                EXPECT_EQ(SaveFolderNames(), names);
                EXPECT_EQ(LoadedGold(Name(quick)), ok ? 222 : 111);
                ExpectNotRefused();
            }
        }
        std::printf("%s: %zu file steps x 3 faults: %d saved, %d kept the old pair\n",
                    quick ? "quick save" : "named save", steps, saved, kept);
        EXPECT_GT(saved, 0);
        EXPECT_GT(kept, 0);
    }
}

TEST_F(SavePair, ASecondFailureDuringTheRollbackIsSettledByTheNextStart) {
    MakeWorkingLevels(2);
    MakeState(111);
    ASSERT_TRUE(SaveGame("hra"));
    const auto oldLev = ReadBytes(SavePath("hra.lev"));

    // The position file cannot go into place, and the package's old copy
    // cannot come back at once.
    MakeState(222);
    int renames = 0;
    SetFileFaultHook([&](FileStep step, const std::string& path) {
        if (step != FileStep::kRename) return 0;
        ++renames;
        if (path == SavePath("hra.pos") && renames < 6) return EIO;
        if (path == SavePath("hra.lev") && renames > 4) return EIO;
        return 0;
    });
    EXPECT_FALSE(SaveGame("hra"));
    SetFileFaultHook(nullptr);
    // The log does not claim the old save stayed: it is put back later.
    EXPECT_EQ(LastLogLine(), kFailedLine);
    EXPECT_TRUE(fs::exists(RollbackRecordPath()));

    SettleInterruptedSave();
    EXPECT_EQ(SaveFolderNames(),
              (std::vector<std::string>{DescriptionFileName("hra"), "hra.lev", "hra.pos"}));
    EXPECT_EQ(ReadBytes(SavePath("hra.lev")), oldLev);
    EXPECT_EQ(LoadedGold("hra"), 111);
}

TEST_F(SavePair, ACommitRecordLeftBehindIsFinishedWhateverTheSaveIsCalled) {
    // Names with the record's own separators in them.
    for (const std::string name : {"a b\n1 2", "end", "P 1 3"}) {
        MakeWorkingLevels(2);
        MakeState(333);
        SetFileFaultHook([](FileStep step, const std::string& path) {
            return step == FileStep::kRemove && path == CommitRecordPath() ? EIO : 0;
        });
        ASSERT_TRUE(SaveGame(name));
        SetFileFaultHook(nullptr);
        ASSERT_TRUE(fs::exists(CommitRecordPath()));
        SettleInterruptedSave();
        EXPECT_FALSE(fs::exists(CommitRecordPath()));
        EXPECT_EQ(LoadedGold(name), 333);
        fs::remove_all(appFolder / "data/saves");
    }
}

TEST_F(SavePair, ADamagedRecordIsDroppedAndTheOldPairStays) {
    MakeWorkingLevels(2);
    MakeState(111);
    ASSERT_TRUE(SaveGame("hra"));
    WriteBytes(CommitRecordPath(), {'x', '\n'});
    WriteBytes(UnfinishedPositionPath(), {1, 2, 3});
    SettleInterruptedSave();
    EXPECT_EQ(SaveFolderNames(),
              (std::vector<std::string>{DescriptionFileName("hra"), "hra.lev", "hra.pos"}));
    EXPECT_EQ(LoadedGold("hra"), 111);
}

// A save cut short after its commit record (every step failing from then
// on) leaves the record for "foo" and its halves under the unfinished names
// every save shares.  Whatever save comes next settles that record before
// it writes a half of its own, so foo is never given another save's files;
// when the record cannot be settled yet, the next save is not written and
// the next start settles it.
TEST_F(SavePair, ASaveAfterAnUnsettledRecordSettlesItFirst) {
    struct Case {
        const char* how;
        std::function<bool()> save;
        std::string name;
    };
    const Case cases[] = {
        {"an autosave", [] { return AutosaveNow(); }, "auto-1"},
        {"a quick save", [] { return QuickSave(); }, "quick"},
        {"a named save", [] { return SaveGame("hra"); }, "hra"},
    };
    EnableAutosaves(true);
    for (const Case& c : cases) {
        for (bool settles : {true, false}) {
            SCOPED_TRACE(std::string(c.how) + (settles ? "" : ", the record not yet settled"));
            fs::remove_all(appFolder / "data/saves");
            MakeWorkingLevels(3);
            MakeState(111);
            ASSERT_TRUE(SaveGame("foo"));
            MakeState(222);
            bool recordPlaced = false;
            SetFileFaultHook([&](FileStep step, const std::string& path) {
                if (recordPlaced && step != FileStep::kCreate && step != FileStep::kWrite &&
                    step != FileStep::kSyncFile && step != FileStep::kClose)
                    return EIO;
                if (step == FileStep::kRename && path == CommitRecordPath()) recordPlaced = true;
                return 0;
            });
            ASSERT_FALSE(SaveGame("foo"));
            SetFileFaultHook(nullptr);
            ASSERT_TRUE(fs::exists(CommitRecordPath()) && fs::exists(UnfinishedPackagePath()));

            MakeState(333);
            if (!settles) {
                const std::string foo = game::SavePath("foo.lev");
                SetFileFaultHook([foo](FileStep step, const std::string& path) {
                    return step == FileStep::kRename && path == foo ? EIO : 0;
                });
            }
            EXPECT_EQ(c.save(), settles);
            SetFileFaultHook(nullptr);
            EXPECT_EQ(SavePairExists(c.name), settles);

            SettleInterruptedSave();  // the next start
            EXPECT_EQ(SaveFolderNames().size(), settles ? 6u : 3u);
            EXPECT_EQ(LoadedGold("foo"), 222) << "the committed save";
            if (settles) EXPECT_EQ(LoadedGold(c.name), 333);
            ExpectNotRefused();
        }
    }
}

TEST_F(SavePair, NoNameOfTheSaveMachineryLooksLikeASave) {
    for (const std::string& path :
         {CommitRecordPath(), RollbackRecordPath(), KeptPackagePath(), KeptPositionPath(),
          KeptDescriptionPath(), UnfinishedPackagePath(), UnfinishedPositionPath(),
          UnfinishedDescriptionPath(), DescriptionsFolder()}) {
        std::string name = fs::path(path).filename().string();
        std::transform(name.begin(), name.end(), name.begin(), ::toupper);
        EXPECT_EQ(name.find("LEV"), std::string::npos) << name;
        EXPECT_EQ(fs::path(path).parent_path(), appFolder / "data/saves");
    }
    // A description's name never says "lev", whatever the save's name.
    for (const std::string save : {"level", "LEV", "klevety", "úroveň"}) {
        std::string name = DescriptionFileName(save);
        std::transform(name.begin(), name.end(), name.begin(), ::toupper);
        EXPECT_EQ(name.find("LEV"), std::string::npos) << name;
    }
}

// Runs work in a child process, killed with SIGKILL after killAfter
// (never when negative); its wait status.
int RunInChild(const std::function<bool()>& work, std::chrono::microseconds killAfter) {
    const pid_t child = ::fork();
    if (child == 0) _exit(work() ? 0 : 1);
    if (killAfter.count() >= 0) {
        std::this_thread::sleep_for(killAfter);
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

// How long work takes in a child, fork included: the middle of seven runs.
std::chrono::microseconds MiddleDuration(const std::function<bool(int)>& work) {
    std::vector<std::chrono::microseconds> durations;
    for (int i = 0; i < 7; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const int status = RunInChild([&] { return work(i); }, std::chrono::microseconds(-1));
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        durations.push_back(std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start));
    }
    std::sort(durations.begin(), durations.end());
    return durations[3];
}

int KillCount() {
    const char* asked = std::getenv("KARVELUN_CRASH_KILLS");
    return asked ? std::max(1, std::atoi(asked)) : 1000;
}

// The whole save flow in a child process, killed at random instants spread
// over the time a save takes.  KARVELUN_CRASH_KILLS sets the number of kills
// for a longer run.
TEST_F(SavePair, AKillAtAnyInstantOfASaveLeavesTheOldOrTheNewPairAndItLoads) {
    const int kills = KillCount();
    MakeWorkingLevels(4);
    MakeState(1);
    ASSERT_TRUE(SaveGame("hra"));
    ASSERT_TRUE(QuickSave());
    const std::vector<std::string> names = SaveFolderNames();
    const std::chrono::microseconds longest =
        MiddleDuration([&](int i) { return Save(i % 2 == 0); });

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long> instant(0, longest.count());
    int32_t saved[2] = {1, 1};
    int oldPairs = 0, newPairs = 0, finishedSaves = 0, recordsFound = 0;
    for (int k = 0; k < kills; ++k) {
        const bool quick = k % 2 == 1;
        const int32_t next = 10 + k;
        MakeState(next);
        const int status =
            RunInChild([&] { return Save(quick); }, std::chrono::microseconds(instant(random)));
        if (WIFEXITED(status)) ++finishedSaves;
        if (fs::exists(CommitRecordPath()) || fs::exists(RollbackRecordPath())) ++recordsFound;

        // The next start, then a load of each pair.
        SettleInterruptedSave();
        ASSERT_EQ(SaveFolderNames(), names) << "kill " << k;
        const int32_t other = LoadedGold(Name(!quick));
        ASSERT_EQ(other, saved[!quick]) << "kill " << k << ": the other save changed";
        const int32_t gold = LoadedGold(Name(quick));
        ASSERT_TRUE(gold == saved[quick] || gold == next) << "kill " << k << ": gold " << gold;
        (gold == next ? newPairs : oldPairs) += 1;
        saved[quick] = gold;
        ExpectNotRefused();
        if (HasFailure()) return;
    }
    std::printf(
        "a save takes %ld us; %d kills: %d old pairs, %d new pairs, %d saves had finished, %d "
        "records left\n",
        static_cast<long>(longest.count()), kills, oldPairs, newPairs, finishedSaves, recordsFound);
    // The kills fell all over the save, not only before or after it.
    EXPECT_GT(oldPairs, kills / 20);
    EXPECT_GT(newPairs, kills / 20);
}

// The same for the autosave on arrival: each of the three is whole, old or
// new, the oldest alone may change, and the newest is offered and loads.
TEST_F(SavePair, AKillAtAnyInstantOfAnAutosaveLeavesEachAutosaveWholeAndTheNewestLoads) {
    const int kills = KillCount();
    EnableAutosaves(true);
    MakeWorkingLevels(4);
    std::map<std::string, int32_t> saved;  // the gold each autosave holds
    for (int32_t gold = 1; gold <= kAutosaveCount; ++gold) {
        MakeState(gold);
        ASSERT_TRUE(AutosaveNow());
        saved[NewestAutosave()->name] = gold;
    }
    ASSERT_EQ(saved.size(), static_cast<size_t>(kAutosaveCount));
    const std::vector<std::string> names = SaveFolderNames();
    const std::chrono::microseconds longest = MiddleDuration([&](int) { return AutosaveNow(); });
    // Those runs went round the three names with the last gold.
    for (auto& [name, gold] : saved)
        gold = LoadedGold(name);

    std::mt19937 random(20261209);
    std::uniform_int_distribution<long> instant(0, longest.count());
    int oldSaves = 0, newSaves = 0;
    std::string newest = NewestAutosave()->name;
    for (int k = 0; k < kills; ++k) {
        const int32_t next = 10 + k;
        // The one written next: the one after the newest, round the three.
        const std::string target =
            AutosaveName(newest.back() - '0' + 1 > kAutosaveCount ? 1 : newest.back() - '0' + 1);
        MakeState(next);
        RunInChild([] { return AutosaveNow(); }, std::chrono::microseconds(instant(random)));

        SettleInterruptedSave();
        ASSERT_EQ(SaveFolderNames(), names) << "kill " << k;
        const std::optional<FoundAutosave> offered = NewestAutosave();
        ASSERT_TRUE(offered) << "kill " << k;
        for (auto& [name, gold] : saved) {
            const int32_t loaded = LoadedGold(name);
            if (name != target) {
                ASSERT_EQ(loaded, gold) << "kill " << k << ": " << name << " changed";
                continue;
            }
            ASSERT_TRUE(loaded == gold || loaded == next) << "kill " << k << ": gold " << loaded;
            (loaded == next ? newSaves : oldSaves) += 1;
            ASSERT_EQ(offered->name, loaded == next ? target : newest) << "kill " << k;
            gold = loaded;
        }
        newest = offered->name;
        EXPECT_EQ(LoadedGold(offered->name), saved[offered->name]);
        ExpectNotRefused();
        if (HasFailure()) return;
    }
    std::printf("an autosave takes %ld us; %d kills: %d old, %d new\n",
                static_cast<long>(longest.count()), kills, oldSaves, newSaves);
    EXPECT_GT(oldSaves, kills / 20);
    EXPECT_GT(newSaves, kills / 20);
}

}  // namespace
