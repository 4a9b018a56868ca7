// Damaged and hostile files: every reader refuses them through the failure
// path, without a crash, a hang or a huge allocation.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>

#include "game/core/game_state.h"
#include "game/levels/keyed_string.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/load_failure.h"
#include "game/levels/package_record.h"
#include "game/levels/position_files.h"
#include "game/levels/working_levels.h"
#include "levels/levels_test.h"

namespace {

using namespace game;
using levels_test::LevelsTest;
using levels_test::PutInt16;
using levels_test::PutInt32;
using levels_test::PutKeyed;
using levels_test::ReadBytes;
using levels_test::WriteBytes;

// A small level: one sign, one monster, one item.
LevelRecord SmallLevel() {
    LevelRecord level;
    level.tiles[0] = {11, kSolidWall, kTrue, "", ""};
    level.tiles[1] = {33, kSign, kFalse, "Čti", "ONCE"};
    level.monsters = {{40.5f, 60.25f, 1, 1, 2, 3}};
    level.items = {{100, 100, 0, 0}};
    return level;
}

// The bytes of a level file up to (not including) its monster count, with
// tile texts empty but the header right.
std::vector<uint8_t> TilesOnly(int32_t number) {
    std::vector<uint8_t> bytes;
    PutKeyed(bytes, "level" + std::to_string(number), 5);
    for (int t = 0; t < 625; ++t) {
        PutInt16(bytes, 1);
        PutInt16(bytes, 0);
        PutInt16(bytes, 0);
        PutKeyed(bytes, "", 1);
        PutKeyed(bytes, "", 1);
    }
    return bytes;
}

class DamagedFiles : public LevelsTest {
  protected:
    // Loads the bytes as level 0 and reports whether they were refused;
    // the failure path is then reset for the next attempt.
    bool LevelRefused(const std::vector<uint8_t>& bytes) {
        WriteBytes(LevelPath(0), bytes);
        const bool loaded = LoadLevel(0);
        const bool refused = !loaded && windows.messageBoxes.size() == 1 &&
                             windows.messageBoxes[0].second == "CHYBA!!" && ShutdownRequested;
        ResetFailure();
        return refused;
    }

    bool PackageRefused(const std::vector<uint8_t>& bytes) {
        WriteBytes(appFolder / "data/levels.all", bytes);
        const bool unpacked = UnpackLevels("levels.all");
        const bool refused = !unpacked && windows.messageBoxes.size() == 1 &&
                             windows.messageBoxes[0].second == "CHYBA!!" && ShutdownRequested &&
                             !windows.progressShown;
        ResetFailure();
        return refused;
    }

    bool PositionRefused(const std::vector<uint8_t>& bytes) {
        WriteBytes(SavePath("p.pos"), bytes);
        const bool loaded = LoadPosition("p.pos");
        const bool refused = !loaded && windows.messageBoxes.size() == 1 &&
                             windows.messageBoxes[0].second == "CHYBA!" && ShutdownRequested;
        ResetFailure();
        return refused;
    }

    void ResetFailure() {
        ShutdownRequested = false;
        windows.messageBoxes.clear();
        windows.calls.clear();
    }
};

TEST_F(DamagedFiles, AGameAlreadyClosingSaysItOnce) {
    ShutdownRequested = true;
    RefuseDamagedFile(kLevelErrorTitle, "level0.sc", "cut short");
    EXPECT_TRUE(windows.messageBoxes.empty());
    EXPECT_TRUE(ShutdownRequested);
}

TEST_F(DamagedFiles, ALevelCutShortAtAnyByteIsRefused) {
    UseLevelRecord(SmallLevel());
    ASSERT_TRUE(StoreLevel(0));
    const std::vector<uint8_t> whole = ReadBytes(LevelPath(0));
    Tiles[50].Picture = 4321;
    for (size_t length = 0; length < whole.size(); ++length) {
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + length);
        ASSERT_TRUE(LevelRefused(cut)) << "cut at " << length << " of " << whole.size();
    }
    // Nothing of a refused file reached memory.
    EXPECT_EQ(Tiles[50].Picture, 4321);
    EXPECT_FALSE(LevelRefused(whole));
}

TEST_F(DamagedFiles, HostileCountsAreRefusedWithoutAllocatingThem) {
    for (int16_t monsters : {int16_t{-1}, int16_t{-32768}, int16_t{32767}, int16_t{1}}) {
        std::vector<uint8_t> bytes = TilesOnly(0);
        PutInt16(bytes, monsters);
        PutInt16(bytes, 0);  // what would be the item count
        EXPECT_TRUE(LevelRefused(bytes)) << "monster count " << monsters;
    }
    for (int16_t items : {int16_t{-1}, int16_t{32767}, int16_t{2}}) {
        std::vector<uint8_t> bytes = TilesOnly(0);
        PutInt16(bytes, 0);
        PutInt16(bytes, items);
        PutInt32(bytes, 0);  // one item's worth of bytes when two are claimed
        PutInt32(bytes, 0);
        EXPECT_TRUE(LevelRefused(bytes)) << "item count " << items;
    }
    std::vector<uint8_t> exact = TilesOnly(0);
    PutInt16(exact, 0);
    PutInt16(exact, 1);
    PutInt32(exact, 0);
    PutInt32(exact, 0);
    EXPECT_FALSE(LevelRefused(exact));
}

TEST_F(DamagedFiles, HostileTextLengthsAndCodesAreRefused) {
    auto withText = [](int16_t length, int16_t key, std::vector<int16_t> codes) {
        std::vector<uint8_t> bytes;
        PutKeyed(bytes, "level0", 0);
        PutInt16(bytes, 1), PutInt16(bytes, 0), PutInt16(bytes, 0);  // tile 0
        PutInt16(bytes, length);
        PutInt16(bytes, key);
        for (int16_t code : codes)
            PutInt16(bytes, code);
        return bytes;
    };
    EXPECT_TRUE(LevelRefused(withText(-1, 0, {})));
    EXPECT_TRUE(LevelRefused(withText(-32768, 0, {})));
    EXPECT_TRUE(LevelRefused(withText(32767, 0, {65, 66})));
    EXPECT_TRUE(LevelRefused(withText(1, 10, {9})));     // code below its key
    EXPECT_TRUE(LevelRefused(withText(1, -10, {250})));  // 260 after the key
    // A header that is no keyed string at all.
    std::vector<uint8_t> header;
    PutInt16(header, 6);
    PutInt16(header, 0);
    for (int16_t code : {108, 101, 118, 101, 108, 300})
        PutInt16(header, code);
    EXPECT_TRUE(LevelRefused(header));
}

TEST_F(DamagedFiles, MonsterPositionsThatAreNoNumbersAreRefused) {
    for (float bad :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        LevelRecord level = SmallLevel();
        level.monsters[0].Y = bad;
        ByteWriter out;
        WriteLevelRecord(out, 0, level);
        EXPECT_TRUE(LevelRefused(out.Bytes()));
    }
}

TEST_F(DamagedFiles, PackagesWithHostileCountsOrCutShortAreRefused) {
    for (int32_t count :
         {-1, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 2}) {
        std::vector<uint8_t> bytes;
        PutInt32(bytes, count);
        ByteWriter one;
        WriteLevelRecord(one, 0, SmallLevel());
        bytes.insert(bytes.end(), one.Bytes().begin(), one.Bytes().end());
        EXPECT_TRUE(PackageRefused(bytes)) << "level count " << count;
        EXPECT_EQ(CountWorkingLevels(), 0);
    }

    PackageRecord package;
    package.levels = {SmallLevel(), SmallLevel()};
    ByteWriter out;
    WritePackageRecord(out, package);
    const std::vector<uint8_t>& whole = out.Bytes();
    // Every cut through the counts, the headers and the edges between records.
    const size_t second = 4 + (whole.size() - 4) / 2;
    for (size_t length : {size_t{0}, size_t{3}, size_t{4}, size_t{5}, size_t{20}, second - 1,
                          second, second + 3, whole.size() - 9, whole.size() - 1})
        EXPECT_TRUE(PackageRefused({whole.begin(), whole.begin() + length})) << length;
    EXPECT_FALSE(PackageRefused(whole));
}

TEST_F(DamagedFiles, APackageCutShortAtAnyByteFailsToRead) {
    PackageRecord package;
    package.header = "x.lev";
    package.levels = {SmallLevel(), SmallLevel()};
    ByteWriter out;
    WritePackageRecord(out, package);
    const std::vector<uint8_t>& whole = out.Bytes();
    for (size_t length = 0; length < whole.size(); ++length) {
        ByteReader in(whole.data(), length);
        PackageRecord read;
        ASSERT_FALSE(ReadPackageRecord(in, true, read)) << length;
    }
}

TEST_F(DamagedFiles, APositionFileCutShortAtAnyByteIsRefused) {
    MakeWorkingLevels(1);
    ASSERT_TRUE(SavePosition("p.pos"));
    const std::vector<uint8_t> whole = ReadBytes(SavePath("p.pos"));
    LevelNumber = 0;
    HeroX = 12.5f;
    for (size_t length = 0; length < whole.size(); ++length)
        ASSERT_TRUE(PositionRefused({whole.begin(), whole.begin() + length})) << length;
    EXPECT_EQ(HeroX, 12.5f);  // nothing of a refused file was used
    EXPECT_FALSE(PositionRefused(whole));
}

TEST_F(DamagedFiles, APositionWithAHeroOutsideTheNumbersIsRefused) {
    PositionRecord position;
    position.HeroSpeed = std::numeric_limits<float>::quiet_NaN();
    ByteWriter out;
    WritePositionRecord(out, "p.pos", 3, position);
    EXPECT_TRUE(PositionRefused(out.Bytes()));
}

TEST_F(DamagedFiles, AFileThatIsNoLevelAtAllIsRefused) {
    std::vector<uint8_t> text(9000);
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<uint8_t>("Toto neni soubor urovne. "[i % 25]);
    EXPECT_TRUE(LevelRefused(text));
    EXPECT_TRUE(PackageRefused(text));
    EXPECT_TRUE(PositionRefused(text));
    std::filesystem::remove(LevelPath(0));
    std::filesystem::create_directories(LevelPath(0));  // a folder in the file's place
    EXPECT_FALSE(LoadLevel(0));
    EXPECT_TRUE(ShutdownRequested);
}

}  // namespace
