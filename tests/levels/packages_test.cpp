#include <gtest/gtest.h>

#include <filesystem>

#include "game/core/game_state.h"
#include "game/levels/keyed_string.h"
#include "game/levels/level_files.h"
#include "game/levels/level_packages.h"
#include "game/levels/package_record.h"
#include "game/levels/save_folder.h"
#include "game/levels/save_pair.h"
#include "game/levels/working_levels.h"
#include "levels/levels_test.h"
#include "support/recording_sound.h"

namespace {

using namespace game;
using levels_test::LevelsTest;
using levels_test::ReadBytes;
using levels_test::SameLevel;
using levels_test::SampleLevel;
using levels_test::WriteBytes;

class Packages : public LevelsTest {
  protected:
    // A fresh campaign of `count` levels in data/levels.all.
    void MakeCampaign(int32_t count) {
        PackageRecord package;
        for (int32_t i = 0; i < count; ++i) {
            package.levels.push_back(SampleLevel());
            package.levels.back().tiles[0].Param1 = "kampaň " + std::to_string(i);
        }
        ByteWriter out;
        WritePackageRecord(out, package);
        WriteBytes(appFolder / "data/levels.all", out.Bytes());
    }
};

TEST_F(Packages, TheCampaignUnpacksIntoTheWorkingFolder) {
    MakeCampaign(3);
    ASSERT_TRUE(UnpackLevels("levels.all"));
    ExpectNotRefused();
    for (int32_t i = 0; i < 3; ++i) {
        ASSERT_TRUE(LoadLevel(i));
        EXPECT_EQ(Tiles[0].Param1, "kampaň " + std::to_string(i));
        LevelRecord expected = SampleLevel();
        expected.tiles[0].Param1 = Tiles[0].Param1;
        EXPECT_TRUE(SameLevel(CurrentLevelRecord(), expected));
    }
    EXPECT_FALSE(std::filesystem::exists(LevelPath(3)));
}

TEST_F(Packages, UnpackingReplacesTheWholeWorkingFolder) {
    MakeWorkingLevels(5);
    MakeCampaign(2);
    ASSERT_TRUE(UnpackLevels("levels.all"));
    EXPECT_EQ(CountWorkingLevels(), 2);
    // Memory holds the package's last level.
    EXPECT_EQ(Tiles[0].Param1, "kampaň 1");
}

TEST_F(Packages, ThirtySevenLevelsAdvanceTheBarAfterEveryLevel) {
    MakeCampaign(37);
    ASSERT_TRUE(UnpackLevels("levels.all"));
    EXPECT_EQ(windows.CountCalls("AdvanceProgress(1)"), 37);
    EXPECT_EQ(windows.progressBar, std::string(38, '-'));

    windows.calls.clear();
    ASSERT_TRUE(PackLevels("bar.lev"));
    EXPECT_EQ(windows.CountCalls("AdvanceProgress(1)"), 37);
    EXPECT_EQ(windows.progressBar, std::string(38, '-'));
}

TEST_F(Packages, ThirtyEightLevelsAdvanceTheBarEverySecondLevel) {
    MakeCampaign(38);
    ASSERT_TRUE(UnpackLevels("levels.all"));
    EXPECT_EQ(windows.CountCalls("AdvanceProgress(1)"), 19);
    EXPECT_EQ(windows.progressBar, std::string(20, '-'));

    windows.calls.clear();
    ASSERT_TRUE(PackLevels("bar.lev"));
    EXPECT_EQ(windows.progressBar, std::string(20, '-'));
    EXPECT_EQ(ProgressStep(82), 3);
    EXPECT_EQ(ProgressStep(74), 2);
    EXPECT_EQ(ProgressStep(75), 3);
    EXPECT_EQ(ProgressStep(0), 1);
}

TEST_F(Packages, ProgressWindowAndBusyPointerFrameTheWork) {
    MakeCampaign(2);
    ASSERT_TRUE(UnpackLevels("levels.all"));
    const std::vector<std::string> expected = {"ShowProgress",       "SetBusyCursor(true)",
                                               "AdvanceProgress(1)", "AdvanceProgress(1)",
                                               "HideProgress",       "SetBusyCursor(false)"};
    EXPECT_EQ(windows.calls, expected);
    EXPECT_FALSE(windows.progressShown);

    windows.calls.clear();
    ASSERT_TRUE(PackLevels("x.lev"));
    EXPECT_EQ(windows.calls, expected);
}

TEST_F(Packages, APackageCarriesItsOwnNameAndEveryLevel) {
    MakeWorkingLevels(3, 1);
    ASSERT_TRUE(SaveGamePair("Výprava"));
    const auto bytes = ReadBytes(SavePath("Výprava.lev"));
    ByteReader in(bytes);
    PackageRecord package;
    std::string why;
    ASSERT_TRUE(ReadPackageRecord(in, true, package, &why)) << why;
    EXPECT_EQ(package.header, "Výprava.lev");
    ASSERT_EQ(package.levels.size(), 3u);
    EXPECT_EQ(package.levels[2].tiles[0].Param1, "úroveň 2");
}

TEST_F(Packages, PackingLeavesTheCurrentLevelFreshlyLoaded) {
    MakeWorkingLevels(3, 1);
    AppendEntry(Missiles, MissileCount);
    AppendEntry(FloatTexts, FloatTextCount);
    BombArmed = true;
    ASSERT_TRUE(StoreLevel(1));
    const float oldDX = Monsters[0].DX;
    ASSERT_TRUE(PackLevels("x.lev"));
    EXPECT_EQ(Tiles[0].Param1, "úroveň 1");
    EXPECT_EQ(MissileCount, 0);
    EXPECT_EQ(FloatTextCount, 0);
    EXPECT_FALSE(BombArmed);
    EXPECT_EQ(MonsterCount, 3);
    EXPECT_NE(Monsters[0].DX, oldDX);
}

TEST_F(Packages, UnpackingPlaysTheNewCueAndAdjustsItOnlyForALivingHero) {
    testing_support::RecordingSound sound;
    sound.firstSlot = 4;
    Sound = &sound;
    SoundOn = true;
    MakeCampaign(1);
    ASSERT_TRUE(UnpackLevels("levels.all"));
    EXPECT_EQ(sound.loads, (std::vector<std::string>{"new.wav"}));
    ASSERT_EQ(sound.cues.size(), 1u);
    EXPECT_EQ(sound.cues[0].file, "new.wav");
    EXPECT_EQ(sound.cues[0].speed, 1.0f);
    EXPECT_EQ(SoundSlots[kCueNew], 4);

    sound.loads.clear();
    sound.cues.clear();
    HeroDead = true;
    ASSERT_TRUE(UnpackLevels("levels.all"));
    EXPECT_EQ(sound.loads, (std::vector<std::string>{"new.wav"}));
    EXPECT_TRUE(sound.cues.empty());
    Sound = nullptr;
}

TEST_F(Packages, AMissingQuickSaveChangesNothingAndShowsNoWindow) {
    MakeWorkingLevels(2, 1);
    const auto before = ReadBytes(LevelPath(0));
    Tiles[7].Picture = 555;
    for (const char* name : {"quick.lev", "QUICK.lev", "myQuickGame.lev"}) {
        EXPECT_FALSE(UnpackLevels(name));
        ExpectNotRefused();
    }
    EXPECT_TRUE(windows.calls.empty());
    EXPECT_EQ(ReadBytes(LevelPath(0)), before);
    EXPECT_EQ(Tiles[7].Picture, 555);
}

TEST_F(Packages, APackageUnderAnotherNameIsRefusedBeforeTheFolderIsTouched) {
    MakeWorkingLevels(2);
    ASSERT_TRUE(SaveGamePair("a"));
    std::filesystem::copy_file(SavePath("a.lev"), SavePath("b.lev"));
    const auto before = ReadBytes(LevelPath(1));

    EXPECT_FALSE(UnpackLevels("b.lev"));
    ExpectRefused("CHYBA!!");
    EXPECT_EQ(ReadBytes(LevelPath(1)), before);
}

TEST_F(Packages, HeaderComparisonIsCaseSensitive) {
    MakeWorkingLevels(1);
    ASSERT_TRUE(SaveGamePair("Hra"));
    std::filesystem::rename(SavePath("Hra.lev"), SavePath("hra.lev"));
    EXPECT_FALSE(UnpackLevels("hra.lev"));
    ExpectRefused("CHYBA!!");
}

TEST_F(Packages, AMissingCampaignIsRefused) {
    EXPECT_FALSE(UnpackLevels("levels.all"));
    ExpectRefused("CHYBA!!");
}

TEST_F(Packages, ARecordOfTheWrongLevelIsRefused) {
    PackageRecord package;
    package.levels = {SampleLevel(), SampleLevel()};
    ByteWriter out;
    out.Int32(2);
    WriteLevelRecord(out, 0, package.levels[0]);
    WriteLevelRecord(out, 0, package.levels[1]);  // should be level1
    WriteBytes(appFolder / "data/levels.all", out.Bytes());
    EXPECT_FALSE(UnpackLevels("levels.all"));
    ExpectRefused("CHYBA!!");
    EXPECT_EQ(CountWorkingLevels(), 0);
}

TEST_F(Packages, ReadAndWritePackedLevelWorkOnTheOpenPackage) {
    LevelsTest::MakeWorkingLevels(1);
    UseLevelRecord(SampleLevel());
    ByteWriter out;
    WritePackedLevel(out, 0);
    WritePackedLevel(out, 1);
    ByteReader in(out.Bytes());
    HeroDead = true;  // not looked at by the package reader
    ASSERT_TRUE(ReadPackedLevel(in, 0));
    EXPECT_TRUE(SameLevel(CurrentLevelRecord(), SampleLevel()));
    EXPECT_EQ(Monsters[0].DX, 0.0f);  // no movement yet
    ASSERT_TRUE(ReadPackedLevel(in, 1));
    EXPECT_EQ(in.Remaining(), 0u);
    ByteReader again(out.Bytes());
    EXPECT_FALSE(ReadPackedLevel(again, 1));
    ExpectRefused("CHYBA!!");
}

}  // namespace
