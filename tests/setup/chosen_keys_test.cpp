// The settings tool's keys: which a command may take, and the game's key
// codes they are saved as.
#include <gtest/gtest.h>

#include "game/platform/keys.h"
#include "setup/chosen_keys.h"

namespace setup {
namespace {

constexpr std::size_t kUp = 0, kFire = 4, kBomb = 5;

KeyChoice KeysWith(std::initializer_list<std::pair<std::size_t, int>> chosen) {
    KeyChoice keys = DefaultKeys();
    for (auto [command, key] : chosen)
        keys[command] = key;
    return keys;
}

TEST(SetupKeys, RefusesReservedUnknownAndTakenKeys) {
    const KeyChoice keys = KeysWith({{kUp, Qt::Key_W}});
    const struct {
        KeyChoice keys;
        std::size_t command;
        int key;
        Qt::KeyboardModifiers modifiers;
        KeyRefusal refusal;
    } cases[] = {
        {keys, kFire, Qt::Key_J, Qt::NoModifier, KeyRefusal::None},
        {keys, kFire, Qt::Key_Control, Qt::ControlModifier, KeyRefusal::None},
        {keys, kFire, Qt::Key_W, Qt::NoModifier, KeyRefusal::Taken},
        {keys, kUp, Qt::Key_W, Qt::NoModifier, KeyRefusal::None},  // its own
        {keys, kFire, Qt::Key_Space, Qt::NoModifier, KeyRefusal::Taken},
        {keys, kFire, Qt::Key_F1, Qt::NoModifier, KeyRefusal::Help},
        {keys, kFire, Qt::Key_F11, Qt::NoModifier, KeyRefusal::Screen},
        {keys, kFire, Qt::Key_Return, Qt::AltModifier, KeyRefusal::Screen},
        {keys, kFire, Qt::Key_Enter, Qt::AltModifier | Qt::KeypadModifier, KeyRefusal::Screen},
        {keys, kFire, Qt::Key_Return, Qt::ShiftModifier, KeyRefusal::None},
        {keys, kFire, Qt::Key_Meta, Qt::MetaModifier, KeyRefusal::Unknown},
        {keys, kFire, Qt::Key_Comma, Qt::NoModifier, KeyRefusal::Unknown},
        {keys, kFire, 0x11A, Qt::NoModifier, KeyRefusal::Unknown},  // Ě
        // Return chosen for one command makes the keypad's Enter taken as well.
        {KeysWith({{kBomb, Qt::Key_Return}}), kFire, Qt::Key_Enter, Qt::KeypadModifier,
         KeyRefusal::Taken},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RefusalOf(c.keys, c.command, c.key, c.modifiers), c.refusal) << c.key;
}

TEST(SetupKeys, TheStandardKeysAreTheGamesStandardKeys) {
    EXPECT_EQ(DefaultKeys(),
              (KeyChoice{Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Control,
                         Qt::Key_Space, Qt::Key_Pause, Qt::Key_Escape, Qt::Key_F5, Qt::Key_F7}));
    EXPECT_EQ(GameKeysOf(DefaultKeys()), settings::DefaultKeys());
    EXPECT_EQ(GameKeyOf(Qt::Key_Enter), platform::vk::Return);
    EXPECT_EQ(QtKeyOf(platform::vk::Return), Qt::Key_Return);
    EXPECT_EQ(GameKeyOf(Qt::Key_Comma), 0);
    EXPECT_EQ(QtKeyOf(0), 0);
}

}  // namespace
}  // namespace setup
