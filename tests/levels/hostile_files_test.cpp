// Saves and working levels that are not what they should be: a folder, a
// pipe, a link to an endless device, a huge sparse file, a link out of the
// game's folders, a folder the game may not write to.  Each ends in a clear
// message or a refusal, never a hang, and nothing outside is written.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "game/core/game_state.h"
#include "game/levels/level_files.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_games.h"
#include "game/levels/working_levels.h"
#include "game/platform/durable_file.h"
#include "game/play/game_flow.h"
#include "game/world/world_effects.h"
#include "levels/levels_test.h"

namespace {

using namespace game;
using levels_test::LevelsTest;
using levels_test::ReadBytes;
using levels_test::WriteBytes;
namespace fs = std::filesystem;

constexpr const char* kNotFound = "Uložená hra nebyla nalezena...";

class HostileFiles : public LevelsTest {
  protected:
    void SetUp() override {
        LevelsTest::SetUp();
        outside = appFolder.parent_path() / (appFolder.filename().string() + "-outside");
        fs::create_directories(outside);
        WriteBytes(outside / "victim", {'m', 'i', 'n', 'e'});
        MakeWorkingLevels(2);
        Gold = 77;
        ASSERT_TRUE(SaveGame("hra"));
    }
    void TearDown() override {
        SetFileFaultHook(nullptr);
        LevelsTest::TearDown();
        std::error_code ec;
        fs::remove_all(outside, ec);
    }

    std::string LastLogLine() const {
        const auto lines = windows.LogLines();
        return lines.empty() ? std::string() : lines.back();
    }

    // Puts a thing of the given kind under the path.
    void Plant(const fs::path& path, const std::string& kind) {
        fs::remove_all(path);
        if (kind == "folder") {
            fs::create_directories(path / "inside");
        } else if (kind == "pipe") {
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        } else if (kind == "zero") {
            fs::create_symlink("/dev/zero", path);
        } else {
            WriteBytes(path, {1, 2, 3});
            fs::resize_file(path, 4ull << 30);  // sparse: takes no room
        }
    }

    fs::path outside;
};

TEST_F(HostileFiles, ASaveThatIsNoFileIsRefusedWithAMessageAndNeverWaitedFor) {
    for (const char* half : {"hra.lev", "hra.pos"}) {
        for (const std::string kind : {"folder", "pipe", "zero", "sparse"}) {
            SCOPED_TRACE(std::string(half) + " as " + kind);
            Plant(SavePath(half), kind);
            windows.messageBoxes.clear();
            Gold = 5;
            EXPECT_FALSE(LoadGame("hra"));
            if (kind == "sparse") {
                // A regular file, only far too big: the damaged-save path.
                ASSERT_EQ(windows.messageBoxes.size(), 1u);
                EXPECT_EQ(windows.messageBoxes[0].first, "Chyba během načítání...");
                ShutdownRequested = false;
                windows.calls.clear();
                windows.messageBoxes.clear();
            } else {
                EXPECT_EQ(LastLogLine(), kNotFound);
                ExpectNotRefused();
                EXPECT_EQ(Gold, 5);
            }

            // A new save under the name replaces a file-like thing, refuses
            // to touch a folder, and never writes through the link.
            MakeWorkingLevels(2);
            Gold = 88;
            const bool saved = SaveGame("hra");
            EXPECT_EQ(saved, kind != "folder");
            if (saved) {
                EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(SavePath(half))));
                ASSERT_TRUE(LoadGame("hra"));
                EXPECT_EQ(Gold, 88);
            } else {
                EXPECT_EQ(LastLogLine(), "Hru se nepodařilo uložit...");
                EXPECT_TRUE(fs::is_directory(SavePath(half) / "inside"));
                fs::remove_all(SavePath(half));
                ASSERT_TRUE(SaveGame("hra"));
            }
            ExpectNotRefused();
        }
    }
}

TEST_F(HostileFiles, LinksOutOfTheGamesFoldersAreNeverWrittenThrough) {
    const auto victim = ReadBytes(outside / "victim");
    // A save's halves and a working level, each a link to a file elsewhere.
    for (const char* half : {"hra.lev", "hra.pos", "quick.lev", "quick.pos"}) {
        fs::remove(SavePath(half));
        fs::create_symlink(outside / "victim", SavePath(half));
    }
    fs::remove(LevelPath(1));
    fs::create_symlink(outside / "victim", LevelPath(1));
    fs::create_symlink(outside / "victim", LevelPath(0).parent_path() / "level7.sc");

    Gold = 99;
    ASSERT_TRUE(StoreLevel(1));
    ASSERT_TRUE(StoreLevel(0));
    ASSERT_TRUE(SaveGame("hra"));
    ASSERT_TRUE(QuickSave());
    ClearWorkingLevels();  // removes links, never what they point to
    EXPECT_EQ(ReadBytes(outside / "victim"), victim);
    for (const char* half : {"hra.lev", "hra.pos", "quick.lev", "quick.pos"})
        EXPECT_FALSE(fs::is_symlink(SavePath(half))) << half;
    ASSERT_TRUE(LoadGame("hra"));
    EXPECT_EQ(Gold, 99);
}

// The working folder refuses new files: the hero stays on his level and
// the log says why; a save keeps the old one.
TEST_F(HostileFiles, AReadOnlyWorkingFolderThroughTheSeam) {
    const std::string folder = WorkingLevelsFolder();
    SetFileFaultHook([&](FileStep step, const std::string& path) {
        return step == FileStep::kCreate && path.rfind(folder, 0) == 0 ? EACCES : 0;
    });
    const auto level0 = ReadBytes(LevelPath(0));
    Gold = 1;
    LevelNumber = 0;
    EXPECT_FALSE(TravelToLevel(1, 300));
    EXPECT_EQ(LevelNumber, 0);
    EXPECT_EQ(LastLogLine(), "Úroveň se nepodařilo uložit, zůstáváš zde...");
    EXPECT_FALSE(SaveGame("hra"));
    EXPECT_EQ(LastLogLine(),
              "Hru se nepodařilo uložit, předchozí uložená hra zůstala beze změny...");
    EXPECT_EQ(ReadBytes(LevelPath(0)), level0);
    ExpectNotRefused();
}

// The same with the real thing: a process that is no longer allowed to write
// into the folder (the tests may run as root, whom folder modes do not stop;
// the child then gives up root as setpriv --reuid=65534 would).
TEST_F(HostileFiles, AReadOnlyWorkingFolderForAnUnprivilegedPlayer) {
    const uid_t nobody = 65534;
    const bool root = ::geteuid() == 0;
    if (root) {
        // The unprivileged player must reach the folder to read it.
        for (fs::path p = appFolder; p != p.root_path(); p = p.parent_path()) {
            struct stat info {};
            if (::stat(p.c_str(), &info) == 0 && (info.st_mode & S_IXOTH) == 0)
                GTEST_SKIP() << p << " is closed to other users";
        }
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(appFolder, ec))
            ::chmod(entry.path().c_str(), entry.is_directory() ? 0755 : 0644);
        ::chmod(appFolder.c_str(), 0755);
    }
    ASSERT_EQ(::chmod(WorkingLevelsFolder().c_str(), 0555), 0);
    const auto level0 = ReadBytes(LevelPath(0));

    const pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgroups(0, nullptr) != 0 || ::setresgid(nobody, nobody, nobody) != 0 ||
                     ::setresuid(nobody, nobody, nobody) != 0))
            _exit(77);
        Gold = 1;
        LevelNumber = 0;
        const bool left = TravelToLevel(1, 300);
        const bool stayed = LevelNumber == 0 && !left;
        _exit(stayed && windows.LogLines().back() == "Úroveň se nepodařilo uložit, zůstáváš zde..."
                  ? 0
                  : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(WorkingLevelsFolder().c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "could not give up root's rights";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(LevelPath(0)), level0);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(WorkingLevelsFolder()), fs::directory_iterator()), 2);
}

}  // namespace
