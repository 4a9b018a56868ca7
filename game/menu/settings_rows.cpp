#include "game/menu/settings_rows.h"

#include <algorithm>
#include <array>

#include "game/platform/keys.h"
#include "game/platform/shown_text.h"

namespace game {
namespace {

namespace vk = platform::vk;

constexpr std::array<const char*, kSettingsRowCount> kRowNames = {
    SHOWN_TEXT("Settings", "Zvuky"),
    SHOWN_TEXT("Settings", "Hlasitost"),
    SHOWN_TEXT("Settings", "Hudba"),
    SHOWN_TEXT("Settings", "Zpomalení hry"),
    SHOWN_TEXT("Settings", "Zvětšení"),
    SHOWN_TEXT("Settings", "Celá obrazovka"),
    SHOWN_TEXT("Settings", "Pauza při přepnutí okna"),
    SHOWN_TEXT("Settings", "Pomoc na rozích"),
    SHOWN_TEXT("Settings", "Jazyk"),
    SHOWN_TEXT("Settings", "Obtížnost"),
    SHOWN_TEXT("Settings", "Blikání"),
    SHOWN_TEXT("Settings", "Velké písmo"),
    SHOWN_TEXT("Settings", "Střelba přepínačem"),
    SHOWN_TEXT("Settings", "Mrtvá zóna páčky"),
    SHOWN_TEXT("Settings", "Předčítání"),
    SHOWN_TEXT("Settings", "Časomíra"),
    SHOWN_TEXT("Settings", "Klávesy…"),
    SHOWN_TEXT("Settings", "Výchozí"),
    SHOWN_TEXT("Settings", "Zpět"),
};

constexpr std::array<const char*, settings::kScaleFill + 1> kScaleNames = {
    SHOWN_TEXT("Settings", "automaticky"), "1×", "2×", "3×", "4×",
    SHOWN_TEXT("Settings", "vyplnit"),
};

const char* YesNo(bool on) {
    return on ? SHOWN_TEXT("Settings", "Ano") : SHOWN_TEXT("Settings", "Ne");
}

// The Ano/Ne setting of a row, or null.
bool* Switch(settings::SetupValues& values, int16_t row) {
    switch (row) {
        case kRowSound:
            return &values.soundOn;
        case kRowFullScreen:
            return &values.fullScreen;
        case kRowPauseOnFocusLoss:
            return &values.pauseOnFocusLoss;
        case kRowCornerHelp:
            return &values.cornerHelp;
        case kRowFlashing:
            return &values.flashing;
        case kRowLargeText:
            return &values.largeText;
        case kRowFireToggles:
            return &values.fireToggles;
        case kRowSpeech:
            return &values.speech;
        case kRowRunTimer:
            return &values.runTimer;
        default:
            return nullptr;
    }
}

// One step from `value` toward the next multiple of `step`, held to
// 0..max: a value between steps (a file may say 73) goes to 70 or 75.
int Stepped(int value, int step, int max, int direction) {
    const int next =
        direction > 0 ? (value / step + 1) * step : ((value + step - 1) / step - 1) * step;
    return std::clamp(next, 0, max);
}

}  // namespace

const char* SettingsRowName(int16_t row) {
    return row >= 0 && row < kSettingsRowCount ? kRowNames[row] : "";
}

std::string SettingsRowValue(const settings::SetupValues& values, int16_t row) {
    switch (row) {
        case kRowSound:
            return YesNo(values.soundOn);
        case kRowVolume:
            return std::to_string(values.volume);
        case kRowMusic:
            return std::to_string(values.music);
        case kRowTick:
            return values.tick == 0 ? SHOWN_TEXT("Settings", "žádné") : std::to_string(values.tick);
        case kRowScale:
            return kScaleNames[std::clamp(values.scale, 0, settings::kScaleFill)];
        case kRowFullScreen:
            return YesNo(values.fullScreen);
        case kRowPauseOnFocusLoss:
            return YesNo(values.pauseOnFocusLoss);
        case kRowCornerHelp:
            return YesNo(values.cornerHelp);
        case kRowRunTimer:
            return YesNo(values.runTimer);
        case kRowLanguage:
            // Each language by its own name, whatever the windows speak.
            return values.language == settings::Language::kEnglish ? "English" : "Čeština";
        case kRowDifficulty:
            return values.difficulty == settings::Difficulty::kEasy
                       ? SHOWN_TEXT("Settings", "lehká")
                       : SHOWN_TEXT("Settings", "normální");
        case kRowFlashing:
            return YesNo(values.flashing);
        case kRowLargeText:
            return YesNo(values.largeText);
        case kRowFireToggles:
            return YesNo(values.fireToggles);
        case kRowDeadZone:
            return std::to_string(values.deadZone) + " %";
        case kRowSpeech:
            return YesNo(values.speech);
        default:
            return {};
    }
}

bool RowHasValue(int16_t row) {
    return row >= kRowSound && row < kRowKeys;
}

bool StepSetting(settings::SetupValues& values, int16_t row, int direction) {
    if (bool* on = Switch(values, row)) {
        *on = !*on;
        return true;
    }
    if (row == kRowLanguage) {
        // Two languages: either arrow turns them over.
        values.language = values.language == settings::Language::kCzech
                              ? settings::Language::kEnglish
                              : settings::Language::kCzech;
        return true;
    }
    if (row == kRowDifficulty) {
        values.difficulty = values.difficulty == settings::Difficulty::kNormal
                                ? settings::Difficulty::kEasy
                                : settings::Difficulty::kNormal;
        return true;
    }
    int* value = nullptr;
    int next = 0;
    switch (row) {
        case kRowVolume:
            value = &values.volume;
            next = Stepped(*value, kVolumeStep, settings::kVolumeMax, direction);
            break;
        case kRowMusic:
            value = &values.music;
            next = Stepped(*value, kVolumeStep, settings::kVolumeMax, direction);
            break;
        case kRowTick:
            value = &values.tick;
            next = Stepped(*value, kTickStep, settings::kTickMax, direction);
            break;
        case kRowScale:
            value = &values.scale;
            next = std::clamp(*value + (direction > 0 ? 1 : -1), 0, settings::kScaleFill);
            break;
        case kRowDeadZone:
            value = &values.deadZone;
            next = std::max(Stepped(*value, kDeadZoneStep, settings::kDeadZoneMax, direction),
                            settings::kDeadZoneMin);
            break;
        default:
            return false;
    }
    if (next == *value) return false;
    *value = next;
    return true;
}

void RestoreDefaults(settings::SetupValues& values) {
    settings::SetupValues defaults;
    defaults.otherLines = std::move(values.otherLines);
    values = std::move(defaults);
}

SettingsAction SettingsKeyDown(SettingsPage& page, int16_t keyCode) {
    switch (keyCode) {
        case vk::Down:
            page.row = static_cast<int16_t>((page.row + 1) % kSettingsRowCount);
            return SettingsAction::kMoved;
        case vk::Up:
            page.row = static_cast<int16_t>((page.row + kSettingsRowCount - 1) % kSettingsRowCount);
            return SettingsAction::kMoved;
        case vk::Left:
        case vk::Right:
            return StepSetting(page.values, page.row, keyCode == vk::Right ? 1 : -1)
                       ? SettingsAction::kChanged
                       : SettingsAction::kNothing;
        case vk::Return:
            if (Switch(page.values, page.row) || page.row == kRowLanguage ||
                page.row == kRowDifficulty) {
                StepSetting(page.values, page.row, 1);
                return SettingsAction::kChanged;
            }
            if (page.row == kRowKeys) return SettingsAction::kOpenKeys;
            if (page.row == kRowDefaults) {
                RestoreDefaults(page.values);
                return SettingsAction::kDefaults;
            }
            if (page.row == kRowBack) return SettingsAction::kClose;
            return SettingsAction::kNothing;
        case vk::Escape:
            return SettingsAction::kClose;
        default:
            return SettingsAction::kNothing;
    }
}

KeyListResult KeyListKeyDown(KeyList& list, settings::KeyCodes& keys, int16_t keyCode,
                             int16_t shift) {
    if (list.waiting) {
        if (keyCode == vk::Escape) {
            list.waiting = false;
            return {KeyListAction::kCancelled};
        }
        const bool withAlt = (shift & platform::kAltMask) != 0;
        const auto command = static_cast<std::size_t>(list.row);
        const settings::KeyRefusal refusal = settings::RefusalOf(keys, command, keyCode, withAlt);
        if (refusal != settings::KeyRefusal::None) return {KeyListAction::kRefused, refusal};
        keys[command] = keyCode;
        list.waiting = false;
        return {KeyListAction::kRebound};
    }
    switch (keyCode) {
        case vk::Down:
            list.row = static_cast<int16_t>((list.row + 1) % kKeyListRowCount);
            return {KeyListAction::kMoved};
        case vk::Up:
            list.row = static_cast<int16_t>((list.row + kKeyListRowCount - 1) % kKeyListRowCount);
            return {KeyListAction::kMoved};
        case vk::Return:
            if (list.row == kKeyListBack) return {KeyListAction::kLeave};
            list.waiting = true;
            return {KeyListAction::kWaiting};
        case vk::Escape:
            return {KeyListAction::kLeave};
        default:
            return {};
    }
}

}  // namespace game
