#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <type_traits>

#include "game/core/game_state.h"
#include "game/core/progression.h"
#include "game/core/sound_cues.h"
#include "support/game_test.h"
#include "support/recording_sound.h"

namespace {

using namespace game;
using testing_support::GameTest;

TEST(TileIndex, LowersToTheTileAndWrapsAcrossRows) {
    EXPECT_EQ(TileIndex(27, 45), 51);
    EXPECT_EQ(TileIndex(-5, 0), -1);  // -5 lowers to -20
    EXPECT_EQ(TileIndex(-20, 0), -1);
    EXPECT_EQ(TileIndex(-21, 0), -2);
    EXPECT_EQ(TileIndex(500, 0), 25);  // beyond the right edge: next row
    EXPECT_EQ(TileIndex(0, -1), -25);
    EXPECT_EQ(TileIndex(499, 499), 624);
    EXPECT_EQ(TileIndex(0, 500), 625);
    // A float position is rounded half to even before the lowering.
    EXPECT_EQ(TileIndexOf(19.5f, 0.0f), 1);
    EXPECT_EQ(TileIndexOf(18.5f, 0.0f), 0);
}

class GameStateTest : public GameTest {};

TEST_F(GameStateTest, TileCoordinatesFollowTheGrid) {
    EXPECT_EQ(Tiles[0].X, 0);
    EXPECT_EQ(Tiles[26].X, 20);
    EXPECT_EQ(Tiles[26].Y, 20);
    EXPECT_EQ(Tiles[591].X, 320);
    EXPECT_EQ(Tiles[591].Y, 460);
    EXPECT_EQ(Tiles[624].X, 480);
}

TEST_F(GameStateTest, SwapRemoveMovesTheLastEntryIntoTheGap) {
    for (int16_t i = 0; i < 3; ++i) {
        int16_t k = AppendEntry(Items, ItemCount);
        Items[k].Kind = static_cast<int16_t>(10 + i);
    }
    int16_t index = 0;
    RemoveItem(index);
    ASSERT_EQ(ItemCount, 2);
    EXPECT_EQ(Items.size(), 2u);
    EXPECT_EQ(Items[0].Kind, 12);
    EXPECT_EQ(Items[1].Kind, 11);

    index = 1;
    RemoveItem(index);
    index = 0;
    RemoveItem(index);
    // The only entry gone: count 0, one cleared entry that does not count.
    EXPECT_EQ(ItemCount, 0);
    ASSERT_EQ(Items.size(), 1u);
    EXPECT_EQ(Items[0].Kind, 0);
    // Adding afterwards reuses index 0.
    EXPECT_EQ(AppendEntry(Items, ItemCount), 0);
    EXPECT_EQ(ItemCount, 1);
}

TEST_F(GameStateTest, RemovingAFloatTextCopiesItsText) {
    for (const char* text : {"a", "b", "c"}) {
        int16_t k = AppendEntry(FloatTexts, FloatTextCount);
        FloatTexts[k].Text = text;
    }
    int16_t index = 0;
    RemoveFloatText(index);
    EXPECT_EQ(FloatTexts[0].Text, "c");
    FloatTexts[0].Text = "changed";
    EXPECT_EQ(FloatTexts[1].Text, "b");
}

TEST_F(GameStateTest, LastFragmentClearsEveryBlastMark) {
    AppendEntry(Fragments, FragmentCount);
    AppendEntry(Fragments, FragmentCount);
    AppendEntry(Monsters, MonsterCount);
    Monsters[0].BlastHit = true;
    HeroBlastHit = true;
    Tiles[40].Kind = kDestructibleWall;
    Tiles[40].BlastHit = true;
    Tiles[41].Kind = kFloor;
    Tiles[41].BlastHit = true;  // a wall this blast destroyed

    int16_t index = 0;
    RemoveFragment(index);
    EXPECT_TRUE(HeroBlastHit);  // one fragment still flies
    EXPECT_TRUE(Monsters[0].BlastHit);
    RemoveFragment(index);
    EXPECT_EQ(FragmentCount, 0);
    EXPECT_FALSE(HeroBlastHit);
    EXPECT_FALSE(Monsters[0].BlastHit);
    EXPECT_FALSE(Tiles[40].BlastHit);
    EXPECT_FALSE(Tiles[41].BlastHit);
}

TEST_F(GameStateTest, MonsterRectsAreFloored) {
    int16_t k = AppendEntry(Monsters, MonsterCount);
    Monsters[k].X = 10.7f;
    Monsters[k].Y = -0.5f;
    UpdateMonsterRects();
    const Rect& r = MonsterRects[0];
    EXPECT_EQ(r.Left, 10);
    EXPECT_EQ(r.Top, -1);
    EXPECT_EQ(r.Right, 25);
    EXPECT_EQ(r.Bottom, 14);
}

TEST_F(GameStateTest, RemovedMonsterLeavesItsRectangleUntilTheNextFrame) {
    for (int i = 0; i < 3; ++i) {
        int16_t k = AppendEntry(Monsters, MonsterCount);
        Monsters[k].X = 100.0f * i;
        Monsters[k].Picture = static_cast<int16_t>(i);
    }
    UpdateMonsterRects();
    int16_t index = 0;
    RemoveMonster(index);
    EXPECT_EQ(MonsterCount, 2);
    EXPECT_EQ(Monsters[0].Picture, 2);
    EXPECT_EQ(MonsterRects.size(), 2u);
    EXPECT_EQ(MonsterRects[0].Left, 0);  // still the removed monster's
    UpdateMonsterRects();
    EXPECT_EQ(MonsterRects[0].Left, 200);
}

TEST_F(GameStateTest, EveryKillOnLevel80OpensTheHall) {
    LevelNumber = 80;
    Tiles[136].Kind = kSolidWall;
    Tiles[136].Picture = 33;
    HeroX = 100;
    HeroY = 200;
    for (int i = 0; i < 2; ++i)
        AppendEntry(Monsters, MonsterCount);
    int16_t index = 0;
    RemoveMonster(index);
    EXPECT_EQ(Tiles[136].Kind, kFloor);
    EXPECT_EQ(Tiles[136].Picture, 33);  // the picture stays
    ASSERT_EQ(TileEffectCount, 1);
    EXPECT_EQ(TileEffects[0].X, Tiles[136].X);
    EXPECT_EQ(TileEffects[0].Y, Tiles[136].Y);
    ASSERT_EQ(FloatTextCount, 1);
    EXPECT_EQ(FloatTexts[0].Text, "Zabitím monstra se otřásla celá hala!");
    EXPECT_EQ(FloatTexts[0].Colour, 0xFFFFFF);
    EXPECT_FLOAT_EQ(FloatTexts[0].Y, 207.0f - 20.0f);
    EXPECT_EQ(windows.LogLines().back(), "Zabitím monstra se otřásla celá hala!");

    // Already open: it happens again.
    RemoveMonster(index);
    EXPECT_EQ(TileEffectCount, 2);
    EXPECT_EQ(windows.LogLines().size(), 2u);
    EXPECT_EQ(MonsterCount, 0);
}

TEST_F(GameStateTest, KillsElsewhereOnlyRemove) {
    LevelNumber = 79;
    Tiles[136].Kind = kSolidWall;
    AppendEntry(Monsters, MonsterCount);
    int16_t index = 0;
    RemoveMonster(index);
    EXPECT_EQ(Tiles[136].Kind, kSolidWall);
    EXPECT_EQ(TileEffectCount, 0);
    EXPECT_TRUE(windows.LogLines().empty());
}

TEST_F(GameStateTest, ResetHeroGivesTheNewGameValuesAndShowsThem) {
    HeroDead = true;
    KeyLeftHeld = FireHeld = BombArmed = HeroBlastHit = true;
    MissileCooldown = 7;
    Gold = 99;
    ResetHero();
    EXPECT_FALSE(HeroDead);
    EXPECT_FLOAT_EQ(HeroX, 322.0f);
    EXPECT_FLOAT_EQ(HeroY, 462.0f);
    EXPECT_EQ(Lives, 10);
    EXPECT_EQ(MaxLives, 10);
    EXPECT_FLOAT_EQ(HeroStepX, 0.8f);
    EXPECT_FLOAT_EQ(HeroStepY, 0.8f);
    EXPECT_FLOAT_EQ(HeroSpeed, 0.6f);
    EXPECT_EQ(MissileStrength, 1);
    EXPECT_EQ(MissileRange, 35);
    EXPECT_EQ(BombStrength, 5);
    EXPECT_EQ(BombRange, 30);
    EXPECT_FALSE(KeyLeftHeld || FireHeld || BombArmed || HeroBlastHit);
    EXPECT_EQ(MissileCooldown, 0);
    EXPECT_EQ(Gold, 0);
    // No experience and no gold yet: their grouped captions are empty.
    StatusCaptions expected{"10", "10", "", "100", "", "1", "1", "7", "5", "6", "6"};
    EXPECT_EQ(windows.status, expected);
}

// Gives a global a value of its type other than the one it has.  A global
// of a record type not handled yet stops this test from compiling until it
// gets its own line here.
void Dirty(Tile& tile) {
    tile.Param1 = "dirt";
}
void Dirty(FilePlaces& places) {
    places.campaigns.push_back("dirt");
}

template <typename>
constexpr bool kIsVector = false;
template <typename T>
constexpr bool kIsVector<std::vector<T>> = true;
template <typename>
constexpr bool kIsArray = false;
template <typename T, size_t N>
constexpr bool kIsArray<std::array<T, N>> = true;
template <typename>
constexpr bool kNotHandled = false;

template <typename T>
void Dirty(T& value) {
    static int pointee = 0;
    if constexpr (std::is_same_v<T, bool>) {
        value = !value;
    } else if constexpr (std::is_arithmetic_v<T>) {
        value = static_cast<T>(value + 3);
    } else if constexpr (std::is_enum_v<T>) {
        value = static_cast<T>(static_cast<std::underlying_type_t<T>>(value) + 1);
    } else if constexpr (std::is_pointer_v<T>) {
        value = reinterpret_cast<T>(&pointee);  // never followed
    } else if constexpr (kIsVector<T>) {
        value.emplace_back();
    } else if constexpr (kIsArray<T>) {
        Dirty(value.back());
    } else {
        static_assert(kNotHandled<T>, "teach Dirty this global's type");
    }
}

TEST_F(GameStateTest, EveryGlobalIsInTheListAndAResetRestoresEach) {
#define KARVELUN_DIRTY(type, name, start) \
    Dirty(name);                          \
    EXPECT_FALSE(name == static_cast<type>(start)) << #name " kept its start value";
    KARVELUN_GAME_GLOBALS(KARVELUN_DIRTY)
#undef KARVELUN_DIRTY

    ResetGameState();
#define KARVELUN_RESTORED(type, name, start) \
    EXPECT_TRUE(name == static_cast<type>(start)) << #name " was not reset";
    KARVELUN_GAME_GLOBALS(KARVELUN_RESTORED)
#undef KARVELUN_RESTORED

    // A global declared beside the list, not in it, would escape the reset.
    std::ifstream header(KARVELUN_SOURCE_DIR "/game/core/game_state.h");
    ASSERT_TRUE(header);
    const std::regex variable(R"(^inline (?!constexpr ).*;\s*$)");
    for (std::string line; std::getline(header, line);)
        EXPECT_FALSE(std::regex_match(line, variable)) << "outside the list: " << line;
}

TEST(Status, GroupedNumbersHaveOneBlankBetweenGroups) {
    EXPECT_EQ(FormatGrouped(1234567), "1 234 567");
    EXPECT_EQ(FormatGrouped(1200), "1 200");
    EXPECT_EQ(FormatGrouped(36100), "36 100");
    EXPECT_EQ(FormatGrouped(999), "999");
    EXPECT_EQ(FormatGrouped(0), "0");
    // The panel shows nothing for 0 and groups everything from 1 up.
    EXPECT_EQ(FormatStatusGrouped(0), "");
    EXPECT_EQ(FormatStatusGrouped(1), "1");
    EXPECT_EQ(FormatStatusGrouped(1000), "1 000");
    EXPECT_EQ(FormatStatusGrouped(2147483647), "2 147 483 647");
}

TEST(Status, RangesShowTheirFifthsAsTheShortestDecimal) {
    const std::pair<int32_t, const char*> cases[] = {
        {37, "7.4"}, {36, "7.2"},  {35, "7"},  {38, "7.6"},  {39, "7.8"},       {0, "0"},
        {1, "0.2"},  {-3, "-0.6"}, {-5, "-1"}, {-7, "-1.4"}, {32767, "6553.4"}, {-32768, "-6553.6"},
    };
    for (const auto& [pixels, shown] : cases)
        EXPECT_EQ(FormatRangeScale(pixels), shown) << pixels;
}

TEST_F(GameStateTest, ThePanelShowsRangesThatAreNoMultipleOfFive) {
    ResetHero();
    MissileRange = 37;
    BombRange = -3;
    Experience = 1;
    UpdateStatus();
    EXPECT_EQ(windows.status[7], "7.4");
    EXPECT_EQ(windows.status[9], "-0.6");
    EXPECT_EQ(windows.status[2], "1");
    EXPECT_EQ(windows.status[4], "");
}

TEST_F(GameStateTest, NextLevelThresholdGrowsWithTheSquareOfTheLevel) {
    HeroLevel = 18;
    EXPECT_EQ(NextLevelExperience(), 36100);
    EXPECT_EQ(CurrentStatusCaptions()[3], "36 100");
    EXPECT_EQ(CurrentStatusCaptions()[5], "19");
}

class CueTest : public GameTest {};

TEST_F(CueTest, CuesPlayOnlyWhileSoundIsOnAndIgnoreSoundFailures) {
    testing_support::RecordingSound sound;
    Sound = &sound;
    Volume = 0.5f;
    PlayCue(kCueMissile, 1.25f);
    EXPECT_TRUE(sound.calls.empty());  // sound is off

    SoundOn = true;
    PlayCue(kCueMissile, 1.25f);
    ASSERT_EQ(sound.calls.size(), 2u);
    EXPECT_EQ(sound.calls[0], "IndexLoad(" + appFolder.string() + "/data/zvuky/magic.wav,0,-1)");
    EXPECT_EQ(sound.calls[1], "IndexSet(0,0.5,0,1.25,-6)");
    EXPECT_EQ(SoundSlots[kCueMissile], 0);

    PlayCue(kCueNew, 1.0f, /*adjust=*/false);
    EXPECT_EQ(sound.calls.size(), 3u);

    sound.failLoad = true;
    EXPECT_NO_THROW(PlayCue(kCueHurt, 1.0f));
    Sound = nullptr;
}

}  // namespace
