#include "levels/levels_test.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "game/core/arrivals.h"
#include "game/core/game_state.h"
#include "game/levels/level_files.h"
#include "levels/fuzz_readers.h"

namespace levels_test {

using namespace game;

void LevelsTest::SetUp() {
    GameTest::SetUp();
}

std::filesystem::path LevelsTest::LevelPath(int32_t number) const {
    return appFolder / "data/levels" / ("level" + std::to_string(number) + ".sc");
}

std::filesystem::path LevelsTest::SavePath(const std::string& name) const {
    return appFolder / "data/saves" / name;
}

void LevelsTest::MakeWorkingLevels(int32_t count, int32_t current) {
    std::filesystem::create_directories(appFolder / "data/levels");
    for (int32_t i = 0; i < count; ++i) {
        UseSampleLevel();
        Tiles[0].Param1 = "úroveň " + std::to_string(i);
        ASSERT_TRUE(StoreLevel(i));
    }
    UnpackedLevelCount = count;  // as if a package of them had been unpacked
    LevelNumber = current;
    ASSERT_TRUE(LoadLevel(current));
    NoteGameStateWhole();
}

void LevelsTest::ExpectRefused(const std::string& title) const {
    ASSERT_EQ(windows.messageBoxes.size(), 1u);
    EXPECT_EQ(windows.messageBoxes[0].first, "Chyba během načítání...");
    EXPECT_EQ(windows.messageBoxes[0].second, title);
    EXPECT_TRUE(windows.Called("CloseMainWindow"));
    EXPECT_TRUE(ShutdownRequested);
    EXPECT_FALSE(windows.progressShown);
}

void LevelsTest::ExpectNotRefused() const {
    EXPECT_TRUE(windows.messageBoxes.empty());
    EXPECT_FALSE(windows.Called("CloseMainWindow"));
    EXPECT_FALSE(ShutdownRequested);
}

LevelRecord SampleLevel() {
    LevelRecord level;
    for (int t = 0; t < 625; ++t) {
        TileRecord& tile = level.tiles[t];
        const int row = t / 25, column = t % 25;
        const bool border = row == 0 || row == 24 || column == 0 || column == 24;
        tile.Picture = static_cast<int16_t>(border ? 11 : 1 + t % 7);
        tile.Kind = border ? kSolidWall : kFloor;
        tile.Revealed = t % 3 == 0 ? kTrue : kFalse;
    }
    level.tiles[30] = {21, kDestructibleWall, kFalse, "5", "25"};
    level.tiles[31] = {33, kSign, kTrue, "Přes řeku vede jen jedna cesta, ěščřžýáíéůú!", "ONCE"};
    level.tiles[32] = {36, kTeleport, kFalse, "312", "once"};
    level.tiles[33] = {38, kLevelExit, kFalse, "1", "591"};
    level.tiles[34] = {41, kMechanism, kFalse, "100", "12 0"};
    level.tiles[35] = {45, kTrapFloor, kFalse, "", ""};
    level.tiles[36] = {34, kMessageScreen, kFalse, "Žluťoučký kůň úpěl ďábelské ódy", ""};
    level.monsters = {{100.25f, 200.5f, 3, 0, 1, 5},
                      {33.333f, 466.1f, 7, 2, 2, 12},
                      {-0.0f, 1e-30f, 15, 3, 4, 250}};
    level.items = {{41, 61, 0, 0}, {400, 20, 10, 10}};
    return level;
}

void UseSampleLevel() {
    UseLevelRecord(SampleLevel());
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(path.parent_path());
    // A new file rather than a truncated one: file systems flush a file that
    // is truncated and written again, which makes byte-by-byte tests slow.
    std::filesystem::remove(path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void PutInt16(std::vector<uint8_t>& out, int16_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((static_cast<uint16_t>(value) >> 8) & 0xFF));
}

void PutInt32(std::vector<uint8_t>& out, int32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>((static_cast<uint32_t>(value) >> shift) & 0xFF));
}

void PutKeyed(std::vector<uint8_t>& out, const std::string& ascii, int16_t key) {
    PutInt16(out, static_cast<int16_t>(ascii.size()));
    PutInt16(out, key);
    for (unsigned char c : ascii)
        PutInt16(out, static_cast<int16_t>(c + key));
}

bool SameLevel(const LevelRecord& a, const LevelRecord& b) {
    return levels_fuzz::SameLevel(a, b);
}

}  // namespace levels_test
