#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

#include "game/core/settings.h"

namespace {

using game::ReadSettings;

class SettingsFile : public ::testing::Test {
  protected:
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("karvelun-settings-" + std::to_string(::getpid()) + ".ini");
    void TearDown() override { std::filesystem::remove(path); }
    game::Settings Read(const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
        return ReadSettings(path.string());
    }
    // The view settings of a file with the three usual lines and then these.
    game::ViewSettings ViewAfterTheThreeLines(const std::string& lines) {
        return Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n" + lines).view;
    }
};

bool IsDefaultView(const game::ViewSettings& view) {
    return view.scale == 0 && !view.fullScreen && view.pauseOnFocusLoss;
}

TEST_F(SettingsFile, SoundIsOnWhenTheFirstLineHoldsAnoInAnyCase) {
    EXPECT_TRUE(Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n").soundOn);
    EXPECT_TRUE(Read("zvuky=ano\r\n").soundOn);
    EXPECT_TRUE(Read("xxANOxx\r\n").soundOn);
    EXPECT_TRUE(Read("piano\r\n").soundOn);
    EXPECT_FALSE(Read("Zvuky=Ne\r\nHlasitost=100\r\nTick=0\r\n").soundOn);
    EXPECT_FALSE(Read("\r\nHlasitost=100\r\nTick=0\r\n").soundOn);
}

TEST_F(SettingsFile, VolumeRules) {
    EXPECT_FLOAT_EQ(Read("Zvuky=Ano\r\nHlasitost=80\r\nTick=0\r\n").volume, 0.8f);
    EXPECT_FLOAT_EQ(Read("Zvuky=Ano\r\nHlasitost=\r\nTick=0\r\n").volume, 1.0f);
    EXPECT_FLOAT_EQ(Read("Zvuky=Ano\r\nHlasitost=abc\r\nTick=0\r\n").volume, 1.0f);
    EXPECT_FLOAT_EQ(Read("Zvuky=Ano\r\nHlasitost=-5\r\nTick=0\r\n").volume, 0.0f);
    EXPECT_FLOAT_EQ(Read("Zvuky=Ano\r\nHlasitost=150\r\nTick=0\r\n").volume, 1.5f);
    // Only the position counts, not the key name.
    EXPECT_FLOAT_EQ(Read("Zvuky=Ano\r\nVolume...=40\r\nTick=0\r\n").volume, 0.4f);
}

TEST_F(SettingsFile, AVolumeTooLargeForAFloatSaturates) {
    const float largest = std::numeric_limits<float>::max();
    for (const char* value :
         {"1e300", "3.5e40", "1.7e308", "340282350000000000000000000000000000000000"}) {
        const float volume =
            Read(std::string("Zvuky=Ano\r\nHlasitost=") + value + "\r\nTick=0\r\n").volume;
        EXPECT_TRUE(std::isfinite(volume)) << value;
        EXPECT_EQ(volume, largest) << value;
    }
    // Just inside the range it is still the value itself.
    EXPECT_FLOAT_EQ(Read("Zvuky=Ano\r\nHlasitost=3e38\r\nTick=0\r\n").volume, 3e36f);
}

TEST_F(SettingsFile, TickRules) {
    EXPECT_EQ(Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=3\r\n").tickDelay, 3);
    EXPECT_EQ(Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=\r\n").tickDelay, 0);
    EXPECT_EQ(Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=2.5\r\n").tickDelay, 2);
    EXPECT_EQ(Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=3.5\r\n").tickDelay, 4);
    EXPECT_EQ(Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=-7\r\n").tickDelay, 0);
    EXPECT_EQ(Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=x\r\n").tickDelay, 0);
    EXPECT_EQ(Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=99999999\r\n").tickDelay, 32767);
}

TEST_F(SettingsFile, ShortAndMissingLinesCountAsEmpty) {
    game::Settings s = Read("Zvuky=Ano\r\nHlas\r\n");
    EXPECT_TRUE(s.soundOn);
    EXPECT_FLOAT_EQ(s.volume, 1.0f);
    EXPECT_EQ(s.tickDelay, 0);
    s = Read("");
    EXPECT_FALSE(s.soundOn);  // an empty first line leaves sound off
    EXPECT_FLOAT_EQ(s.volume, 1.0f);
    // Unix line ends read the same.
    s = Read("Zvuky=Ne\nHlasitost=30\nTick=4\n");
    EXPECT_FLOAT_EQ(s.volume, 0.3f);
    EXPECT_EQ(s.tickDelay, 4);
}

TEST_F(SettingsFile, LfAndALoneCrEndLinesAsCrLfDoes) {
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        const game::Settings s =
            Read("Zvuky=Ne" + end + "Hlasitost=30" + end + "Tick=4" + end + "Zvetseni=2" + end);
        EXPECT_FALSE(s.soundOn);
        EXPECT_FLOAT_EQ(s.volume, 0.3f) << int(end.back());
        EXPECT_EQ(s.tickDelay, 4) << int(end.back());
        EXPECT_EQ(s.view.scale, 2) << int(end.back());
    }
    // Mixed ends; CR CR is two ends with an empty line between them.
    game::Settings s = Read("Zvuky=Ano\rHlasitost=30\nTick=4\r\n");
    EXPECT_FLOAT_EQ(s.volume, 0.3f);
    EXPECT_EQ(s.tickDelay, 4);
    s = Read("Zvuky=Ano\r\rTick=4\r");
    EXPECT_FLOAT_EQ(s.volume, 1.0f);
    EXPECT_EQ(s.tickDelay, 4);
}

TEST_F(SettingsFile, AMissingFileGivesTheToolsDefaults) {
    game::Settings s = ReadSettings((path.string() + ".missing"));
    EXPECT_TRUE(s.soundOn);
    EXPECT_FLOAT_EQ(s.volume, 1.0f);
    EXPECT_EQ(s.tickDelay, 0);
    EXPECT_TRUE(IsDefaultView(s.view));
}

TEST_F(SettingsFile, TheThreeOldLinesAloneGiveTheDefaultView) {
    EXPECT_TRUE(IsDefaultView(ViewAfterTheThreeLines("")));
    EXPECT_TRUE(IsDefaultView(Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=0").view));
    EXPECT_TRUE(IsDefaultView(Read("").view));
}

TEST_F(SettingsFile, ViewLinesGiveTheirValues) {
    const game::ViewSettings view =
        ViewAfterTheThreeLines("Zvetseni=3\r\nCelaObrazovka=Ano\r\nPauzaPriPrepnuti=Ne\r\n");
    EXPECT_EQ(view.scale, 3);
    EXPECT_TRUE(view.fullScreen);
    EXPECT_FALSE(view.pauseOnFocusLoss);
    for (int scale = 1; scale <= 4; ++scale)
        EXPECT_EQ(ViewAfterTheThreeLines("Zvetseni=" + std::to_string(scale)).scale, scale);
    EXPECT_EQ(ViewAfterTheThreeLines("Zvetseni=auto\r\n").scale, 0);
    EXPECT_FALSE(ViewAfterTheThreeLines("CelaObrazovka=Ne\r\n").fullScreen);
    EXPECT_TRUE(ViewAfterTheThreeLines("PauzaPriPrepnuti=Ano\r\n").pauseOnFocusLoss);
}

TEST_F(SettingsFile, ViewLinesIgnoreCaseAndBlanksAroundNamesAndValues) {
    const game::ViewSettings view = ViewAfterTheThreeLines(
        " zvetseni = 4 \r\n\tCELAOBRAZOVKA\t=\tano\r\npauzapriprepnuti=NE\r\n");
    EXPECT_EQ(view.scale, 4);
    EXPECT_TRUE(view.fullScreen);
    EXPECT_FALSE(view.pauseOnFocusLoss);
    EXPECT_EQ(ViewAfterTheThreeLines("Zvetseni=AUTO\r\n").scale, 0);
}

TEST_F(SettingsFile, AViewValueThatDoesNotReadGivesTheDefault) {
    for (const char* scale : {"0", "5", "2x", "2.0", "02", "", "-1", "dva", "1 2"})
        EXPECT_EQ(ViewAfterTheThreeLines(std::string("Zvetseni=") + scale).scale, 0) << scale;
    for (const char* yesNo : {"Yes", "1", "", "Ano!", "A no"}) {
        EXPECT_FALSE(ViewAfterTheThreeLines(std::string("CelaObrazovka=") + yesNo).fullScreen);
        EXPECT_TRUE(
            ViewAfterTheThreeLines(std::string("PauzaPriPrepnuti=") + yesNo).pauseOnFocusLoss);
    }
}

TEST_F(SettingsFile, ANameGivenTwiceTakesItsLastLine) {
    EXPECT_EQ(ViewAfterTheThreeLines("Zvetseni=2\r\nZvetseni=3\r\n").scale, 3);
    EXPECT_TRUE(
        ViewAfterTheThreeLines("CelaObrazovka=Ne\r\nx=y\r\nCelaObrazovka=Ano\r\n").fullScreen);
    // The last line decides even when its value does not read.
    EXPECT_EQ(ViewAfterTheThreeLines("Zvetseni=2\r\nZvetseni=9\r\n").scale, 0);
}

TEST_F(SettingsFile, UnknownAndMisplacedLinesAreIgnored) {
    const game::ViewSettings view = ViewAfterTheThreeLines(
        "Klavesy=Nahoru:W\r\n\r\nZvetseni\r\n=2\r\nZvetseni2=3\r\n# Zvetseni=4\r\n");
    EXPECT_TRUE(IsDefaultView(view));
    // The first three lines are the old ones, whatever they hold.
    EXPECT_TRUE(
        IsDefaultView(Read("Zvetseni=2\r\nCelaObrazovka=Ano\r\nPauzaPriPrepnuti=Ne\r\n").view));
    EXPECT_TRUE(IsDefaultView(Read("Zvuky=Ano\nZvetseni=2\n").view));
}

}  // namespace
