// setup.ini on the disk: what is no settings file reads as none, and the
// tool's writing replaces the file whole or not at all.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "game/platform/durable_file.h"
#include "game/settings/setup_ini.h"
#include "settings/setup_values.h"

namespace settings {
namespace {

namespace fs = std::filesystem;

class SetupFile : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "karvelun-setup-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        game::SetFileFaultHook(nullptr);
        ::chmod(dir_.c_str(), 0755);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string Path() const { return (dir_ / kSetupIniName).string(); }
    static void WriteRaw(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }
    static std::string ReadAll(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Every entry of the folder, hidden ones too.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.insert(entry.path().filename().string());
        return names;
    }
    const std::set<std::string> kJustTheFile{std::string(kSetupIniName)};

    fs::path dir_;
};

// A missing file, a folder, a pipe without a writer, a link to an endless
// device or a huge sparse file: nothing to read, at once.
TEST_F(SetupFile, WhatIsNoSettingsFileReadsAsNone) {
    const std::string path = Path();
    EXPECT_FALSE(ReadSetupIni(path).has_value()) << "missing";
    fs::create_directory(path);
    EXPECT_FALSE(ReadSetupIni(path).has_value()) << "folder";
    fs::remove(path);
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    EXPECT_FALSE(ReadSetupLines(path).has_value()) << "pipe";
    fs::remove(path);
    fs::create_symlink("/dev/zero", path);
    EXPECT_FALSE(ReadSetupLines(path).has_value()) << "/dev/zero";
    fs::remove(path);
    WriteRaw(path, "Zvuky=Ne\r\n");
    EXPECT_EQ(ReadSetupIni(path), Old(false, 100, 0));
    fs::resize_file(path, 4ull << 30);  // sparse: no room taken
    EXPECT_FALSE(ReadSetupIni(path).has_value()) << "4 GiB";
}

TEST_F(SetupFile, WritingReplacesTheOldFileWholeAndReadsBack) {
    WriteRaw(Path(), std::string(5000, 'x'));
    SetupValues everything = Old(false, 37, 1234);
    everything.scale = 2;
    everything.fullScreen = true;
    everything.pauseOnFocusLoss = false;
    everything.keys[4] = 'J';
    everything.otherLines = {"Klavesy=W", "x"};
    for (const SetupValues& values : {Old(true, 0, 0), Old(false, 100, 20000), everything}) {
        std::string error = "untouched";
        ASSERT_TRUE(WriteSetupIni(Path(), values, &error));
        EXPECT_EQ(error, "untouched");
        EXPECT_EQ(ReadAll(Path()), FormatSetupIni(values));
        EXPECT_EQ(ReadSetupIni(Path()), values);
        EXPECT_EQ(Entries(), kJustTheFile);
    }
}

TEST_F(SetupFile, AFailedWriteSaysWhyAndLeavesNothingBehind) {
    // A folder in the way of the file: the new file cannot take its place.
    fs::create_directory(Path());
    std::string error;
    EXPECT_FALSE(WriteSetupIni(Path(), Old(true, 1, 2), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(Path()));
    EXPECT_EQ(Entries(), kJustTheFile);

    // A folder that is gone.
    error.clear();
    EXPECT_FALSE(WriteSetupIni((dir_ / "gone" / kSetupIniName).string(), {}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(WriteSetupIni((dir_ / "gone" / kSetupIniName).string(), {}, nullptr));
}

TEST_F(SetupFile, AFullDiskOrAFailingFlushKeepsTheOldFile) {
    const std::string old = "Zvuky=Ne\r\nHlasitost=5\r\nTick=6\r\n";
    for (const game::FileStep failing :
         {game::FileStep::kCreate, game::FileStep::kWrite, game::FileStep::kSyncFile,
          game::FileStep::kClose, game::FileStep::kRename}) {
        for (const int error : {ENOSPC, EFBIG, EIO}) {
            WriteRaw(Path(), old);
            game::SetFileFaultHook([&](game::FileStep step, const std::string&) {
                return step == failing ? error : 0;
            });
            std::string reason;
            EXPECT_FALSE(WriteSetupIni(Path(), Old(true, 90, 1), &reason));
            game::SetFileFaultHook(nullptr);
            EXPECT_NE(reason.find(std::strerror(error)), std::string::npos) << reason;
            EXPECT_EQ(ReadAll(Path()), old) << game::FileStepName(failing);
            EXPECT_EQ(Entries(), kJustTheFile);
        }
    }
}

TEST_F(SetupFile, AFolderThatRefusesNewFilesGetsTheFileRewrittenInPlace) {
    WriteRaw(Path(), std::string(3000, 'x'));
    game::SetFileFaultHook([](game::FileStep step, const std::string& path) {
        return step == game::FileStep::kCreate && path.find(".tmp-write-") != std::string::npos
                   ? EACCES
                   : 0;
    });
    ASSERT_TRUE(WriteSetupIni(Path(), Old(false, 12, 34), nullptr));
    EXPECT_EQ(ReadAll(Path()), FormatSetupIni(Old(false, 12, 34)));  // cut to its new length
    EXPECT_EQ(Entries(), kJustTheFile);

    // A link in the file's place is not written through, even then.
    const std::string outside = (dir_ / "jinde").string();
    WriteRaw(outside, "cizí");
    fs::remove(Path());
    fs::create_symlink(outside, Path());
    std::string reason;
    EXPECT_FALSE(WriteSetupIni(Path(), Old(true, 1, 1), &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(ReadAll(outside), "cizí");

    // Nor is a file the player may not write.
    fs::remove(Path());
    WriteRaw(Path(), "Zvuky=Ano\r\n");
    ::chmod(Path().c_str(), 0444);
    if (::geteuid() != 0) {
        EXPECT_FALSE(WriteSetupIni(Path(), Old(false, 1, 1), &reason));
        EXPECT_EQ(ReadAll(Path()), "Zvuky=Ano\r\n");
    }
}

// The same with a real folder the tool may not write to.
TEST_F(SetupFile, AReadOnlyPortableFolderWithAWritableFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "folder modes do not stop root; the seam test covers it";
    WriteRaw(Path(), "Zvuky=Ano\r\n");
    ::chmod(Path().c_str(), 0644);
    ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
    const bool written = WriteSetupIni(Path(), Old(false, 50, 0), nullptr);
    ::chmod(dir_.c_str(), 0755);
    EXPECT_TRUE(written);
    EXPECT_EQ(ReadSetupIni(Path()), Old(false, 50, 0));
}

}  // namespace
}  // namespace settings
