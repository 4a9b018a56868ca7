// The keys of the game's ten commands as the settings tool knows them: Qt key
// codes, stored in setup.ini as "Klavesa.<command>=<key>" lines by the key's
// portable name ("Up", "Control", "Space", "Esc", "W").  The game reads the
// same lines with its own table; only keys it can tell apart are offered.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include <QString>
#include <Qt>

namespace setup {

inline constexpr std::size_t kCommandCount = 10;

struct KeyCommand {
    std::string_view settingName;  // after "Klavesa." in setup.ini
    const char* caption;           // what the window calls it
    int defaultKey;                // a Qt::Key
};

// Up, down, left, right, fire, bomb, pause, menu, quick save, quick load.
const std::array<KeyCommand, kCommandCount>& KeyCommands();
inline constexpr std::string_view kKeyLinePrefix = "Klavesa.";

// Qt key codes, one per command in the order of KeyCommands().
using KeyChoice = std::array<int, kCommandCount>;
KeyChoice DefaultKeys();

// Why a key cannot be a command's.
enum class KeyRefusal {
    None,
    Unknown,  // the game cannot see it
    Help,     // F1 opens the game's help
    Screen,   // F11 and Alt+Enter switch full screen
    Taken,    // another command has it
};

// Whether the key, pressed with these modifiers, may become the command's.
// The modifiers matter only for Alt+Enter; any other key counts alone.
KeyRefusal RefusalOf(const KeyChoice& keys, std::size_t command, int key,
                     Qt::KeyboardModifiers modifiers);

// The keypad's Enter is Return to the game: one key, one name.
int SameKeyForTheGame(int key);

// The name written to setup.ini: QKeySequence's portable text.
QString PortableKeyName(int key);
// The key of a name in setup.ini, ignoring ASCII case; nothing for a name
// that is not one key the game can see, or a reserved one.
std::optional<int> KeyOfPortableName(std::string_view name);

// What the window shows for a key ("Šipka nahoru", "Mezerník", "W").
QString KeyCaption(int key);

// Every command whose key another command shares goes back to its default,
// until no two share one (a file may say anything).
void SettleSharedKeys(KeyChoice& keys);

}  // namespace setup
