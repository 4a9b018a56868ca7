// The game's settings from setup.ini: the file's lines are read by the
// settings file's library (tests/settings); here what the game makes of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/core/key_bindings.h"
#include "game/core/settings.h"
#include "game/platform/keys.h"

namespace {

using game::ReadSettings;

class SettingsFile : public ::testing::Test {
  protected:
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("karvelun-settings-" + std::to_string(::getpid()) + ".ini");
    void TearDown() override { std::filesystem::remove_all(path); }
    game::Settings Read(const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
        return ReadSettings(path.string());
    }
};

void ExpectDefaults(const game::Settings& s, const char* what) {
    EXPECT_TRUE(s.soundOn) << what;
    EXPECT_FLOAT_EQ(s.volume, 1.0f) << what;
    EXPECT_EQ(s.tickDelay, 0) << what;
    EXPECT_EQ(s.view.scale, 0) << what;
    EXPECT_FALSE(s.view.fullScreen) << what;
    EXPECT_TRUE(s.view.pauseOnFocusLoss) << what;
    EXPECT_TRUE(s.cornerHelp) << what;
    EXPECT_EQ(s.keys, game::KeyBindings()) << what;
}

TEST_F(SettingsFile, AMissingOrUnreadableFileGivesTheToolsDefaults) {
    ExpectDefaults(ReadSettings(path.string() + ".missing"), "missing");
    std::filesystem::create_directory(path);
    ExpectDefaults(ReadSettings(path.string()), "folder");
}

// The volume and the tick as the game takes them, not as the tool's bars
// show them; the rest as both read it.
TEST_F(SettingsFile, EveryValueReachesTheGame) {
    const game::Settings s = Read(
        "Zvuky=Ne\nHlasitost=150\nTick=25000\nZvetseni=3\nCelaObrazovka=Ano\n"
        "PauzaPriPrepnuti=Ne\nPomocNaRozich=Ne\nKlavesa.Strelba=J\nKlavesa.Bomba=Control\n");
    EXPECT_FALSE(s.soundOn);
    EXPECT_FLOAT_EQ(s.volume, 1.5f);
    EXPECT_EQ(s.tickDelay, 25000);
    EXPECT_EQ(s.view.scale, 3);
    EXPECT_TRUE(s.view.fullScreen);
    EXPECT_FALSE(s.view.pauseOnFocusLoss);
    EXPECT_FALSE(s.cornerHelp);
    game::KeyBindings keys;
    keys.Set(game::Command::Fire, 'J');
    keys.Set(game::Command::Bomb, platform::vk::Control);
    EXPECT_EQ(s.keys, keys);
    EXPECT_FLOAT_EQ(Read("Zvuky=Ano\nHlasitost=5e1\nTick=1e2\n").volume, 0.5f);
    EXPECT_EQ(Read("Zvuky=Ano\nHlasitost=5e1\nTick=1e2\n").tickDelay, 100);
}

}  // namespace
