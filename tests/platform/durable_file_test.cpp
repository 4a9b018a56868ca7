#include "game/platform/durable_file.h"
#include "game/platform/durable_file_set.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "levels/levels_test.h"
#include "support/file_size_limit.h"

namespace {

using namespace game;
using levels_test::ReadBytes;
using levels_test::WriteBytes;
namespace fs = std::filesystem;

const std::vector<uint8_t> kOld = {'o', 'l', 'd', ' ', 'f', 'i', 'l', 'e', '\n'};

std::vector<uint8_t> NewBytes(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    return bytes;
}

class DurableFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        folder = fs::temp_directory_path() / ("karvelun-durable-" + std::to_string(rd()));
        fs::create_directories(folder);
        target = (folder / "file.bin").string();
    }
    void TearDown() override {
        SetFileFaultHook(nullptr);
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The steps one call goes through, in order.
    template <typename Call>
    std::vector<FileStep> StepsOf(Call call) {
        std::vector<FileStep> steps;
        SetFileFaultHook([&](FileStep step, const std::string&) {
            steps.push_back(step);
            return 0;
        });
        call();
        SetFileFaultHook(nullptr);
        return steps;
    }

    // Makes the n-th step (0-based) fail with the error.
    void FailStep(size_t n, int error) {
        auto counter = std::make_shared<size_t>(0);
        SetFileFaultHook([counter, n, error](FileStep, const std::string&) {
            return (*counter)++ == n ? error : 0;
        });
    }

    fs::path folder;
    std::string target;
};

TEST_F(DurableFile, AFailureAtAnyStepBeforeTheRenameKeepsTheOldFileAndLeavesNothing) {
    const auto bytes = NewBytes(100000);
    const auto steps = StepsOf([&] {
        WriteBytes(target, kOld);
        ASSERT_TRUE(ReplaceFile(target, bytes, Durability::kFlushed));
    });
    ASSERT_GE(steps.size(), 5u);  // create, write, fsync, close, rename, fsync folder
    EXPECT_EQ(steps.front(), FileStep::kCreate);
    EXPECT_EQ(steps.back(), FileStep::kSyncFolder);

    for (size_t n = 0; n < steps.size(); ++n) {
        for (int error : {EIO, ENOSPC, EFBIG}) {
            WriteBytes(target, kOld);
            FailStep(n, error);
            std::string why;
            EXPECT_FALSE(ReplaceFile(target, bytes, Durability::kFlushed, &why));
            SetFileFaultHook(nullptr);
            EXPECT_NE(why.find(FileStepName(steps[n])), std::string::npos) << why;
            EXPECT_NE(why.find(std::strerror(error)), std::string::npos) << why;
            // Only a failing flush of the folder comes after the new file
            // took the name; before it, the old file stays.
            EXPECT_EQ(ReadBytes(target), steps[n] == FileStep::kSyncFolder ? bytes : kOld)
                << FileStepName(steps[n]);
            EXPECT_EQ(Names(), std::vector<std::string>{"file.bin"}) << FileStepName(steps[n]);
        }
    }
}

TEST_F(DurableFile, ShortWritesAreFollowedUpUntilEveryByteIsWritten) {
    const auto bytes = NewBytes(4099);
    int shortWrites = 0;
    SetFileFaultHook([&](FileStep step, const std::string&) {
        if (step != FileStep::kWrite) return 0;
        ++shortWrites;
        return kShortWrite;
    });
    ASSERT_TRUE(ReplaceFile(target, bytes, Durability::kFlushed));
    EXPECT_GT(shortWrites, 10);
    EXPECT_EQ(ReadBytes(target), bytes);

    // A write that stores part and then meets a full disk fails whole.
    WriteBytes(target, kOld);
    int writes = 0;
    SetFileFaultHook([&](FileStep step, const std::string&) {
        if (step != FileStep::kWrite) return 0;
        return ++writes == 1 ? kShortWrite : ENOSPC;
    });
    EXPECT_FALSE(ReplaceFile(target, bytes, Durability::kUnflushed));
    EXPECT_EQ(ReadBytes(target), kOld);
    EXPECT_EQ(Names(), std::vector<std::string>{"file.bin"});
}

TEST_F(DurableFile, AFileSizeLimitKeepsTheOldFileWhole) {
    WriteBytes(target, kOld);
    {
        testing_support::FileSizeLimit full(1000);
        std::string why;
        EXPECT_FALSE(ReplaceFile(target, NewBytes(5000), Durability::kFlushed, &why));
        EXPECT_NE(why.find(std::strerror(EFBIG)), std::string::npos) << why;
        EXPECT_FALSE(WriteNewFile((folder / "new").string(), NewBytes(5000), Durability::kFlushed));
    }
    EXPECT_EQ(ReadBytes(target), kOld);
    EXPECT_EQ(Names(), std::vector<std::string>{"file.bin"});
}

TEST_F(DurableFile, ALinkUnderTheNameIsReplacedNeverWrittenThrough) {
    const fs::path outside = folder / "outside";
    fs::create_directories(outside);
    WriteBytes(outside / "victim", kOld);
    fs::create_symlink(outside / "victim", target);
    ASSERT_TRUE(ReplaceFile(target, NewBytes(10), Durability::kFlushed));
    EXPECT_FALSE(fs::is_symlink(target));
    EXPECT_EQ(ReadBytes(target), NewBytes(10));
    EXPECT_EQ(ReadBytes(outside / "victim"), kOld);

    const std::string half = (folder / "half").string();
    fs::create_symlink(outside / "victim", half);
    ASSERT_TRUE(WriteNewFile(half, NewBytes(20), Durability::kUnflushed));
    EXPECT_FALSE(fs::is_symlink(half));
    EXPECT_EQ(ReadBytes(outside / "victim"), kOld);

    // Rewriting in place refuses a link rather than follow it.
    fs::remove(half);
    fs::create_symlink(outside / "victim", half);
    EXPECT_FALSE(RewriteInPlace(half, NewBytes(3)));
    EXPECT_EQ(ReadBytes(outside / "victim"), kOld);
}

TEST_F(DurableFile, AFolderUnderTheNameFailsAndStaysAsItWas) {
    fs::create_directories(fs::path(target) / "inside");
    std::string why;
    EXPECT_FALSE(ReplaceFile(target, NewBytes(10), Durability::kFlushed, &why));
    EXPECT_NE(why.find("rename"), std::string::npos) << why;
    EXPECT_TRUE(fs::is_directory(fs::path(target) / "inside"));
    EXPECT_EQ(Names(), std::vector<std::string>{"file.bin"});
    EXPECT_FALSE(RewriteInPlace(target, NewBytes(10)));
}

TEST_F(DurableFile, RewritingInPlaceCutsTheFileOnlyAfterTheNewBytesAreSafe) {
    const auto longer = NewBytes(5000);
    WriteBytes(target, kOld);
    ASSERT_TRUE(RewriteInPlace(target, longer));
    EXPECT_EQ(ReadBytes(target), longer);
    ASSERT_TRUE(RewriteInPlace(target, kOld));
    EXPECT_EQ(ReadBytes(target), kOld);

    // Cut short before the truncation: the new text, then the old tail.
    WriteBytes(target, longer);
    SetFileFaultHook(
        [](FileStep step, const std::string&) { return step == FileStep::kTruncate ? EIO : 0; });
    EXPECT_FALSE(RewriteInPlace(target, kOld));
    auto expected = kOld;
    expected.insert(expected.end(), longer.begin() + static_cast<long>(kOld.size()), longer.end());
    EXPECT_EQ(ReadBytes(target), expected);
}

TEST_F(DurableFile, TemporaryNamesNeverSpellLevAndStayInTheFolder) {
    std::vector<std::string> seen;
    SetFileFaultHook([&](FileStep step, const std::string& path) {
        if (step == FileStep::kCreate) seen.push_back(path);
        return 0;
    });
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(ReplaceFile(target, NewBytes(3), Durability::kUnflushed));
    ASSERT_EQ(seen.size(), 50u);
    for (std::string name : seen) {
        EXPECT_EQ(fs::path(name).parent_path(), folder);
        std::transform(name.begin(), name.end(), name.begin(), ::toupper);
        EXPECT_EQ(fs::path(name).filename().string().find("LEV"), std::string::npos) << name;
    }
}

// A set of files replaced as one: whichever file fails, the written ones get
// their old bytes back, a removed one comes back and a new one goes.
TEST_F(DurableFile, AFailedFileOfASetPutsTheWholeSetBack) {
    const std::string a = (folder / "a.bin").string(), b = (folder / "b.bin").string();
    const std::string c = (folder / "c.bin").string();
    const std::vector<FileOfSet> set{{a, NewBytes(10)}, {b, std::nullopt}, {c, NewBytes(20)}};
    // The steps that put a file of the set into place: a's rename, b's
    // removal, c's rename.
    for (int failing = 0; failing < 3; ++failing) {
        WriteBytes(a, kOld);
        WriteBytes(b, {'b'});
        int placing = 0;
        SetFileFaultHook([&](FileStep step, const std::string&) {
            if (step != FileStep::kRename && step != FileStep::kRemove) return 0;
            return placing++ == failing ? ENOSPC : 0;
        });
        std::string why;
        EXPECT_FALSE(ReplaceFileSet(folder.string(), set, &why));
        SetFileFaultHook(nullptr);
        EXPECT_NE(why.find(set[failing].path + ": cannot be written"), std::string::npos) << why;
        EXPECT_EQ(Names(), (std::vector<std::string>{"a.bin", "b.bin"})) << failing;
        EXPECT_EQ(ReadBytes(a), kOld) << failing;
        EXPECT_EQ(ReadBytes(b), std::vector<uint8_t>{'b'}) << failing;
    }
    ASSERT_TRUE(ReplaceFileSet(folder.string(), set));
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.bin", "c.bin"}));
    EXPECT_EQ(ReadBytes(c), NewBytes(20));
}

}  // namespace
