// The keys the player chose for the game's ten commands.  The keyboard
// routines always take the commands' standard key codes (the arrows, Ctrl,
// Space, Pause, Esc, F5, F7); a pressed key is turned into those codes
// first, so a chosen key acts exactly as the standard key would.  The keys
// are stored in setup.ini by the names of Qt's portable key text ("Up",
// "Control", "Space", "Esc", "W"), read by the settings file's library.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/settings/setup_keys.h"

namespace game {

enum class Command : uint8_t {
    Up,
    Down,
    Left,
    Right,
    Fire,
    Bomb,
    Pause,
    Menu,
    QuickSave,
    QuickLoad,
};
using settings::kCommandCount;

// All commands, in the order the help window and setup.ini list them (the
// order of settings::KeyCommands()).
inline constexpr std::array<Command, kCommandCount> kAllCommands = {
    Command::Up,   Command::Down,  Command::Left, Command::Right,     Command::Fire,
    Command::Bomb, Command::Pause, Command::Menu, Command::QuickSave, Command::QuickLoad};

// The standard key of a command: the code the keyboard routines act on.
int16_t DefaultKeyOf(Command command);
// The command's name in setup.ini after "Klavesa." ("Nahoru", "Strelba").
std::string_view SettingNameOf(Command command);

// The keys' names in setup.ini and the keys no command may take
// (game/settings/setup_keys.h).
using settings::CanBeChosen;
using settings::IsReservedKey;
using settings::KeyCodeOfName;
using settings::kKeyLinePrefix;
using settings::PortableNameOf;

// The standard codes one pressed key stands for: at most the code of the
// command it was chosen for and its own code.
class StandardCodes {
  public:
    void Add(int16_t code) { codes_[count_++] = code; }
    const int16_t* begin() const { return codes_.data(); }
    const int16_t* end() const { return codes_.data() + count_; }
    std::size_t size() const { return count_; }

  private:
    std::array<int16_t, 2> codes_{};
    std::size_t count_ = 0;
};

class KeyBindings {
  public:
    // Every command on its standard key.
    KeyBindings();
    // The keys of setup.ini, in the order of settings::KeyCommands().
    explicit KeyBindings(const settings::KeyCodes& keys) : keys_(keys) {}

    int16_t KeyOf(Command command) const { return keys_[static_cast<std::size_t>(command)]; }
    // Every command's key, in the order of settings::KeyCommands().
    const settings::KeyCodes& Keys() const { return keys_; }
    // Gives the command its key, unchecked: a table filled from a file is
    // mended afterwards by SettleSharedKeys.
    void Set(Command command, int16_t keyCode) {
        keys_[static_cast<std::size_t>(command)] = keyCode;
    }
    // The command a key is chosen for, if any.
    std::optional<Command> CommandOf(int16_t keyCode) const;

    // Two commands on one key cannot both be meant: every command whose key
    // another command shares goes back to its standard key, until no two
    // share one.
    void SettleSharedKeys();

    // What a pressed key does.  The command it was chosen for, by that
    // command's standard code; and the key's own code, so that keys outside
    // the table (the cheat keys, S at the hidden passage, F1) keep acting,
    // except when that code is a command's standard code: a standard key
    // given away to another command, or left for a chosen one, does nothing
    // of its old command.
    StandardCodes CodesOf(int16_t pressedKey) const;

    bool operator==(const KeyBindings&) const = default;

  private:
    settings::KeyCodes keys_;
};

// The keys of this run, read from setup.ini at start.
const KeyBindings& ActiveKeyBindings();
void SetActiveKeyBindings(const KeyBindings& bindings);

}  // namespace game
