// The game's music as the settings window switches it, heard through the
// built sound library on the loopback output: the game's own start-up code
// opens the device and hands the director the library's music, and Zvuky
// or Hudba then change what is heard at once.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <vector>

#include "game/core/game_state.h"
#include "game/core/music_director.h"
#include "game/core/sound_component.h"
#include "game/play/startup.h"
#include "loopback.h"
#include "sound_files.h"
#include "support/game_test.h"
#include "tembra_library.h"

namespace {

using namespace game;
using tembra_test::Library;

double RmsDb(const std::vector<int16_t>& side) {
    double sum = 0.0;
    for (int16_t s : side)
        sum += (s / tembra_test::kFullScale) * (s / tembra_test::kFullScale);
    return 10.0 * std::log10(std::max(sum / side.size(), 1e-12));
}

// Sign changes per second: tells the two test pieces apart.
double CrossingsPerSecond(const std::vector<int16_t>& side) {
    int crossings = 0;
    for (size_t i = 1; i < side.size(); ++i)
        crossings += (side[i - 1] < 0) != (side[i] < 0);
    return crossings * static_cast<double>(tembra_test::kLoopbackRate) / side.size();
}

class GameMusic : public testing_support::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        tembra_test::UseLoopbackOutput();
        Library().TembraServiceManual(1);
        SetSoundComponent(LoadSoundComponentFile(TEMBRA_LIBRARY_PATH));
        const std::filesystem::path music = appFolder / "data" / kMusicFolder;
        std::filesystem::create_directories(music);
        tembra_test::WriteMusic((music / "menu.ogg").string(), {.hertz = 441.0});
        tembra_test::WriteMusic((music / "act3.ogg").string(), {.hertz = 882.0});
        ASSERT_TRUE(RegisterSoundLibrary());
    }
    void TearDown() override {
        ShutDown();
        Library().TembraServiceManual(0);
        GameTest::TearDown();
    }
};

TEST_F(GameMusic, SoundOffOrMusicAtZeroIsSilenceAndOnAgainPlaysThePieceOfThePlace) {
    // The amplitude 0.5 of the pieces at a share of the music's volume.
    const auto level = [](double share) {
        return 20.0 * std::log10(0.5 * share * tembra_test::kOutputGain / std::sqrt(2.0));
    };
    struct Step {
        const char* what;
        std::function<void()> change;
        double hertz;  // of the piece heard; 0: silence
        double share;
    };
    Music().Menu();
    const std::vector<Step> steps = {
        {"sound on in the menu", [] { ApplySound(true, 100); }, 441, 1.0},
        {"Zvuky Ne", [] { ApplySound(false, 100); }, 0, 0},
        {"a level of act III begun while off", [] { Music().Playing(20, false); }, 0, 0},
        {"Zvuky Ano in act III", [] { ApplySound(true, 100); }, 882, 1.0},
        {"Hudba 0", [] { ApplySound(true, 0); }, 0, 0},
        {"the menu while Hudba is 0", [] { Music().Menu(); }, 0, 0},
        {"Hudba 60 in the menu", [] { ApplySound(true, 60); }, 441, 0.6},
        {"Zvuky Ne again", [] { ApplySound(false, 60); }, 0, 0},
    };
    for (const Step& step : steps) {
        step.change();
        // A tenth of a second for the change to be heard: it is at once.
        tembra_test::RenderServiced(0.1);
        const tembra_test::Rendered heard = tembra_test::RenderServiced(0.5);
        if (step.hertz == 0) {
            EXPECT_LE(heard.LeftPeak(), 2 * tembra_test::kSilence) << step.what;
            EXPECT_LE(heard.RightPeak(), 2 * tembra_test::kSilence) << step.what;
            continue;
        }
        EXPECT_NEAR(RmsDb(heard.left), level(step.share), 1.0) << step.what;
        EXPECT_NEAR(CrossingsPerSecond(heard.left), 2 * step.hertz, 0.05 * step.hertz) << step.what;
    }
}

}  // namespace
