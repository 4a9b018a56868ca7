// Time stops when the game loses the keyboard to another program, the way
// the Pause key stops it, and only the Pause key starts it again.
#include <gtest/gtest.h>

#include "game/core/game_state.h"
#include "game/core/messages.h"
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

// Only the Pause key starts time again.  A pause ended with nothing told
// between leaves one line in the log, the resumption in place of the stop;
// with a line between, the stop stays and the resumption follows.
TEST_F(LostKeyboard, OnlyThePauseKeyStartsTimeAgainAndAPauseLeavesOneLine) {
    using Lines = std::vector<std::string>;
    const std::string fight = "Zasáhl jsi netopýra", saved = "Hra uložena";
    const struct {
        const char* name;
        bool lostKeyboard;  // else the Pause key stopped time
        bool lineBetween;
        Lines log;
    } cases[] = {
        {"Pause key", false, false, {fight, kResumedLine}},
        {"lost keyboard", true, false, {fight, kResumedLine}},
        {"Pause key, a line between", false, true, {fight, kPausedLine, saved, kResumedLine}},
        {"lost keyboard, a line between", true, true, {fight, kPausedLine, saved, kResumedLine}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        windows.ClearLog();
        AddLogLine(fight);
        if (c.lostKeyboard)
            PauseForLostKeyboard();
        else
            Picture1_KeyDown(0, vk::Pause, 0);
        Picture1_KeyDown(0, vk::Right, 0);
        EXPECT_TRUE(Paused);
        EXPECT_EQ(windows.LogLines(), (Lines{fight, kPausedLine}));
        if (c.lineBetween) AddLogLine(saved);
        Picture1_KeyDown(0, vk::Pause, 0);
        EXPECT_FALSE(Paused);
        EXPECT_EQ(windows.LogLines(), c.log);
    }
}

}  // namespace
