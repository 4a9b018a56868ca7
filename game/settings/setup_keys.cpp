#include "game/settings/setup_keys.h"

#include <algorithm>

#include "game/platform/keys.h"
#include "game/platform/shown_text.h"

namespace settings {
namespace {

namespace vk = platform::vk;

constexpr std::array<CommandKey, kCommandCount> kCommandKeys = {{
    {"Nahoru", vk::Up},
    {"Dolu", vk::Down},
    {"Vlevo", vk::Left},
    {"Vpravo", vk::Right},
    {"Strelba", vk::Control},
    {"Bomba", vk::Space},
    {"Pauza", vk::Pause},
    {"Menu", vk::Escape},
    {"Ulozit", vk::F5},
    {"Nahrat", vk::F7},
}};

// In the order of kCommandKeys.
constexpr std::array<std::string_view, kCommandCount> kCommandCaptions = {
    SHOWN_TEXT("Help", "Nahoru"),         SHOWN_TEXT("Help", "Dolů"),
    SHOWN_TEXT("Help", "Vlevo"),          SHOWN_TEXT("Help", "Vpravo"),
    SHOWN_TEXT("Help", "Střelba"),        SHOWN_TEXT("Help", "Bomba"),
    SHOWN_TEXT("Help", "Pauza"),          SHOWN_TEXT("Help", "Menu"),
    SHOWN_TEXT("Help", "Rychlé uložení"), SHOWN_TEXT("Help", "Rychlé nahrání"),
};

constexpr int16_t kF11 = vk::F1 + 10;
constexpr int16_t kF24 = vk::F1 + 23;

// Keys with a name of their own, as the portable key text spells them.
// Letters, digits and F1 to F24 are spelled as they stand.
struct NamedKey {
    std::string_view name;
    int16_t code;
};
constexpr NamedKey kNamedKeys[] = {
    {"Up", vk::Up},
    {"Down", vk::Down},
    {"Left", vk::Left},
    {"Right", vk::Right},
    {"Control", vk::Control},
    {"Shift", vk::Shift},
    {"Alt", vk::Menu},
    {"Space", vk::Space},
    {"Esc", vk::Escape},
    {"Pause", vk::Pause},
    {"Return", vk::Return},
    // The keypad's Enter: the game sees it as Return.
    {"Enter", vk::Return},
    {"Backspace", vk::Back},
    {"Tab", vk::Tab},
    {"PgUp", vk::Prior},
    {"PgDown", vk::Next},
    {"Home", vk::Home},
    {"End", vk::End},
    {"Ins", vk::Insert},
    {"Del", vk::Delete},
};

char UpperKeyChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameKeyName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return UpperKeyChar(x) == UpperKeyChar(y); });
}

}  // namespace

const std::array<CommandKey, kCommandCount>& KeyCommands() {
    return kCommandKeys;
}

std::string_view CommandCaption(std::size_t command) {
    return command < kCommandCount ? kCommandCaptions[command] : std::string_view{};
}

KeyCodes DefaultKeys() {
    KeyCodes keys{};
    for (std::size_t i = 0; i < kCommandCount; ++i)
        keys[i] = kCommandKeys[i].defaultKey;
    return keys;
}

bool IsStandardKey(int16_t keyCode) {
    return std::any_of(kCommandKeys.begin(), kCommandKeys.end(),
                       [&](const CommandKey& command) { return command.defaultKey == keyCode; });
}

std::optional<int16_t> KeyCodeOfName(std::string_view name) {
    if (name.size() == 1) {
        const char c = UpperKeyChar(name[0]);
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<int16_t>(c);
    }
    if (name.size() >= 2 && name.size() <= 3 && UpperKeyChar(name[0]) == 'F' && name[1] != '0') {
        int number = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            number = number * 10 + (c - '0');
        }
        if (number >= 1 && number <= 24) return static_cast<int16_t>(vk::F1 + number - 1);
        return std::nullopt;
    }
    for (const NamedKey& key : kNamedKeys)
        if (SameKeyName(name, key.name)) return key.code;
    return std::nullopt;
}

std::string PortableNameOf(int16_t keyCode) {
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9'))
        return std::string(1, static_cast<char>(keyCode));
    if (keyCode >= vk::F1 && keyCode <= kF24) return "F" + std::to_string(keyCode - vk::F1 + 1);
    for (const NamedKey& key : kNamedKeys)
        if (key.code == keyCode) return std::string(key.name);
    return {};
}

bool IsReservedKey(int16_t keyCode) {
    return keyCode == vk::F1 || keyCode == kF11;
}

bool CanBeChosen(int16_t keyCode) {
    return !IsReservedKey(keyCode) && !PortableNameOf(keyCode).empty();
}

std::size_t OwnerOf(const KeyCodes& keys, std::size_t command, int16_t keyCode) {
    for (std::size_t other = 0; other < kCommandCount; ++other)
        if (other != command && keys[other] == keyCode) return other;
    return kCommandCount;
}

KeyRefusal RefusalOf(const KeyCodes& keys, std::size_t command, int16_t keyCode, bool withAlt) {
    if (keyCode == vk::F1) return KeyRefusal::Help;
    if (keyCode == kF11 || (keyCode == vk::Return && withAlt)) return KeyRefusal::Screen;
    if (!CanBeChosen(keyCode)) return KeyRefusal::Unknown;
    if (OwnerOf(keys, command, keyCode) != kCommandCount) return KeyRefusal::Taken;
    return KeyRefusal::None;
}

std::string_view RefusalPattern(KeyRefusal refusal) {
    switch (refusal) {
        case KeyRefusal::Help:
            return SHOWN_TEXT("Keys", "F1 nelze zvolit, ve hře otevírá nápovědu.");
        case KeyRefusal::Screen:
            return SHOWN_TEXT("Keys", "%1 nelze zvolit, přepíná celou obrazovku.");
        case KeyRefusal::Taken:
            return SHOWN_TEXT("Keys", "Klávesu %1 už má příkaz %2.");
        case KeyRefusal::Unknown:
            return SHOWN_TEXT("Keys", "Tuto klávesu hra nezná, zvolte jinou.");
        case KeyRefusal::None:
            break;
    }
    return {};
}

std::string FillRefusal(std::string_view pattern, KeyRefusal refusal, int16_t keyCode,
                        std::string_view keyCaption, std::string_view ownerCaption) {
    // The full-screen switches are named as the player presses them.
    const std::string_view key = refusal != KeyRefusal::Screen ? keyCaption
                                 : keyCode == kF11             ? "F11"
                                                               : "Alt+Enter";
    std::string note(pattern);
    if (const std::size_t at = note.find("%1"); at != std::string::npos) note.replace(at, 2, key);
    if (const std::size_t at = note.find("%2"); at != std::string::npos)
        note.replace(at, 2, ownerCaption);
    return note;
}

std::string RefusalNote(KeyRefusal refusal, int16_t keyCode, std::string_view keyCaption,
                        std::string_view ownerCaption) {
    return FillRefusal(RefusalPattern(refusal), refusal, keyCode, keyCaption, ownerCaption);
}

void SettleSharedKeys(KeyCodes& keys) {
    // Each round puts at least one command back on its standard key, and
    // the standard keys are all different: this ends.
    for (bool shared = true; shared;) {
        std::array<bool, kCommandCount> reset{};
        shared = false;
        for (std::size_t i = 0; i < kCommandCount; ++i)
            for (std::size_t j = i + 1; j < kCommandCount; ++j)
                if (keys[i] == keys[j]) reset[i] = reset[j] = shared = true;
        for (std::size_t i = 0; i < kCommandCount; ++i)
            if (reset[i]) keys[i] = kCommandKeys[i].defaultKey;
    }
}

}  // namespace settings
