// Time stops when the game loses the keyboard to another program, the way
// the Pause key stops it, and only the Pause key starts it again.
#include <gtest/gtest.h>

#include "game/core/game_state.h"
#include "game/platform/keys.h"
#include "game/play/keyboard.h"
#include "support/game_test.h"

namespace {

using namespace game;
namespace vk = platform::vk;

class LostKeyboard : public testing_support::GameTest {};

TEST_F(LostKeyboard, StopsARunningGameWithOneLogLineAndLetsGoOfTheKeys) {
    Picture1_KeyDown(0, vk::Left, 0);
    Picture1_KeyDown(0, vk::Control, 2);
    HeroSpeed = 0.7f;
    PauseForLostKeyboard();
    EXPECT_TRUE(Paused);
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Čas se zastavil..."});
    EXPECT_FALSE(KeyLeftHeld);
    EXPECT_FALSE(FireHeld);
    EXPECT_FLOAT_EQ(HeroStepX, 0.7f);  // as the key's release would have set it

    // Losing it again while time stands still changes nothing.
    PauseForLostKeyboard();
    EXPECT_TRUE(Paused);
    EXPECT_EQ(windows.LogLines().size(), 1u);
}

TEST_F(LostKeyboard, LeavesAGamePausedByThePlayerAsItWas) {
    Picture1_KeyDown(0, vk::Pause, 0);
    ASSERT_TRUE(Paused);
    Picture1_KeyDown(0, vk::Up, 0);
    PauseForLostKeyboard();
    EXPECT_TRUE(Paused);  // never toggled back
    EXPECT_FALSE(KeyUpHeld);
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Čas se zastavil..."});
}

TEST_F(LostKeyboard, OnlyThePauseKeyStartsTimeAgain) {
    PauseForLostKeyboard();
    Picture1_KeyDown(0, vk::Right, 0);
    EXPECT_TRUE(Paused);
    Picture1_KeyDown(0, vk::Pause, 0);
    EXPECT_FALSE(Paused);
    EXPECT_EQ(windows.LogLines(),
              (std::vector<std::string>{"Čas se zastavil...", "Čas běží dál..."}));
}

}  // namespace
