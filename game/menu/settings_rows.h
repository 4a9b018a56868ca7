// The settings window's rules without its window: its rows and what they
// show, how the keys move between them and change their values, and the
// list of the commands' keys, each rebound by pressing a key.  The window
// applies what changed and writes setup.ini when it closes.
#pragma once

#include <cstdint>
#include <string>

#include "game/settings/setup_ini.h"

namespace game {

// The rows, top to bottom.  Settings added later come before "Klávesy…".
enum SettingsRow : int16_t {
    kRowSound = 0,
    kRowVolume,
    kRowMusic,
    kRowTick,
    kRowScale,
    kRowFullScreen,
    kRowPauseOnFocusLoss,
    kRowCornerHelp,
    kRowLanguage,
    kRowDifficulty,
    kRowFlashing,
    kRowLargeText,
    kRowFireToggles,
    kRowDeadZone,
    kRowSpeech,
    kRowRunTimer,
    kRowKeys,
    kRowDefaults,
    kRowBack,
};
inline constexpr int16_t kSettingsRowCount = kRowBack + 1;

// The volumes change by 5 (0 to 100), the slowing down by 100 (0 to 20000),
// the stick's dead zone by 5 (5 to 60).
inline constexpr int kVolumeStep = 5;
inline constexpr int kTickStep = 100;
inline constexpr int kDeadZoneStep = 5;

// The row's name (UTF-8): "Zvuky", "Klávesy…".
const char* SettingsRowName(int16_t row);
// What the row shows of the values: "Ano", "75", "žádné", "2×",
// "vyplnit", "35 %"; empty for "Klávesy…", "Výchozí" and "Zpět".
std::string SettingsRowValue(const settings::SetupValues& values, int16_t row);
// Whether Left and Right change the row's value.
bool RowHasValue(int16_t row);

// Left (direction -1) or Right (+1) on a row: an Ano/Ne row, the
// language and the difficulty turn over,
// the others go one step along and stop at their ends.  False when nothing
// changed.
bool StepSetting(settings::SetupValues& values, int16_t row, int direction);
// Every setting and key back to its default; lines the game does not know
// stay.
void RestoreDefaults(settings::SetupValues& values);

// What a key asked of the window.
enum class SettingsAction : uint8_t {
    kNothing,
    kMoved,     // another row is chosen
    kChanged,   // the chosen row's value changed
    kOpenKeys,  // Enter on "Klávesy…"
    kDefaults,  // Enter on "Výchozí": the values are the defaults now
    kClose,     // Esc, or Enter on "Zpět"
};

struct SettingsPage {
    settings::SetupValues values;
    int16_t row = kRowSound;
};

// Up and Down move between the rows, round at the ends; Left and Right
// change the chosen value; Enter turns an Ano/Ne row, the language or the
// difficulty over and presses
// "Klávesy…", "Výchozí" and "Zpět"; Esc closes.
SettingsAction SettingsKeyDown(SettingsPage& page, int16_t keyCode);

// The list of keys: one row per command, then "Zpět".
inline constexpr int16_t kKeyListBack = static_cast<int16_t>(settings::kCommandCount);
inline constexpr int16_t kKeyListRowCount = kKeyListBack + 1;

struct KeyList {
    int16_t row = 0;
    // The chosen command waits for its new key.
    bool waiting = false;
};

enum class KeyListAction : uint8_t {
    kNothing,
    kMoved,
    kWaiting,    // Enter on a command: the next key pressed becomes its own
    kRebound,    // the command took the key
    kRefused,    // the key cannot be the command's; the command waits on
    kCancelled,  // Esc while waiting: the command keeps its key
    kLeave,      // Esc, or Enter on "Zpět": back to the settings' rows
};

struct KeyListResult {
    KeyListAction action = KeyListAction::kNothing;
    settings::KeyRefusal refusal = settings::KeyRefusal::None;
};

// A key pressed in the list (`shift` the game's modifier mask).
KeyListResult KeyListKeyDown(KeyList& list, settings::KeyCodes& keys, int16_t keyCode,
                             int16_t shift);

}  // namespace game
