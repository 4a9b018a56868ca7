// The one-copy lock between real processes: a live copy keeps the folder,
// a copy that died without letting go does not.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/desktop/app_paths.h"

namespace {

namespace fs = std::filesystem;
using platform::AppPaths;
using platform::OneCopyLock;
using Outcome = OneCopyLock::Outcome;

class OneCopyLockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program = fs::temp_directory_path() / ("karvelun-lock-" + std::to_string(::getpid()));
        fs::remove_all(program);
        fs::create_directories(program);
    }
    void TearDown() override { fs::remove_all(program); }

    std::string LevelsFolder() const {
        return AppPaths::Portable(program.string()).WorkingLevelsFolder();
    }
    fs::path LockFile() const { return program / "data/levels/karvelun.lock"; }

    // Another copy of the game: a child process that takes the lock, says
    // so through a pipe and then waits, or ends at once without letting go
    // when `dieHolding`.
    pid_t StartOtherCopy(bool dieHolding) {
        int ready[2];
        if (::pipe(ready) != 0) return -1;
        pid_t pid = ::fork();
        if (pid == 0) {
            ::close(ready[0]);
            OneCopyLock lock(LevelsFolder());
            char taken = lock.Take() == Outcome::Taken ? 'y' : 'n';
            (void)!::write(ready[1], &taken, 1);
            if (!dieHolding) ::pause();
            ::_exit(0);  // as a crash would: the lock is never released
        }
        ::close(ready[1]);
        char taken = 'n';
        (void)!::read(ready[0], &taken, 1);
        ::close(ready[0]);
        EXPECT_EQ(taken, 'y');
        return pid;
    }

    fs::path program;
};

TEST_F(OneCopyLockTest, OneCopyAtATimeInTheSameProcessToo) {
    OneCopyLock first(LevelsFolder());
    ASSERT_EQ(first.Take(), Outcome::Taken);  // the folder is made for it
    EXPECT_TRUE(fs::is_regular_file(LockFile()));
    EXPECT_EQ(first.Take(), Outcome::Taken);  // holding it again is no harm

    OneCopyLock second(LevelsFolder());
    EXPECT_EQ(second.Take(), Outcome::AnotherCopyRuns);
    EXPECT_TRUE(fs::is_regular_file(LockFile()));  // the refused one left it alone

    first.Release();
    EXPECT_FALSE(fs::exists(LockFile()));
    EXPECT_EQ(second.Take(), Outcome::Taken);
}

TEST_F(OneCopyLockTest, ALiveCopyKeepsTheFolderAndAKilledOneLetsItGo) {
    pid_t other = StartOtherCopy(false);
    ASSERT_GT(other, 0);
    OneCopyLock lock(LevelsFolder());
    EXPECT_EQ(lock.Take(), Outcome::AnotherCopyRuns);

    ::kill(other, SIGKILL);
    ::waitpid(other, nullptr, 0);
    EXPECT_TRUE(fs::exists(LockFile()));  // left behind
    EXPECT_EQ(lock.Take(), Outcome::Taken);
}

TEST_F(OneCopyLockTest, ALockLeftByACopyThatEndedIsTakenOver) {
    pid_t other = StartOtherCopy(true);
    ASSERT_GT(other, 0);
    ::waitpid(other, nullptr, 0);
    ASSERT_TRUE(fs::exists(LockFile()));
    OneCopyLock lock(LevelsFolder());
    EXPECT_EQ(lock.Take(), Outcome::Taken);
}

TEST_F(OneCopyLockTest, ALockFileCutShortIsTakenOverOnceItIsNoLongerNew) {
    for (const char* contents : {"", "\n\n", "garbled"}) {
        fs::create_directories(program / "data/levels");
        std::ofstream(LockFile(), std::ios::trunc) << contents;
        OneCopyLock lock(LevelsFolder());
        // Just made: a copy starting this very moment may be writing it.
        EXPECT_EQ(lock.Take(), Outcome::AnotherCopyRuns) << '"' << contents << '"';
        fs::last_write_time(LockFile(),
                            fs::file_time_type::clock::now() - std::chrono::seconds(30));
        EXPECT_EQ(lock.Take(), Outcome::Taken) << '"' << contents << '"';
        lock.Release();
    }
}

TEST_F(OneCopyLockTest, AFolderThatCannotBeMadeIsUnusable) {
    fs::create_directories(program / "data");
    std::ofstream(program / "data/levels") << "a file where the folder belongs";
    OneCopyLock lock(LevelsFolder());
    EXPECT_EQ(lock.Take(), Outcome::Unusable);
}

// What runs killed before their end left in the temporary folder: only this
// user's real folders named after a process that is gone are removed.
TEST_F(OneCopyLockTest, OnlyStaleTemporaryFoldersOfGoneProcessesAreRemoved) {
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ASSERT_GT(gone, 0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone), live = std::to_string(::getpid());
    const fs::path target = program / "elsewhere";
    fs::create_directories(target / "inside");

    enum Kind { kFolder, kFile, kLink, kForeignFolder };
    const struct {
        std::string name;
        Kind kind;
        bool removed;
    } cases[] = {
        {"karvelun-level-" + dead + "-a1B2c3", kFolder, true},
        {"karvelun-run-" + dead + "-zzzzzz", kFolder, true},
        {"karvelun-level-" + live + "-a1B2c3", kFolder, false},   // still running
        {"karvelun-level-" + dead + "-a1B2c3x", kFolder, false},  // not the pattern
        {"karvelun-Level-" + dead + "-a1B2c3", kFolder, false},   // nor this
        {"karvelun-level-" + dead + "x-a1B2c3", kFolder, false},  // nor this
        {"karvelun-level-a1B2c3", kFolder, false},                // before pids were named
        {"karvelun-level-" + dead + "-linkto", kLink, false},     // never followed
        {"karvelun-level-" + dead + "-a-file", kFile, false},
        {"karvelun-level-" + dead + "-others", kForeignFolder, false},
    };
    for (const auto& c : cases) {
        const fs::path path = program / c.name;
        switch (c.kind) {
            case kFolder:
            case kForeignFolder:
                fs::create_directories(path / "levels");
                std::ofstream(path / "levels/level0.sc") << "x";
                // Another user's folder needs root to make; without, the
                // case is left out.
                if (c.kind == kForeignFolder && ::chown(path.c_str(), 65534, 65534) != 0)
                    fs::remove_all(path);
                break;
            case kFile:
                std::ofstream(path) << "x";
                break;
            case kLink:
                fs::create_directory_symlink(target, path);
                break;
        }
    }

    EXPECT_EQ(platform::RemoveStaleTemporaryFolders(program.string()), 2);
    for (const auto& c : cases) {
        const bool gone = fs::symlink_status(program / c.name).type() == fs::file_type::not_found;
        if (c.kind == kForeignFolder && gone && ::geteuid() != 0) continue;
        EXPECT_EQ(gone, c.removed) << c.name;
    }
    EXPECT_TRUE(fs::is_directory(target / "inside"));
}

}  // namespace
