// What the state checksum covers and what a snapshot brings back.
#include <gtest/gtest.h>

#include "game/core/game_state.h"
#include "game/core/messages.h"
#include "game/levels/level_files.h"
#include "game/replay/state_snapshot.h"
#include "support/game_test.h"

namespace {

class StateChecksumTest : public testing_support::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        OpenFieldInItsWalls();
        game::ResetHero();
        game::Monsters[game::AppendEntry(game::Monsters, game::MonsterCount)].X = 40.0f;
        ASSERT_TRUE(game::StoreLevel(0));
        ASSERT_TRUE(game::StoreLevel(1));
    }
};

TEST_F(StateChecksumTest, TheRulesStateCountsTheFloatingTextsAndTheLogDoNot) {
    replay::StateChecksum checksum;
    const uint32_t start = checksum.Compute();
    EXPECT_EQ(checksum.Compute(), start);

    game::AddFloatText(100.0f, 100.0f, "Zlato", 0);
    game::AddLogLine("Zlato");
    game::FloatTexts[0].Y -= 0.3f;
    EXPECT_EQ(checksum.Compute(), start);

    game::Monsters[0].X += 0.001f;
    EXPECT_NE(checksum.Compute(), start);
    game::Monsters[0].X -= 0.001f;
    game::Tiles[300].Revealed = game::kTrue;
    EXPECT_NE(checksum.Compute(), start);
    game::Tiles[300].Revealed = game::kFalse;
    game::KeyLeftHeld = true;
    EXPECT_NE(checksum.Compute(), start);
    game::KeyLeftHeld = false;
    EXPECT_EQ(checksum.Compute(), start);
}

// The working levels are read again after a level file is written, not
// before: a stored change shows in the very next checksum.
TEST_F(StateChecksumTest, AStoredLevelShowsInTheNextChecksum) {
    replay::StateChecksum checksum;
    const uint32_t start = checksum.Compute();
    game::Tiles[40].Kind = game::kDestructibleWall;
    ASSERT_TRUE(game::StoreLevel(1));
    game::Tiles[40].Kind = game::kFloor;
    EXPECT_NE(checksum.Compute(), start);

    // The same level stored again under fresh random keys is the same level.
    ASSERT_TRUE(game::StoreLevel(1));
    game::Tiles[40].Kind = game::kDestructibleWall;
    ASSERT_TRUE(game::StoreLevel(1));
    game::Tiles[40].Kind = game::kFloor;
    const uint32_t again = checksum.Compute();
    game::Tiles[40].Kind = game::kDestructibleWall;
    ASSERT_TRUE(game::StoreLevel(1));
    game::Tiles[40].Kind = game::kFloor;
    EXPECT_EQ(checksum.Compute(), again);
}

TEST_F(StateChecksumTest, ASnapshotBringsBackEveryValueAndADamagedOneNothing) {
    game::AddFloatText(100.0f, 100.0f, "Zlato", 0);
    game::BombArmed = true;
    game::BombTime = 1234.5f;
    const std::vector<uint8_t> snapshot = replay::TakeSnapshot();
    replay::StateChecksum checksum;
    const uint32_t before = checksum.Compute();

    game::HeroX += 3.0f;
    game::ClearList(game::Monsters, game::MonsterCount);
    game::ClearList(game::FloatTexts, game::FloatTextCount);
    game::Tiles[7].Param1 = "jinam";
    const uint32_t changed = checksum.Compute();
    ASSERT_NE(changed, before);

    for (size_t cut : {size_t{0}, snapshot.size() / 2, snapshot.size() - 1}) {
        EXPECT_FALSE(replay::RestoreSnapshot(
            std::vector<uint8_t>(snapshot.begin(), snapshot.begin() + static_cast<long>(cut))));
        EXPECT_EQ(checksum.Compute(), changed);
    }
    std::vector<uint8_t> longer = snapshot;
    longer.push_back(0);
    EXPECT_FALSE(replay::RestoreSnapshot(longer));

    ASSERT_TRUE(replay::RestoreSnapshot(snapshot));
    EXPECT_EQ(checksum.Compute(), before);
    EXPECT_EQ(game::FloatTextCount, 1);
    EXPECT_EQ(game::FloatTexts[0].Text, "Zlato");
    EXPECT_EQ(replay::TakeSnapshot(), snapshot);
}

}  // namespace
