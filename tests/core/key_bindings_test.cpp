// The chosen keys: their names in setup.ini, keys shared by two commands,
// and what a pressed key does in play once it is turned into the standard
// codes the keyboard routines take.
#include <gtest/gtest.h>

#include <vector>

#include "game/core/game_state.h"
#include "game/core/key_bindings.h"
#include "game/platform/keys.h"
#include "game/play/keyboard.h"
#include "support/game_test.h"

namespace {

using namespace game;
namespace vk = platform::vk;

constexpr int16_t kF11 = vk::F1 + 10;

std::vector<int16_t> Codes(const KeyBindings& keys, int16_t pressed) {
    const StandardCodes codes = keys.CodesOf(pressed);
    return {codes.begin(), codes.end()};
}

TEST(KeyNames, EveryNamedKeyReadsBackAndCaseDoesNotMatter) {
    int named = 0;
    for (int code = 0; code < 256; ++code) {
        const std::string name = PortableNameOf(static_cast<int16_t>(code));
        if (name.empty()) continue;
        ++named;
        EXPECT_EQ(KeyCodeOfName(name), code) << name;
        std::string lower = name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(KeyCodeOfName(lower), code) << lower;
    }
    // 26 letters, 10 digits, F1 to F24 and 19 keys of their own.
    EXPECT_EQ(named, 26 + 10 + 24 + 19);

    EXPECT_EQ(PortableNameOf(vk::Control), "Control");
    EXPECT_EQ(PortableNameOf(vk::Escape), "Esc");
    EXPECT_EQ(PortableNameOf(vk::Prior), "PgUp");
    EXPECT_EQ(PortableNameOf(vk::F7), "F7");
    EXPECT_EQ(KeyCodeOfName("Enter"), vk::Return);  // the keypad's Enter
    EXPECT_EQ(KeyCodeOfName("F24"), vk::F1 + 23);
}

TEST(KeyNames, AnythingButOneKeyTheGameSeesHasNoCode) {
    for (const char* name : {"", " ", "Ctrl", "Ctrl+W", "Alt+Return", "Control+", "F0", "F00",
                             "F25", "F1a", "Meta", "ww", ",", "Ě", "Up "}) {
        EXPECT_EQ(KeyCodeOfName(name), std::nullopt) << '"' << name << '"';
    }
}

TEST(KeyNames, F1AndF11AreNeverChosen) {
    EXPECT_FALSE(CanBeChosen(vk::F1));
    EXPECT_FALSE(CanBeChosen(kF11));
    EXPECT_FALSE(CanBeChosen(0));     // no key
    EXPECT_FALSE(CanBeChosen(0x5B));  // a code the game never gets
    EXPECT_TRUE(CanBeChosen(vk::F1 + 1));
    EXPECT_TRUE(CanBeChosen('W'));
    EXPECT_TRUE(CanBeChosen(vk::Menu));  // Alt alone is a key like another
}

TEST(SharedKeys, BothCommandsGoBackToTheirStandardKeys) {
    KeyBindings keys;
    keys.Set(Command::Fire, 'W');
    keys.Set(Command::Bomb, 'W');
    keys.Set(Command::Left, 'A');
    keys.SettleSharedKeys();
    EXPECT_EQ(keys.KeyOf(Command::Fire), vk::Control);
    EXPECT_EQ(keys.KeyOf(Command::Bomb), vk::Space);
    EXPECT_EQ(keys.KeyOf(Command::Left), 'A');
}

TEST(SharedKeys, AStandardKeyFreedByOneCommandCanStillCollide) {
    // The bomb shares Up with the up command, which never left it; going
    // back to Space the bomb then meets the fire, which took Space.
    KeyBindings keys;
    keys.Set(Command::Bomb, vk::Up);
    keys.Set(Command::Menu, 'P');
    keys.Set(Command::Pause, 'P');
    keys.Set(Command::Fire, vk::Space);
    keys.SettleSharedKeys();
    EXPECT_EQ(keys, KeyBindings());
}

TEST(PressedKeys, TheStandardTableLeavesEveryKeyAsItIs) {
    const KeyBindings keys;
    for (int16_t code : {vk::Up, vk::Control, vk::Space, vk::Escape, vk::F5, vk::F7, vk::F1,
                         int16_t('S'), int16_t('L'), int16_t('H'), int16_t('W')})
        EXPECT_EQ(Codes(keys, code), std::vector<int16_t>{code}) << code;
}

TEST(PressedKeys, AChosenKeyActsAsTheStandardOneAndTheStandardOneNoLonger) {
    KeyBindings keys;
    keys.Set(Command::Fire, vk::Space);
    keys.Set(Command::Bomb, vk::Control);
    keys.Set(Command::Up, 'W');
    keys.Set(Command::Down, 'S');
    keys.Set(Command::Pause, 'P');
    EXPECT_EQ(Codes(keys, vk::Space), std::vector<int16_t>{vk::Control});
    EXPECT_EQ(Codes(keys, vk::Control), std::vector<int16_t>{vk::Space});
    EXPECT_EQ(Codes(keys, 'W'), (std::vector<int16_t>{vk::Up, 'W'}));
    // S keeps its own meaning at the hidden passage besides the command.
    EXPECT_EQ(Codes(keys, 'S'), (std::vector<int16_t>{vk::Down, 'S'}));
    // The standard keys of the moved commands do nothing now.
    EXPECT_TRUE(Codes(keys, vk::Up).empty());
    EXPECT_TRUE(Codes(keys, vk::Pause).empty());
    EXPECT_EQ(Codes(keys, 'P'), (std::vector<int16_t>{vk::Pause, 'P'}));
}

class ChosenKeysInPlay : public testing_support::GameTest {
  protected:
    void TearDown() override {
        SetActiveKeyBindings(KeyBindings());
        GameTest::TearDown();
    }
    void Choose(Command command, int16_t key) {
        KeyBindings keys = ActiveKeyBindings();
        keys.Set(command, key);
        SetActiveKeyBindings(keys);
    }
};

TEST_F(ChosenKeysInPlay, ARemappedFireKeyFiresAndCtrlThenDoesNot) {
    Choose(Command::Fire, 'F');
    KeyboardKeyDown(vk::Control, platform::kCtrlMask, false);
    EXPECT_FALSE(FireHeld);
    KeyboardKeyDown('F', 0, false);
    EXPECT_TRUE(FireHeld);
    KeyboardKeyUp(vk::Control, 0);
    EXPECT_TRUE(FireHeld);  // Ctrl's release is not F's
    KeyboardKeyUp('F', 0);
    EXPECT_FALSE(FireHeld);
}

TEST_F(ChosenKeysInPlay, HoldingAChosenDirectionRepeatsButACommandDoesNot) {
    Choose(Command::Right, 'D');
    Choose(Command::Pause, 'P');
    HeroSpeed = 0.7f;
    KeyboardKeyDown('D', 0, false);
    KeyboardKeyDown('D', 0, true);
    EXPECT_TRUE(KeyRightHeld);
    KeyboardKeyUp('D', 0);
    EXPECT_FALSE(KeyRightHeld);
    EXPECT_FLOAT_EQ(HeroStepX, 0.7f);  // the release is the arrow's release

    KeyboardKeyDown('P', 0, false);
    KeyboardKeyDown('P', 0, true);
    KeyboardKeyDown('P', 0, true);
    EXPECT_TRUE(Paused);
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Čas se zastavil..."});
}

TEST_F(ChosenKeysInPlay, F1OpensTheHelpOncePerPressWhateverTheKeys) {
    Choose(Command::Up, 'W');
    KeyboardKeyDown(vk::F1, 0, false);
    KeyboardKeyDown(vk::F1, 0, true);
    EXPECT_EQ(windows.calls, std::vector<std::string>{"ShowHelp"});
    EXPECT_FALSE(Paused);
    EXPECT_TRUE(windows.LogLines().empty());
}

TEST_F(ChosenKeysInPlay, TheCheatKeysStayOnTheirLettersWhenACommandTakesThem) {
    Choose(Command::Bomb, 'L');
    CheatMode = true;
    LevelNumber = 12;
    KeyboardKeyDown('L', 0, false);
    EXPECT_TRUE(BombArmed);
    EXPECT_EQ(windows.LogLines(), std::vector<std::string>{"Aktuální mapa: 12"});
}

}  // namespace
