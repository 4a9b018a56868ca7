// The game starts with what the settings tool saved: every value the tool can
// write goes through the file into the game's own start-up reading.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "game/core/settings.h"
#include "setup/setup_ini.h"

namespace {

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
            const game::Settings settings = SaveAndStartGame({soundOn, volume, 0});
            EXPECT_EQ(settings.soundOn, soundOn) << volume;
            EXPECT_FLOAT_EQ(settings.volume, static_cast<float>(volume) / 100.0f) << volume;
            EXPECT_EQ(settings.tickDelay, 0) << volume;
        }
    }
}

TEST_F(GameReadsSetup, TicksAcrossTheWholeBar) {
    for (const int tick : {0, 1, 2, 9, 10, 99, 100, 101, 999, 1000, 12345, 19999, 20000}) {
        const game::Settings settings = SaveAndStartGame({true, 100, tick});
        EXPECT_TRUE(settings.soundOn);
        EXPECT_FLOAT_EQ(settings.volume, 1.0f);
        EXPECT_EQ(settings.tickDelay, static_cast<int16_t>(tick));
    }
}

}  // namespace
