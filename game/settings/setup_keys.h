// The keys of the game's ten commands in setup.ini: one "Klavesa.<command>=
// <key>" line each, the key by its portable name ("Up", "Control", "Space",
// "Esc", "W").  Keys are the game's own key codes (game/platform/keys.h);
// the game's keyboard and the settings tool's window each turn their keys
// into these codes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

inline constexpr std::size_t kCommandCount = 10;

struct CommandKey {
    std::string_view settingName;  // after "Klavesa." in setup.ini
    int16_t defaultKey;            // the command's standard key
};

// Up, down, left, right, fire, bomb, pause, menu, quick save, quick load:
// the order the help window, the settings tool and setup.ini list them in.
const std::array<CommandKey, kCommandCount>& KeyCommands();
inline constexpr std::string_view kKeyLinePrefix = "Klavesa.";
// What the player is shown for a command (UTF-8): "Nahoru", "Rychlé uložení";
// the windows translate it under "Help", as the help lists it.
std::string_view CommandCaption(std::size_t command);

// Key codes, one per command in the order of KeyCommands().
using KeyCodes = std::array<int16_t, kCommandCount>;
KeyCodes DefaultKeys();
// Whether the code is some command's standard key.
bool IsStandardKey(int16_t keyCode);

// The key code of a key's portable name, ignoring ASCII case ("Up", "esc",
// "w", "F12", "PgUp"); nothing for names of keys the game cannot see and
// for anything that is not one single key ("Ctrl+W", "Alt+Return").
std::optional<int16_t> KeyCodeOfName(std::string_view name);
// The portable name of a key code ("Control", "Space", "W"); empty for a
// code without one.
std::string PortableNameOf(int16_t keyCode);

// F1 opens the help and F11 switches full screen: no command may take them.
// (Alt+Enter, the other full-screen switch, is no single key at all.)
bool IsReservedKey(int16_t keyCode);
// A key the game sees that is not reserved.
bool CanBeChosen(int16_t keyCode);

// Why a key cannot become a command's.
enum class KeyRefusal {
    None,
    Unknown,  // the game cannot see it
    Help,     // F1 opens the game's help
    Screen,   // F11 and Alt+Enter switch full screen
    Taken,    // another command has it
};
// Whether the key (a game's key code, 0 for a key the game does not see),
// pressed with Alt or without, may become the command's.  Alt matters only
// for Enter; any other key counts alone.
KeyRefusal RefusalOf(const KeyCodes& keys, std::size_t command, int16_t keyCode, bool withAlt);
// The command that has the key besides `command`, or kCommandCount.
std::size_t OwnerOf(const KeyCodes& keys, std::size_t command, int16_t keyCode);
// What the player is told about a refusal (UTF-8), the key and the command
// that has it named by the caller's captions.  Empty for None.
std::string RefusalNote(KeyRefusal refusal, int16_t keyCode, std::string_view keyCaption,
                        std::string_view ownerCaption);
// The same in another language: the note's Czech template ("%1" the key,
// "%2" the command that has it; the windows translate it under "Keys"),
// and the template, translated, filled in.
std::string_view RefusalPattern(KeyRefusal refusal);
std::string FillRefusal(std::string_view pattern, KeyRefusal refusal, int16_t keyCode,
                        std::string_view keyCaption, std::string_view ownerCaption);

// Two commands on one key cannot both be meant: every command whose key
// another command shares goes back to its standard key, until no two share
// one (a file may say anything).
void SettleSharedKeys(KeyCodes& keys);

}  // namespace settings
