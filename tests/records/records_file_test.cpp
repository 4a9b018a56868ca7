// The player's records file: what is written reads back, damage of any
// kind is refused, and on the disk a damaged file is set aside (never
// deleted) while a read-only folder or a full disk leaves the old file as
// it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/core/run_statistics.h"
#include "game/platform/durable_file.h"
#include "game/records/records_file.h"
#include "game/records/records_keeper.h"

namespace {

using namespace game;
namespace fs = std::filesystem;

PlayerRecords Sample() {
    PlayerRecords r;
    const BestKey cave{"", "", Difficulty::kNormal, kWholeCave};
    const BestKey act{"můj zvon", "ab cd", Difficulty::kEasy, 3};
    r.bests[cave].fastest = BestRecord{108740, 108740, 0xabcdef, 1765000000, {"20261208-101500"}};
    r.bests[act].fewestDeaths = BestRecord{0, 5000, 1, 5, {}};
    r.campaignNames["můj zvon"] = "Můj 100% zvon";
    r.achievements.push_back({"cave-normal", 1765000001, 0xabcdef, {"1-2", "3"}});
    RunAttempts tries;
    tries.deaths[4] = 2;
    tries.reloads = 3;
    tries.recordings = {"20261208-101500"};
    r.ledger.emplace_back(0xabcdef, tries);
    return r;
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(RecordsFile, WhatIsWrittenReadsBackAndDamageIsRefused) {
    const std::string text = FormatPlayerRecords(Sample());
    EXPECT_EQ(ParsePlayerRecords(text), Sample());
    EXPECT_EQ(ParsePlayerRecords(text + "medal gold\n"), Sample()) << "a later version's line";

    const std::string title = "karvelun records 1\n";
    const std::string best = "best - - n 10 fastest 1 1 0000000000000001 5 -\n";
    ASSERT_TRUE(ParsePlayerRecords(title + best));
    const struct {
        const char* why;
        std::string text;
    } damaged[] = {
        {"another title", "karvelun records 2\n" + best},
        {"no title", best},
        {"a last line without its end", title + best.substr(0, best.size() - 1)},
        {"an empty line", title + "\n"},
        {"a best of no scope", title + "best - - n 11 fastest 1 1 0000000000000001 5 -\n"},
        {"a best of another difficulty",
         title + "best - - h 10 fastest 1 1 0000000000000001 5 -\n"},
        {"a best of another kind", title + "best - - n 10 slowest 1 1 0000000000000001 5 -\n"},
        {"a field short", title + "best - - n 10 fastest 1 1 0000000000000001 5\n"},
        {"a broken escape", title + "best %4 - n 10 fastest 1 1 0000000000000001 5 -\n"},
        {"an empty field", title + "best  - n 10 fastest 1 1 0000000000000001 5 -\n"},
        {"a recording of letters", title + "best - - n 10 fastest 1 1 0000000000000001 5 a/b\n"},
        {"a short run", title + "achievement swift 5 01 -\n"},
        {"an achievement twice", title + "achievement swift 5 0000000000000001 -\n"
                                         "achievement swift 6 0000000000000001 -\n"},
        {"an id that is no name", title + "achievement ../x 5 0000000000000001 -\n"},
        {"tries that do not read", title + "run 1 run=0000000000000001 d=4\n"},
        {"tries of no run", title + "run 1 run=0000000000000000\n"},
    };
    for (const auto& d : damaged)
        EXPECT_FALSE(ParsePlayerRecords(d.text)) << d.why;
    // Cut inside a line, it never reads.
    for (size_t size = 0; size < text.size(); ++size) {
        if (size > 0 && text[size - 1] == '\n') continue;
        ASSERT_FALSE(ParsePlayerRecords(text.substr(0, size))) << size;
    }
}

class RecordsOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("karvelun-records-" +
                  std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / kRecordsFileName).string();
    }
    void TearDown() override {
        SetFileFaultHook(nullptr);
        fs::remove_all(folder);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    fs::path folder;
    std::string path;
};

TEST_F(RecordsOnDisk, ADamagedFileIsSetAsideAndAFailedWriteKeepsTheOldOne) {
    EXPECT_EQ(ReadRecordsFile(path).state, RecordsFileRead::State::kMissing);
    std::string why;
    ASSERT_TRUE(WriteRecordsFile(path, Sample(), &why)) << why;
    RecordsFileRead read = ReadRecordsFile(path);
    EXPECT_EQ(read.state, RecordsFileRead::State::kRead);
    EXPECT_EQ(read.records, Sample());

    // Read-only, then full: the write fails, says why, and leaves the old
    // file whole with nothing beside it.
    const std::string old = Slurp(path);
    for (const auto& [step, error] :
         {std::pair{FileStep::kCreate, EACCES}, std::pair{FileStep::kWrite, ENOSPC},
          std::pair{FileStep::kRename, EROFS}}) {
        SetFileFaultHook([step = step, error = error](FileStep s, const std::string&) {
            return s == step ? error : 0;
        });
        why.clear();
        EXPECT_FALSE(WriteRecordsFile(path, PlayerRecords{}, &why));
        SetFileFaultHook(nullptr);
        EXPECT_NE(why.find(std::strerror(error)), std::string::npos) << why;
        EXPECT_EQ(Slurp(path), old);
        EXPECT_EQ(Names(), std::vector<std::string>{kRecordsFileName});
    }

    // Damaged twice: each set aside under its own name, never deleted, and
    // the records start empty.
    std::ofstream(path, std::ios::trunc) << "karvelun records 1\nbest\n";
    read = ReadRecordsFile(path);
    EXPECT_EQ(read.state, RecordsFileRead::State::kSetAside);
    EXPECT_EQ(read.records, PlayerRecords{});
    std::ofstream(path, std::ios::trunc) << "rubbish";
    EXPECT_EQ(ReadRecordsFile(path).setAsideAs, path + ".damaged-1");
    EXPECT_EQ(Names(), (std::vector<std::string>{"records.txt.damaged", "records.txt.damaged-1"}));
    EXPECT_EQ(Slurp(folder / "records.txt.damaged"), "karvelun records 1\nbest\n");

    // One that cannot even be set aside is never written over.
    std::ofstream(path, std::ios::trunc) << "rubbish";
    SetFileFaultHook(
        [](FileStep s, const std::string&) { return s == FileStep::kRename ? EIO : 0; });
    {
        RecordsKeeper keeper(path);
        SetFileFaultHook(nullptr);
        BeginRunStatistics();  // a change the keeper would write
        EXPECT_TRUE(keeper.Records().achievements.empty());
    }
    EXPECT_EQ(Slurp(path), "rubbish");
}

}  // namespace
