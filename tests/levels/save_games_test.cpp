#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "game/core/game_state.h"
#include "game/core/progression.h"
#include "game/levels/keyed_string.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/position_files.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_games.h"
#include "game/levels/save_pair.h"
#include "game/levels/working_levels.h"
#include "game/play/game_flow.h"
#include "game/world/hero_death.h"
#include "levels/levels_test.h"
#include "support/file_size_limit.h"

namespace {

using namespace game;
using levels_test::LevelsTest;
using levels_test::ReadBytes;
using levels_test::WriteBytes;

namespace fs = std::filesystem;

class SaveGames : public LevelsTest {
  protected:
    void SetHero(int32_t level, float x, int32_t gold) {
        LevelNumber = level;
        HeroX = x;
        HeroY = 0.1f;
        HeroStepX = 0.8f;
        HeroStepY = -0.0f;
        HeroSpeed = 0.7f;
        HeroFacing = 3;
        Lives = 7;
        MaxLives = 12;
        Experience = 123456;
        Gold = gold;
        HeroLevel = 4;
        MissileStrength = 3;
        MissileRange = 45;
        BombStrength = 9;
        BombRange = 35;
    }

    // The save folder's files (the descriptions folder is the save-pair
    // tests' business).
    std::vector<std::string> SaveFolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(appFolder / "data/saves"))
            if (!entry.is_directory()) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

bool SameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(SaveGames, APositionFileRoundTripsAllSixteenFieldsBitForBit) {
    const PositionRecord saved = {-7,
                                  std::numeric_limits<float>::denorm_min(),
                                  -0.0f,
                                  0.1f,
                                  1e30f,
                                  std::nextafter(0.6f, 1.0f),
                                  -32768,
                                  32767,
                                  -1,
                                  std::numeric_limits<int32_t>::min(),
                                  std::numeric_limits<int32_t>::max(),
                                  300,
                                  -5,
                                  1000,
                                  77,
                                  -2};
    UsePosition(saved);
    ASSERT_TRUE(SavePosition("p.pos"));
    UsePosition(PositionRecord{});
    MakeWorkingLevels(1);
    // LevelNumber -7 has no level: the position itself is read first.
    EXPECT_FALSE(LoadPosition("p.pos"));
    const PositionRecord loaded = CurrentPosition();
    EXPECT_EQ(loaded.LevelNumber, -7);
    EXPECT_TRUE(SameBits(loaded.HeroX, saved.HeroX));
    EXPECT_TRUE(SameBits(loaded.HeroY, saved.HeroY));
    EXPECT_TRUE(SameBits(loaded.HeroStepX, saved.HeroStepX));
    EXPECT_TRUE(SameBits(loaded.HeroStepY, saved.HeroStepY));
    EXPECT_TRUE(SameBits(loaded.HeroSpeed, saved.HeroSpeed));
    EXPECT_EQ(loaded.HeroFacing, -32768);
    EXPECT_EQ(loaded.Lives, 32767);
    EXPECT_EQ(loaded.MaxLives, -1);
    EXPECT_EQ(loaded.Experience, saved.Experience);
    EXPECT_EQ(loaded.Gold, saved.Gold);
    EXPECT_EQ(loaded.HeroLevel, 300);
    EXPECT_EQ(loaded.MissileStrength, -5);
    EXPECT_EQ(loaded.MissileRange, 1000);
    EXPECT_EQ(loaded.BombStrength, 77);
    EXPECT_EQ(loaded.BombRange, -2);
}

TEST_F(SaveGames, PositionFieldsLieInTheirOrderWithExperienceBeforeGold) {
    SetHero(2, 1.0f, 0x01020304);
    Experience = 0x0A0B0C0D;
    ASSERT_TRUE(SavePosition("o.pos"));
    const auto bytes = ReadBytes(SavePath("o.pos"));
    const size_t header = 4 + 2 * 5;
    ASSERT_EQ(bytes.size(), header + 48);
    EXPECT_EQ(bytes[header], 2);                      // LevelNumber
    EXPECT_EQ(bytes[header + 4 + 20 + 6], 0x0D);      // Experience
    EXPECT_EQ(bytes[header + 4 + 20 + 6 + 4], 0x04);  // Gold
    const int16_t key = static_cast<int16_t>(bytes[2] | bytes[3] << 8);
    EXPECT_GE(key, 0);
    EXPECT_LE(key, 99);
}

TEST_F(SaveGames, LoadingAPositionRestoresTheHeroAndLoadsHisLevel) {
    MakeWorkingLevels(3);
    SetHero(2, 242.0f, 99);
    ASSERT_TRUE(SavePosition("h.pos"));
    SetHero(0, 5.0f, 1);
    ASSERT_TRUE(LoadPosition("h.pos"));
    EXPECT_EQ(LevelNumber, 2);
    EXPECT_EQ(HeroX, 242.0f);
    EXPECT_EQ(Gold, 99);
    EXPECT_EQ(Tiles[0].Param1, "úroveň 2");
    EXPECT_TRUE(windows.Called("ShowStatus"));
    EXPECT_EQ(windows.status[0], "7");
}

TEST_F(SaveGames, ASaveIsAPairWithItsNamesInsideAndCopiesAreUnreadable) {
    MakeWorkingLevels(2, 1);
    SetHero(1, 50.0f, 10);
    ASSERT_TRUE(SaveGame("Moje hra"));
    EXPECT_EQ(windows.LogLines().back(), "Hra byla úspěšně uložena...");
    EXPECT_EQ(SaveFolderNames(), (std::vector<std::string>{"Moje hra.lev", "Moje hra.pos"}));

    fs::copy_file(SavePath("Moje hra.pos"), SavePath("kopie.pos"));
    EXPECT_FALSE(LoadPosition("kopie.pos"));
    ExpectRefused("CHYBA!");
}

TEST_F(SaveGames, ACopiedPackageIsUnreadableToo) {
    MakeWorkingLevels(2);
    ASSERT_TRUE(SaveGame("orig"));
    fs::copy_file(SavePath("orig.lev"), SavePath("kopie.lev"));
    fs::copy_file(SavePath("orig.pos"), SavePath("kopie.pos"));
    EXPECT_FALSE(LoadGame("kopie"));
    ExpectRefused("CHYBA!!");
}

TEST_F(SaveGames, SavingTwiceUnderOneNameLeavesOnePairWithTheSecondState) {
    MakeWorkingLevels(2);
    SetHero(0, 10.0f, 111);
    ASSERT_TRUE(SaveGame("hra"));
    SetHero(1, 20.0f, 222);
    Tiles[3].Param2 = "druhý stav";
    ASSERT_TRUE(StoreLevel(1));
    ASSERT_TRUE(SaveGame("hra"));
    EXPECT_EQ(SaveFolderNames(), (std::vector<std::string>{"hra.lev", "hra.pos"}));

    SetHero(0, 0.0f, 0);
    ASSERT_TRUE(LoadGame("hra"));
    EXPECT_EQ(Gold, 222);
    EXPECT_EQ(LevelNumber, 1);
    EXPECT_EQ(Tiles[3].Param2, "druhý stav");
    EXPECT_EQ(windows.LogLines().back(), "Hra byla úspěšně načtena...");
}

TEST_F(SaveGames, QuickSaveAndQuickLoadGoThroughTheQuickPair) {
    MakeWorkingLevels(2, 1);
    SetHero(1, 77.0f, 5);
    ASSERT_TRUE(QuickSave());
    EXPECT_TRUE(fs::exists(SavePath("quick.lev")));
    EXPECT_TRUE(fs::exists(SavePath("quick.pos")));

    SetHero(0, 1.0f, 0);
    Paused = true;
    windows.AppendLogLine("stará zpráva");
    ASSERT_TRUE(QuickLoad());
    EXPECT_EQ(HeroX, 77.0f);
    EXPECT_FALSE(Paused);
    EXPECT_EQ(windows.LogLines(), (std::vector<std::string>{"Hra byla úspěšně načtena..."}));
}

TEST_F(SaveGames, QuickLoadWithoutAQuickSaveChangesNothingButThePause) {
    MakeWorkingLevels(2, 1);
    SetHero(1, 33.0f, 4);
    Paused = true;
    windows.AppendLogLine("stará zpráva");
    EXPECT_FALSE(QuickLoad());
    EXPECT_FALSE(Paused);
    EXPECT_EQ(HeroX, 33.0f);
    EXPECT_EQ(windows.LogLines(),
              (std::vector<std::string>{"stará zpráva", "Uložená hra nebyla nalezena..."}));
    EXPECT_FALSE(windows.Called("ShowProgress"));
    ExpectNotRefused();
}

// F7 in the frames between the hero's death and the game-over notice.
TEST_F(SaveGames, QuickLoadWhileTheHeroIsDyingLoadsTheWholeQuickSave) {
    MakeWorkingLevels(3, 1);
    SetHero(1, 10.0f, 111);
    ASSERT_TRUE(QuickSave());
    const auto quickLevel = ReadBytes(LevelPath(2));

    Gold = 999;
    Paused = true;
    KeyLeftHeld = FireHeld = true;
    KillHero();  // the working levels go with him
    ASSERT_EQ(CountWorkingLevels(), 0);
    EXPECT_TRUE(QuickLoad());
    EXPECT_FALSE(HeroDead);
    EXPECT_FALSE(Paused);
    EXPECT_FALSE(KeyLeftHeld || FireHeld);
    EXPECT_EQ(Gold, 111);
    EXPECT_EQ(LevelNumber, 1);
    EXPECT_EQ(Tiles[0].Param1, "úroveň 1");  // the hero's level is in memory
    EXPECT_EQ(CountWorkingLevels(), 3);
    EXPECT_EQ(ReadBytes(LevelPath(2)).size(), quickLevel.size());
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Hra byla úspěšně načtena..."});
    ExpectNotRefused();
}

TEST_F(SaveGames, QuickLoadWhileTheHeroIsDyingWithoutAQuickSaveLetsTheDeathRunOn) {
    MakeWorkingLevels(2);
    ASSERT_TRUE(SaveGame("jina"));  // a named save is not a quick save
    KillHero();
    EXPECT_FALSE(QuickLoad());
    EXPECT_TRUE(HeroDead);
    const auto lines = windows.LogLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "Jsi mrtev...");
    EXPECT_EQ(lines.back(), "Uložená hra nebyla nalezena...");
    EXPECT_EQ(CountWorkingLevels(), 0);
    ExpectNotRefused();
}

TEST_F(SaveGames, AMissingQuickPositionChangesNothing) {
    MakeWorkingLevels(1);
    SetHero(0, 12.0f, 3);
    for (const char* name : {"quick.pos", "QUICK.POS", "Quick.Pos"}) {
        EXPECT_FALSE(LoadPosition(name));
        ExpectNotRefused();
    }
    EXPECT_EQ(HeroX, 12.0f);
    EXPECT_TRUE(windows.calls.empty());
}

TEST_F(SaveGames, LoadingANamedSaveThatIsGoneChangesNothing) {
    MakeWorkingLevels(1);
    EXPECT_FALSE(LoadGame("nikdy"));
    ExpectNotRefused();
    EXPECT_EQ(windows.LogLines().back(), "Uložená hra nebyla nalezena...");
}

TEST_F(SaveGames, ASaveWhileTheHeroIsDeadIsRefusedAndKeepsTheOldSave) {
    MakeWorkingLevels(2);
    SetHero(0, 10.0f, 111);
    ASSERT_TRUE(SaveGame("hra"));
    const auto lev = ReadBytes(SavePath("hra.lev"));
    const auto pos = ReadBytes(SavePath("hra.pos"));

    HeroDead = true;
    ClearWorkingLevels();  // the death deletes the working levels
    EXPECT_FALSE(SaveGame("hra"));
    EXPECT_FALSE(QuickSave());
    // The routines refuse on their own too.
    EXPECT_FALSE(SaveGamePair("hra"));
    EXPECT_FALSE(PackLevels("hra.lev"));
    EXPECT_FALSE(SavePosition("hra.pos"));
    EXPECT_EQ(ReadBytes(SavePath("hra.lev")), lev);
    EXPECT_EQ(ReadBytes(SavePath("hra.pos")), pos);
    EXPECT_FALSE(fs::exists(SavePath("quick.lev")));
    EXPECT_EQ(windows.LogLines().back(), "Hru nelze uložit, hrdina je mrtvý...");
}

TEST_F(SaveGames, AFailedSaveLeavesThePreviousPairAndSaysSo) {
    MakeWorkingLevels(2);
    SetHero(0, 10.0f, 111);
    ASSERT_TRUE(SaveGame("hra"));
    const auto lev = ReadBytes(SavePath("hra.lev"));
    const auto pos = ReadBytes(SavePath("hra.pos"));

    // A folder where the package's temporary file should go makes the
    // write fail.
    fs::create_directories(fs::path(UnfinishedPackagePath()) / "blocker");
    SetHero(1, 20.0f, 222);
    EXPECT_FALSE(SaveGame("hra"));
    EXPECT_EQ(windows.LogLines().back(),
              "Hru se nepodařilo uložit, předchozí uložená hra zůstala beze změny...");
    EXPECT_EQ(ReadBytes(SavePath("hra.lev")), lev);
    EXPECT_EQ(ReadBytes(SavePath("hra.pos")), pos);
    EXPECT_FALSE(fs::exists(UnfinishedPositionPath()));
}

TEST_F(SaveGames, AFailedWriteTellsWhetherAnOldSaveOfThatNameRemains) {
    MakeWorkingLevels(3);
    SetHero(0, 10.0f, 111);
    ASSERT_TRUE(SaveGame("hra"));
    const auto lev = ReadBytes(SavePath("hra.lev"));
    const auto pos = ReadBytes(SavePath("hra.pos"));
    const auto names = SaveFolderNames();

    // Room for a level file, not for a package of three.
    const size_t levelSize = fs::file_size(LevelPath(0));
    {
        testing_support::FileSizeLimit full(2 * levelSize);
        EXPECT_FALSE(SaveGame("hra"));
        EXPECT_EQ(windows.LogLines().back(),
                  "Hru se nepodařilo uložit, předchozí uložená hra zůstala beze změny...");
        EXPECT_FALSE(SaveGame("nova"));
        EXPECT_EQ(windows.LogLines().back(), "Hru se nepodařilo uložit...");
    }
    EXPECT_EQ(ReadBytes(SavePath("hra.lev")), lev);
    EXPECT_EQ(ReadBytes(SavePath("hra.pos")), pos);
    EXPECT_EQ(SaveFolderNames(), names);
    ExpectNotRefused();
}

// Two copies of the game once shared the working folder, and one emptied
// or refilled it under the other: a save must never pack what is left.
class IncompleteGame : public SaveGames {
  protected:
    void SetUp() override {
        SaveGames::SetUp();
        MakeWorkingLevels(3);
        SetHero(0, 10.0f, 111);
        ASSERT_TRUE(SaveGame("hra"));
        ASSERT_TRUE(QuickSave());
        lev = ReadBytes(SavePath("hra.lev"));
        quick = ReadBytes(SavePath("quick.lev"));
        names = SaveFolderNames();
        windows.log.assign(1, "");
    }

    std::string LastLogLine() const {
        const auto lines = windows.LogLines();
        return lines.empty() ? std::string() : lines.back();
    }

    // Every save is refused, each with its line, and the save folder stays
    // byte for byte as it was; the game goes on.
    void ExpectEverySaveRefused() {
        EXPECT_FALSE(SaveGame("hra"));
        EXPECT_EQ(LastLogLine(),
                  "Hru se nepodařilo uložit, předchozí uložená hra zůstala beze změny...");
        EXPECT_FALSE(QuickSave());
        EXPECT_EQ(LastLogLine(),
                  "Hru se nepodařilo uložit, předchozí uložená hra zůstala beze změny...");
        EXPECT_FALSE(SaveGame("nova"));
        EXPECT_EQ(LastLogLine(), "Hru se nepodařilo uložit...");
        for (const std::string& line : windows.LogLines())
            EXPECT_NE(line, "Hra byla úspěšně uložena...");
        EXPECT_EQ(SaveFolderNames(), names);
        EXPECT_EQ(ReadBytes(SavePath("hra.lev")), lev);
        EXPECT_EQ(ReadBytes(SavePath("quick.lev")), quick);
        EXPECT_FALSE(windows.progressShown);
        ExpectNotRefused();
        EXPECT_EQ(LevelNumber, 0);
        EXPECT_EQ(Tiles[0].Param1, "úroveň 0");  // still the hero's level in memory
    }

    std::vector<uint8_t> lev, quick;
    std::vector<std::string> names;
};

TEST_F(IncompleteGame, AnEmptiedWorkingFolderIsNotSaved) {
    // Only the hero's own level, level 0, comes back: the save stores it.
    ClearWorkingLevels();
    ExpectEverySaveRefused();
}

TEST_F(IncompleteGame, AMissingLevelIsNotSaved) {
    fs::remove(LevelPath(2));
    ExpectEverySaveRefused();
}

TEST_F(IncompleteGame, ADamagedLevelIsNotSavedAndEndsNothing) {
    auto bytes = ReadBytes(LevelPath(2));
    bytes.resize(bytes.size() / 2);
    WriteBytes(LevelPath(2), bytes);
    ExpectEverySaveRefused();
}

TEST_F(IncompleteGame, ALevelFileHoldingAnotherLevelIsNotSaved) {
    WriteBytes(LevelPath(2), ReadBytes(LevelPath(1)));
    ExpectEverySaveRefused();
}

TEST_F(IncompleteGame, NoGameUnpackedNoSave) {
    UnpackedLevelCount = 0;
    ExpectEverySaveRefused();
}

TEST_F(SaveGames, ASavePacksTheLevelsOfTheGameUnpackedLast) {
    // A game of two levels, saved.
    MakeWorkingLevels(2);
    ASSERT_TRUE(SaveGame("dva"));
    // A game of three levels, saved, then the two-level game loaded again.
    MakeWorkingLevels(3);
    ASSERT_TRUE(SaveGame("tri"));
    ASSERT_TRUE(LoadGame("dva"));
    // A level file beyond the game (left by the other game) is not packed.
    WriteBytes(LevelPath(2), ReadBytes(LevelPath(1)));
    ASSERT_TRUE(SaveGame("znovu"));
    ASSERT_TRUE(LoadGame("znovu"));
    EXPECT_EQ(CountWorkingLevels(), 2);
    ASSERT_TRUE(LoadGame("tri"));
    EXPECT_EQ(CountWorkingLevels(), 3);
    ASSERT_TRUE(SaveGame("tri"));
}

TEST_F(SaveGames, AnInterruptedSaveKeepsTheOldPairAndItsLeftoversGoNextTime) {
    MakeWorkingLevels(2);
    SetHero(0, 10.0f, 111);
    ASSERT_TRUE(SaveGame("hra"));
    const auto pos = ReadBytes(SavePath("hra.pos"));

    // Killed after the package was written, before the position file.
    SetHero(1, 20.0f, 222);
    ASSERT_TRUE(StoreLevel(0));
    ASSERT_TRUE(PackLevels("hra.lev"));
    EXPECT_EQ(ReadBytes(SavePath("hra.pos")), pos);
    EXPECT_TRUE(fs::exists(UnfinishedPackagePath()));
    // A position saved on its own never takes the package left behind.
    ASSERT_TRUE(SavePosition("sama.pos"));
    EXPECT_FALSE(fs::exists(SavePath("sama.lev")));
    EXPECT_EQ(ReadBytes(SavePath("hra.pos")), pos);
    WriteBytes(UnfinishedPositionPath(), {1, 2, 3});

    SetHero(0, 30.0f, 333);
    ASSERT_TRUE(SaveGame("jina"));
    EXPECT_EQ(SaveFolderNames(),
              (std::vector<std::string>{"hra.lev", "hra.pos", "jina.lev", "jina.pos", "sama.pos"}));
    ASSERT_TRUE(LoadGame("hra"));
    EXPECT_EQ(Gold, 111);
}

TEST_F(SaveGames, TemporaryNamesNeverLookLikeSaves) {
    for (const std::string& path : {UnfinishedPackagePath(), UnfinishedPositionPath()}) {
        std::string name = fs::path(path).filename().string();
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(name.find("LEV"), std::string::npos) << name;
        EXPECT_EQ(fs::path(path).parent_path(), appFolder / "data/saves");
    }
}

TEST_F(SaveGames, NamesTheFilesCannotHoldAreRefusedWithoutHarm) {
    MakeWorkingLevels(1);
    EXPECT_FALSE(SaveGame("日本"));
    EXPECT_FALSE(SaveGame("../venku"));
    EXPECT_FALSE(SaveGame("a/b"));
    ExpectNotRefused();
    EXPECT_EQ(windows.LogLines().back(), "Hru se nepodařilo uložit...");
    EXPECT_TRUE(!fs::exists(appFolder / "data/saves") || SaveFolderNames().empty());
    EXPECT_FALSE(fs::exists(appFolder / "data/venku.lev"));
}

TEST_F(SaveGames, AfterASaveTheRunTimeListsAreGone) {
    MakeWorkingLevels(2, 1);
    AppendEntry(Missiles, MissileCount);
    AppendEntry(FloatTexts, FloatTextCount);
    BombArmed = true;
    ASSERT_TRUE(SaveGame("s"));
    EXPECT_EQ(MissileCount, 0);
    EXPECT_EQ(FloatTextCount, 0);
    EXPECT_FALSE(BombArmed);
}

TEST_F(SaveGames, AFailedLoadStopsTheFlow) {
    MakeWorkingLevels(1);
    ASSERT_TRUE(SaveGame("s"));
    auto bytes = ReadBytes(SavePath("s.pos"));
    bytes.resize(bytes.size() - 1);
    WriteBytes(SavePath("s.pos"), bytes);
    windows.log.assign(1, "");
    EXPECT_FALSE(LoadGame("s"));
    ExpectRefused("CHYBA!");
    EXPECT_TRUE(windows.LogLines().empty());
    // Nothing runs after the shut-down began.
    EXPECT_FALSE(SaveGame("t"));
    EXPECT_FALSE(fs::exists(SavePath("t.lev")));
}

}  // namespace
