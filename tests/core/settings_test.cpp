#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
};

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

TEST_F(SettingsFile, AMissingFileGivesTheToolsDefaults) {
    game::Settings s = ReadSettings((path.string() + ".missing"));
    EXPECT_TRUE(s.soundOn);
    EXPECT_FLOAT_EQ(s.volume, 1.0f);
    EXPECT_EQ(s.tickDelay, 0);
}

}  // namespace
