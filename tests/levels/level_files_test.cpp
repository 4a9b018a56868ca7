#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "game/core/game_state.h"
#include "game/core/monster_motion.h"
#include "game/levels/keyed_string.h"
#include "game/levels/level_files.h"
#include "game/levels/working_levels.h"
#include "levels/levels_test.h"

namespace {

using namespace game;
using levels_test::LevelsTest;
using levels_test::ReadBytes;
using levels_test::SameLevel;
using levels_test::SampleLevel;
using levels_test::UseSampleLevel;
using levels_test::WriteBytes;

class LevelFiles : public LevelsTest {};

TEST_F(LevelFiles, StoreThenLoadRestoresEveryStoredField) {
    UseSampleLevel();
    ASSERT_TRUE(StoreLevel(4));

    UseLevelRecord(LevelRecord{});  // wipe memory
    ASSERT_TRUE(LoadLevel(4));
    ExpectNotRefused();
    EXPECT_TRUE(SameLevel(CurrentLevelRecord(), SampleLevel()));
    EXPECT_EQ(Tiles[31].Param1, "Přes řeku vede jen jedna cesta, ěščřžýáíéůú!");
    EXPECT_EQ(MonsterCount, 3);
    EXPECT_EQ(Monsters.size(), 3u);
    EXPECT_EQ(MonsterRects.size(), 3u);
    EXPECT_EQ(ItemCount, 2);
    EXPECT_EQ(Monsters[2].HitPoints, 250);
    EXPECT_EQ(Monsters[2].Damage, 4);
    // The tiles' pixel positions are not part of the file.
    EXPECT_EQ(Tiles[591].X, 320);
    EXPECT_EQ(Tiles[591].Y, 460);
}

TEST_F(LevelFiles, LoadedMonstersSetOffInANewRandomDirection) {
    UseSampleLevel();
    ASSERT_TRUE(StoreLevel(0));
    ASSERT_TRUE(LoadLevel(0));
    for (int16_t i = 0; i < MonsterCount; ++i) {
        const Monster& m = Monsters[i];
        EXPECT_NEAR(std::fabs(m.DX) + std::fabs(m.DY), MonsterStepLength(m.Kind), 1e-6f);
        EXPECT_FALSE(m.Chasing);
    }
    const float firstDX = Monsters[1].DX;
    ASSERT_TRUE(LoadLevel(0));
    EXPECT_NE(Monsters[1].DX, firstDX);
}

TEST_F(LevelFiles, FileLayoutIsHeaderTilesMonstersItems) {
    LevelRecord level;  // empty texts, no monsters, no items
    level.tiles[0] = {7, 1, kTrue, "", ""};
    UseLevelRecord(level);
    ASSERT_TRUE(StoreLevel(0));
    const std::vector<uint8_t> bytes = ReadBytes(LevelPath(0));
    ASSERT_EQ(bytes.size(), (4 + 12) + 625 * 14 + 2 + 2);

    ByteReader in(bytes);
    std::string header;
    ASSERT_TRUE(ReadKeyedString(in, header));
    EXPECT_EQ(header, "level0");
    const int16_t headerKey = static_cast<int16_t>(bytes[2] | bytes[3] << 8);
    EXPECT_GE(headerKey, 1);
    EXPECT_LE(headerKey, 101);
    int16_t picture, kind, revealed;
    in.Int16(picture), in.Int16(kind), in.Int16(revealed);
    EXPECT_EQ(picture, 7);
    EXPECT_EQ(kind, 1);
    EXPECT_EQ(revealed, -1);
    // Zero monster and item counts end the file.
    EXPECT_EQ(bytes[bytes.size() - 4], 0);
    EXPECT_EQ(bytes[bytes.size() - 1], 0);
}

TEST_F(LevelFiles, MonsterDamageIsStoredBeforeHitPoints) {
    LevelRecord level;
    level.monsters = {{1.5f, 2.5f, 3, 1, 9, 77}};
    UseLevelRecord(level);
    ASSERT_TRUE(StoreLevel(0));
    const std::vector<uint8_t> bytes = ReadBytes(LevelPath(0));
    // The monster is the last 16 bytes before the item count.
    const size_t at = bytes.size() - 2 - 16;
    EXPECT_EQ(bytes[at + 12], 9);   // Damage
    EXPECT_EQ(bytes[at + 14], 77);  // HitPoints
}

TEST_F(LevelFiles, TwoStoresOfOneLevelDifferButReadTheSame) {
    UseSampleLevel();
    ASSERT_TRUE(StoreLevel(0));
    const auto first = ReadBytes(LevelPath(0));
    ASSERT_TRUE(StoreLevel(0));
    const auto second = ReadBytes(LevelPath(0));
    EXPECT_NE(first, second);
    ASSERT_TRUE(LoadLevel(0));
    EXPECT_TRUE(SameLevel(CurrentLevelRecord(), SampleLevel()));
}

TEST_F(LevelFiles, AShorterStoreLeavesNoTailOfTheOldFile) {
    UseSampleLevel();
    ASSERT_TRUE(StoreLevel(0));
    UseLevelRecord(LevelRecord{});
    ASSERT_TRUE(StoreLevel(0));
    EXPECT_EQ(ReadBytes(LevelPath(0)).size(), 16u + 625 * 14 + 4);
}

TEST_F(LevelFiles, ALevelWithoutMonstersKeepsOneClearedEntry) {
    LevelRecord level = SampleLevel();
    level.monsters.clear();
    level.items.clear();
    UseLevelRecord(level);
    ASSERT_TRUE(StoreLevel(0));
    UseSampleLevel();
    ASSERT_TRUE(LoadLevel(0));
    EXPECT_EQ(MonsterCount, 0);
    ASSERT_EQ(Monsters.size(), 1u);
    EXPECT_EQ(Monsters[0].HitPoints, 0);
    EXPECT_EQ(Monsters[0].X, 0.0f);
    EXPECT_EQ(MonsterRects.size(), 1u);
    EXPECT_EQ(ItemCount, 0);
    EXPECT_EQ(Items.size(), 1u);
}

TEST_F(LevelFiles, AFileOfAnotherLevelIsRefused) {
    UseSampleLevel();
    ASSERT_TRUE(StoreLevel(12));
    std::filesystem::copy_file(LevelPath(12), LevelPath(13));
    Tiles[100].Picture = 999;  // the level in memory before the failed load

    EXPECT_FALSE(LoadLevel(13));
    ExpectRefused("CHYBA!!");
    EXPECT_EQ(Tiles[100].Picture, 999);  // nothing of the file was used
    EXPECT_EQ(MonsterCount, 0);
    EXPECT_EQ(ItemCount, 0);
}

TEST_F(LevelFiles, HeadersAreCaseSensitiveAndHaveNoLeadingZeros) {
    UseSampleLevel();
    ASSERT_TRUE(StoreLevel(5));
    std::vector<uint8_t> bytes = ReadBytes(LevelPath(5));
    // Rewrite the header as "Level5" with the same key.
    const int16_t key = static_cast<int16_t>(bytes[2] | bytes[3] << 8);
    bytes[4] = static_cast<uint8_t>('L' + key);
    WriteBytes(LevelPath(5), bytes);
    EXPECT_FALSE(LoadLevel(5));
    ExpectRefused("CHYBA!!");
}

TEST_F(LevelFiles, AMissingFileIsRefused) {
    EXPECT_FALSE(LoadLevel(3));
    ExpectRefused("CHYBA!!");
}

TEST_F(LevelFiles, LoadingWhileTheHeroIsDeadReadsNothing) {
    UseSampleLevel();
    ASSERT_TRUE(StoreLevel(0));
    LevelRecord other;
    other.monsters = SampleLevel().monsters;
    other.tiles[5].Picture = 42;
    UseLevelRecord(other);
    AppendEntry(Missiles, MissileCount);
    BombArmed = true;
    HeroDead = true;

    EXPECT_FALSE(LoadLevel(0));
    ExpectNotRefused();
    EXPECT_EQ(Tiles[5].Picture, 42);  // the tiles keep what they held
    EXPECT_EQ(MonsterCount, 0);       // the lists are empty, counts included
    EXPECT_EQ(Monsters.size(), 1u);
    EXPECT_EQ(MissileCount, 0);
    EXPECT_FALSE(BombArmed);
}

TEST_F(LevelFiles, ResetEmptiesTheRunTimeListsAndDisarmsTheBomb) {
    AppendEntry(Missiles, MissileCount);
    AppendEntry(Explosions, ExplosionCount);
    AppendEntry(TileEffects, TileEffectCount);
    AppendEntry(Fragments, FragmentCount);
    AppendEntry(FloatTexts, FloatTextCount);
    UseSampleLevel();
    BombArmed = true;
    BombTime = 5;
    BombStage = 2;
    ResetLevelLists();
    EXPECT_EQ(MissileCount + ExplosionCount + TileEffectCount + FragmentCount + FloatTextCount, 0);
    EXPECT_EQ(Missiles.size() + Explosions.size() + TileEffects.size() + Fragments.size() +
                  FloatTexts.size(),
              5u);
    EXPECT_EQ(Monsters.size(), 1u);
    EXPECT_EQ(Items.size(), 1u);
    EXPECT_FALSE(BombArmed);
    EXPECT_EQ(BombTime, 0.0f);
    EXPECT_EQ(BombStage, 0);
}

TEST_F(LevelFiles, BytesAfterTheLastItemAreIgnored) {
    UseSampleLevel();
    ASSERT_TRUE(StoreLevel(0));
    auto bytes = ReadBytes(LevelPath(0));
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    WriteBytes(LevelPath(0), bytes);
    EXPECT_TRUE(LoadLevel(0));
    ExpectNotRefused();
}

TEST_F(LevelFiles, ClearingDeletesLevelFilesByNumber) {
    const auto folder = appFolder / "data/levels";
    ClearWorkingLevels();  // missing folder: created, nothing deleted
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    MakeWorkingLevels(3);
    WriteBytes(folder / "notes.txt", {1});
    ClearWorkingLevels();
    EXPECT_FALSE(std::filesystem::exists(LevelPath(0)));
    EXPECT_FALSE(std::filesystem::exists(LevelPath(2)));
    EXPECT_TRUE(std::filesystem::exists(folder / "notes.txt"));
}

TEST_F(LevelFiles, WorkingLevelsCountUpToTheFirstGap) {
    MakeWorkingLevels(4);
    WriteBytes(appFolder / "data/levels/readme", {1});
    EXPECT_EQ(CountWorkingLevels(), 4);
    std::filesystem::remove(LevelPath(2));
    EXPECT_EQ(CountWorkingLevels(), 2);
}

TEST_F(LevelFiles, NothingIsWrittenOrReadAfterTheShutDown) {
    UseSampleLevel();
    ShutdownRequested = true;
    EXPECT_FALSE(StoreLevel(0));
    EXPECT_FALSE(std::filesystem::exists(LevelPath(0)));
    EXPECT_FALSE(LoadLevel(0));
    EXPECT_TRUE(windows.messageBoxes.empty());
}

}  // namespace
