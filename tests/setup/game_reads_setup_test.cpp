// The game starts with what the settings tool saved: every value the tool can
// write goes through the file into the game's own start-up reading.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "game/core/settings.h"
#include "setup/setup_ini.h"

namespace {

setup::SetupValues Values(bool soundOn, int volume, int tick) {
    setup::SetupValues values;
    values.soundOn = soundOn;
    values.volume = volume;
    values.tick = tick;
    return values;
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

// Files written by hand, on other systems or by other versions: the tool
// shows what the game will do.
TEST_F(GameReadsSetup, BothProgramsSeeTheSameValuesInOddFiles) {
    const char* const files[] = {
        "Zvuky=Ne\rHlasitost=30\rTick=4\rZvetseni=2\r",
        "Zvuky=Ano\nHlasitost=30\nTick=4\nCelaObrazovka=Ano\n",
        "Zvuky=Ano\r\rTick=4\r\nPauzaPriPrepnuti=Ne",
        "zvuky=ano\r\nHlasitost=-5\r\nTick=2.5\r\n zvetseni = AUTO \r\ncelaobrazovka=ANO\r\n",
        "Zvuky=Ano\nHlasitost=80\nTick=x\nZvetseni=3\nZvetseni=5\nPauzaPriPrepnuti=ne\n",
        "Zvuky=Ano\nZvetseni=4\n",
        "\n\n\nZvetseni=1\nCelaObrazovka=Ne\nCelaObrazovka=Ano\nPauzaPriPrepnuti=Ano!\n",
        "",
    };
    for (const char* text : files) {
        const setup::SetupValues tool = setup::ParseSetupIni(text);
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
    }
}

}  // namespace
