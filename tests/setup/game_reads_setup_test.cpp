// The game starts with what the settings tool saved: every value the tool can
// write goes through the file into the game's own start-up reading.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>

#include "game/core/key_bindings.h"
#include "game/core/settings.h"
#include "game/desktop/key_events.h"
#include "game/platform/keys.h"
#include "setup/chosen_keys.h"
#include "setup/setup_ini_file.h"

namespace {

setup::SetupValues Values(bool soundOn, int volume, int tick) {
    setup::SetupValues values;
    values.soundOn = soundOn;
    values.volume = volume;
    values.tick = tick;
    return values;
}

// The code the game's keyboard gets for a key the tool offers.
std::optional<int16_t> GameCodeOfKey(int qtKey) {
    const QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
    const auto key = platform::VirtualKeyOf(press);
    return key ? std::optional<int16_t>(key->keyCode) : std::nullopt;
}

// The game's table of the keys the tool's buttons show, as the game's
// keyboard gets them.
game::KeyBindings KeyboardKeysOf(const setup::KeyChoice& keys) {
    game::KeyBindings bindings;
    for (std::size_t i = 0; i < setup::kCommandCount; ++i)
        bindings.Set(game::kAllCommands[i], *GameCodeOfKey(keys[i]));
    return bindings;
}

class GameReadsSetup : public testing::Test {
  protected:
    game::Settings SaveAndStartGame(const setup::SetupValues& values) {
        const QString path = setup::SetupIniPath(dir_.path());
        EXPECT_TRUE(setup::WriteSetupIni(path, values, nullptr));
        return game::ReadSettings(path.toStdString());
    }

    QTemporaryDir dir_;
};

TEST_F(GameReadsSetup, EveryVolumeWithSoundOnOrOff) {
    for (const bool soundOn : {true, false}) {
        for (int volume = 0; volume <= setup::kVolumeMax; ++volume) {
            const game::Settings settings = SaveAndStartGame(Values(soundOn, volume, 0));
            EXPECT_EQ(settings.soundOn, soundOn) << volume;
            EXPECT_FLOAT_EQ(settings.volume, static_cast<float>(volume) / 100.0f) << volume;
            EXPECT_EQ(settings.tickDelay, 0) << volume;
        }
    }
}

TEST_F(GameReadsSetup, TicksAcrossTheWholeBar) {
    for (const int tick : {0, 1, 2, 9, 10, 99, 100, 101, 999, 1000, 12345, 19999, 20000}) {
        const game::Settings settings = SaveAndStartGame(Values(true, 100, tick));
        EXPECT_TRUE(settings.soundOn);
        EXPECT_FLOAT_EQ(settings.volume, 1.0f);
        EXPECT_EQ(settings.tickDelay, static_cast<int16_t>(tick));
    }
}

TEST_F(GameReadsSetup, EveryViewChoice) {
    for (int scale = 0; scale <= setup::kScaleMax; ++scale) {
        for (const bool fullScreen : {false, true}) {
            for (const bool pause : {false, true}) {
                setup::SetupValues values = Values(false, 40, 7);
                values.scale = scale;
                values.fullScreen = fullScreen;
                values.pauseOnFocusLoss = pause;
                values.otherLines = {"Klavesy=W", "Zvetseni"};
                const game::Settings settings = SaveAndStartGame(values);
                EXPECT_FALSE(settings.soundOn);
                EXPECT_FLOAT_EQ(settings.volume, 0.4f);
                EXPECT_EQ(settings.tickDelay, 7);
                EXPECT_EQ(settings.view.scale, scale);
                EXPECT_EQ(settings.view.fullScreen, fullScreen);
                EXPECT_EQ(settings.view.pauseOnFocusLoss, pause);
            }
        }
    }
}

// Every key the tool lets the player choose reaches the game as the key
// the game's keyboard gets when it is pressed; every other key is refused.
TEST_F(GameReadsSetup, EveryKeyTheToolTakesIsTheKeyTheGameSees) {
    constexpr std::size_t kFire = 4;
    // Printable keys up to the Latin Extended letters (Ě is 0x11a), then
    // every key without a character (arrows, F keys, modifiers).
    std::vector<int> candidates;
    for (int key = 0x20; key < 0x300; ++key)
        candidates.push_back(key);
    for (int key = Qt::Key_Escape; key <= Qt::Key_Escape + 0x100; ++key)
        candidates.push_back(key);
    candidates.push_back(Qt::Key_AltGr);
    int taken = 0;
    for (const int qtKey : candidates) {
        // Another command on the key moves to Z (or Y), so every key is free.
        setup::KeyChoice keys = setup::DefaultKeys();
        for (int& key : keys)
            if (key == setup::SameKeyForTheGame(qtKey))
                key = qtKey == Qt::Key_Z ? Qt::Key_Y : Qt::Key_Z;
        if (setup::RefusalOf(keys, kFire, qtKey, Qt::NoModifier) != setup::KeyRefusal::None)
            continue;
        ++taken;
        keys[kFire] = setup::SameKeyForTheGame(qtKey);
        setup::SetupValues values = Values(true, 100, 0);
        values.keys = setup::GameKeysOf(keys);
        // The tool shows the key it saved when it starts again.
        EXPECT_EQ(setup::QtKeysOf(values.keys), keys) << qtKey;
        const game::Settings game = SaveAndStartGame(values);
        const std::optional<int16_t> seen = GameCodeOfKey(qtKey);
        ASSERT_TRUE(seen.has_value()) << qtKey;
        EXPECT_EQ(game.keys.KeyOf(game::Command::Fire), *seen) << qtKey;
    }
    // Letters, digits, F2 to F10 and F12 to F24, and 20 keys of their own
    // (the keypad's Enter among them, taken as Return).
    EXPECT_EQ(taken, 26 + 10 + 22 + 20);
}

TEST_F(GameReadsSetup, KeysChosenInTheToolAreTheGamesKeys) {
    const setup::KeyChoice keys = {Qt::Key_W,     Qt::Key_S,      Qt::Key_A,      Qt::Key_D,
                                   Qt::Key_Shift, Qt::Key_Return, Qt::Key_PageUp, Qt::Key_Q,
                                   Qt::Key_F2,    Qt::Key_F12};
    setup::SetupValues values = Values(true, 60, 3);
    values.keys = setup::GameKeysOf(keys);
    const game::Settings settings = SaveAndStartGame(values);
    EXPECT_EQ(settings.keys, KeyboardKeysOf(keys));
    EXPECT_TRUE(settings.soundOn);
    EXPECT_FLOAT_EQ(settings.volume, 0.6f);
    EXPECT_EQ(settings.tickDelay, 3);
    EXPECT_EQ(SaveAndStartGame(Values(true, 100, 0)).keys, game::KeyBindings());
}

// Files written by hand, on other systems or by other versions: the tool
// shows what the game will do (volumes and ticks within the tool's bars).
TEST_F(GameReadsSetup, BothProgramsSeeTheSameValuesInOddFiles) {
    const char* const files[] = {
        "Zvuky=Ne\rHlasitost=30\rTick=4\rZvetseni=2\r",
        "Zvuky=Ano\nHlasitost=30\nTick=4\nCelaObrazovka=Ano\n",
        "Zvuky=Ano\r\rTick=4\r\nPauzaPriPrepnuti=Ne\r\nPomocNaRozich=ne",
        "zvuky=ano\r\nHlasitost=-5\r\nTick=2.5\r\n zvetseni = AUTO \r\ncelaobrazovka=ANO\r\n",
        "Zvuky=Ano\nHlasitost=80\nTick=x\nZvetseni=3\nZvetseni=5\nPauzaPriPrepnuti=ne\n",
        "Zvuky=Ano\nZvetseni=4\n",
        "\n\n\nZvetseni=1\nCelaObrazovka=Ne\nCelaObrazovka=Ano\nPauzaPriPrepnuti=Ano!\n"
        "PomocNaRozich=Ne\nPomocNaRozich=Ano!\nObtiznost=LEHKA\n",
        "",
        "Zvuky=Ano\nHlasitost=1\nTick=1\nKlavesa.Strelba=Space\nKlavesa.Bomba=up\n",
        "\n\n\nKlavesa.Pauza=P\nKlavesa.Menu=P\nKlavesa.Nahoru=w\nklavesa.dolu = s\n",
        "\n\n\nKlavesa.Strelba=Return\nKlavesa.Bomba=Enter\nKlavesa.Vlevo=F11\n",
        "\n\n\nKlavesa.Strelba=Alt+Return\nKlavesa.Bomba=Control\nKlavesa.Menu=F24\n",
        "\n\n\nKlavesa.Nahrat=F1\nKlavesa.Ulozit=Del\nKlavesa.Vpravo=Ě\nKlavesa.Vlevo=\n",
    };
    for (const char* text : files) {
        const setup::SetupValues tool = settings::ParseSetupIni(text);
        const QString path = setup::SetupIniPath(dir_.path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        const game::Settings game = game::ReadSettings(path.toStdString());
        EXPECT_EQ(game.soundOn, tool.soundOn) << text;
        EXPECT_FLOAT_EQ(game.volume, tool.volume / 100.0f) << text;  // volumes 0 to 100 here
        EXPECT_EQ(game.tickDelay, tool.tick) << text;
        EXPECT_EQ(game.view.scale, tool.scale) << text;
        EXPECT_EQ(game.view.fullScreen, tool.fullScreen) << text;
        EXPECT_EQ(game.view.pauseOnFocusLoss, tool.pauseOnFocusLoss) << text;
        EXPECT_EQ(game.cornerHelp, tool.cornerHelp) << text;
        EXPECT_EQ(game.difficulty, tool.difficulty) << text;
        // The keys the tool's buttons show are the keys the game acts on.
        EXPECT_EQ(game.keys, KeyboardKeysOf(setup::QtKeysOf(tool.keys))) << text;
    }
}

// A folder, a pipe without a writer, a link to an endless device or a huge
// sparse file where setup.ini should be: the game starts at once with the
// defaults of a missing file.
TEST_F(GameReadsSetup, ThingsThatAreNoSettingsFileGiveTheDefaults) {
    const std::string path = setup::SetupIniPath(dir_.path()).toStdString();
    const game::Settings defaults = game::ReadSettings(path);  // missing
    auto expectDefaults = [&](const char* what) {
        const game::Settings settings = game::ReadSettings(path);
        EXPECT_EQ(settings.soundOn, defaults.soundOn) << what;
        EXPECT_EQ(settings.volume, defaults.volume) << what;
        EXPECT_EQ(settings.tickDelay, defaults.tickDelay) << what;
        std::filesystem::remove(path);
    };
    std::filesystem::create_directory(path);
    expectDefaults("folder");
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    expectDefaults("pipe");
    std::filesystem::create_symlink("/dev/zero", path);
    expectDefaults("/dev/zero");
    ASSERT_TRUE(setup::WriteSetupIni(QString::fromStdString(path), Values(false, 3, 4), nullptr));
    std::filesystem::resize_file(path, 4ull << 30);
    expectDefaults("4 GiB");
}

}  // namespace
