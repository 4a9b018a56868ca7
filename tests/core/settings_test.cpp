#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

#include "game/core/key_bindings.h"
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

// The chosen keys: "Klavesa." lines after the first three.
class KeyLines : public SettingsFile {
  protected:
    game::KeyBindings KeysAfterTheThreeLines(const std::string& lines) {
        return Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n" + lines).keys;
    }
    static game::KeyBindings With(std::initializer_list<std::pair<game::Command, int16_t>> keys) {
        game::KeyBindings bindings;
        for (auto [command, key] : keys)
            bindings.Set(command, key);
        return bindings;
    }
};

using game::Command;
using game::KeyBindings;

TEST_F(KeyLines, EveryCommandReadsItsKey) {
    const KeyBindings keys = KeysAfterTheThreeLines(
        "Klavesa.Nahoru=W\r\nKlavesa.Dolu=S\r\nKlavesa.Vlevo=A\r\nKlavesa.Vpravo=D\r\n"
        "Klavesa.Strelba=J\r\nKlavesa.Bomba=K\r\nKlavesa.Pauza=P\r\nKlavesa.Menu=Backspace\r\n"
        "Klavesa.Ulozit=F6\r\nKlavesa.Nahrat=F9\r\n");
    EXPECT_EQ(keys, With({{Command::Up, 'W'},
                          {Command::Down, 'S'},
                          {Command::Left, 'A'},
                          {Command::Right, 'D'},
                          {Command::Fire, 'J'},
                          {Command::Bomb, 'K'},
                          {Command::Pause, 'P'},
                          {Command::Menu, 8},
                          {Command::QuickSave, 117},
                          {Command::QuickLoad, 120}}));
    // Standard keys written out read as the standard table.
    EXPECT_EQ(KeysAfterTheThreeLines("Klavesa.Nahoru=Up\r\nKlavesa.Strelba=Control\r\n"
                                     "Klavesa.Bomba=Space\r\nKlavesa.Menu=Esc\r\n"
                                     "Klavesa.Pauza=Pause\r\nKlavesa.Nahrat=F7\r\n"),
              KeyBindings());
    // Case and blanks as in the other lines.
    EXPECT_EQ(KeysAfterTheThreeLines(" klavesa.STRELBA = pgdown \r\nKLAVESA.pauza=p"),
              With({{Command::Fire, 34}, {Command::Pause, 'P'}}));
}

TEST_F(KeyLines, MissingDamagedOrReservedKeysGiveTheStandardKey) {
    EXPECT_EQ(Read("Zvuky=Ano\r\nHlasitost=100\r\nTick=0\r\n").keys, KeyBindings());
    EXPECT_EQ(Read("").keys, KeyBindings());
    for (const char* value : {"", "Ctrl+W", "Alt+Return", "Alt+Enter", "F1", "F11", "f1", "Meta",
                              "WASD", "F0", "\x01", "Šipka", "Control Space"}) {
        const KeyBindings keys =
            KeysAfterTheThreeLines(std::string("Klavesa.Vpravo=D\r\nKlavesa.Strelba=") + value);
        EXPECT_EQ(keys, With({{Command::Right, 'D'}})) << value;
    }
    // Only the value of the command's last line counts, readable or not.
    EXPECT_EQ(KeysAfterTheThreeLines("Klavesa.Bomba=B\r\nKlavesa.Bomba=?\r\n"), KeyBindings());
    EXPECT_EQ(KeysAfterTheThreeLines("Klavesa.Bomba=?\r\nKlavesa.Bomba=B\r\n"),
              With({{Command::Bomb, 'B'}}));
}

TEST_F(KeyLines, UnknownOrMisplacedKeyLinesAreIgnored) {
    EXPECT_EQ(KeysAfterTheThreeLines("Klavesa.Skok=W\r\nKlavesaNahoru=W\r\nKlavesa=W\r\n"
                                     "Klavesa.Nahoru\r\n#Klavesa.Dolu=S\r\nNahoru=W\r\n"),
              KeyBindings());
    // The first three lines are read by position only.
    EXPECT_EQ(Read("Klavesa.Nahoru=W\r\nKlavesa.Dolu=S\r\nKlavesa.Vlevo=A\r\n").keys,
              KeyBindings());
    // Key lines do not disturb the other settings, nor they them.
    const game::Settings s = Read(
        "Zvuky=Ne\r\nHlasitost=30\r\nTick=4\r\nKlavesa.Nahoru=W\r\nZvetseni=2\r\n"
        "Klavesa.Dolu=S\r\nPauzaPriPrepnuti=Ne\r\n");
    EXPECT_FALSE(s.soundOn);
    EXPECT_FLOAT_EQ(s.volume, 0.3f);
    EXPECT_EQ(s.tickDelay, 4);
    EXPECT_EQ(s.view.scale, 2);
    EXPECT_FALSE(s.view.pauseOnFocusLoss);
    EXPECT_EQ(s.keys, With({{Command::Up, 'W'}, {Command::Down, 'S'}}));
}

TEST_F(KeyLines, TwoCommandsOnOneKeyBothGetTheirStandardKeys) {
    EXPECT_EQ(KeysAfterTheThreeLines("Klavesa.Strelba=W\r\nKlavesa.Vlevo=A\r\nKlavesa.Bomba=w\r\n"),
              With({{Command::Left, 'A'}}));
    // A chosen key that is another command's standard key, while that
    // command keeps it, is shared too.
    EXPECT_EQ(KeysAfterTheThreeLines("Klavesa.Strelba=Space\r\nKlavesa.Vlevo=A\r\n"),
              With({{Command::Left, 'A'}}));
    // Return and the keypad's Enter are one key to the game.
    EXPECT_EQ(KeysAfterTheThreeLines("Klavesa.Strelba=Return\r\nKlavesa.Bomba=Enter\r\n"),
              KeyBindings());
    // Swapped standard keys are no sharing.
    EXPECT_EQ(KeysAfterTheThreeLines("Klavesa.Strelba=Space\r\nKlavesa.Bomba=Control\r\n"),
              With({{Command::Fire, 32}, {Command::Bomb, 17}}));
}

}  // namespace
