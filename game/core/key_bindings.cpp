#include "game/core/key_bindings.h"

#include <algorithm>

#include "game/platform/keys.h"

namespace game {
namespace {

namespace vk = platform::vk;

struct CommandInfo {
    std::string_view settingName;
    int16_t defaultKey;
};

// In the order of the Command enumeration.
constexpr std::array<CommandInfo, kCommandCount> kCommands = {{
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

constexpr int16_t kF11 = vk::F1 + 10;
constexpr int16_t kF24 = vk::F1 + 23;

// Keys with a name of their own, as Qt's portable key text spells them.
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

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Upper(x) == Upper(y); });
}

KeyBindings& Active() {
    static KeyBindings bindings;
    return bindings;
}

}  // namespace

int16_t DefaultKeyOf(Command command) {
    return kCommands[static_cast<std::size_t>(command)].defaultKey;
}

std::string_view SettingNameOf(Command command) {
    return kCommands[static_cast<std::size_t>(command)].settingName;
}

std::optional<int16_t> KeyCodeOfName(std::string_view name) {
    if (name.size() == 1) {
        const char c = Upper(name[0]);
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<int16_t>(c);
    }
    if (name.size() >= 2 && name.size() <= 3 && Upper(name[0]) == 'F' && name[1] != '0') {
        int number = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            number = number * 10 + (c - '0');
        }
        if (number >= 1 && number <= 24) return static_cast<int16_t>(vk::F1 + number - 1);
        return std::nullopt;
    }
    for (const NamedKey& key : kNamedKeys)
        if (SameName(name, key.name)) return key.code;
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

KeyBindings::KeyBindings() {
    for (Command command : kAllCommands)
        Set(command, DefaultKeyOf(command));
}

std::optional<Command> KeyBindings::CommandOf(int16_t keyCode) const {
    for (Command command : kAllCommands)
        if (KeyOf(command) == keyCode) return command;
    return std::nullopt;
}

void KeyBindings::SettleSharedKeys() {
    // Each round puts at least one command back on its standard key, and
    // the standard keys are all different: this ends.
    for (bool shared = true; shared;) {
        std::array<bool, kCommandCount> reset{};
        shared = false;
        for (std::size_t i = 0; i < kCommandCount; ++i)
            for (std::size_t j = i + 1; j < kCommandCount; ++j)
                if (keys_[i] == keys_[j]) reset[i] = reset[j] = shared = true;
        for (std::size_t i = 0; i < kCommandCount; ++i)
            if (reset[i]) keys_[i] = kCommands[i].defaultKey;
    }
}

StandardCodes KeyBindings::CodesOf(int16_t pressedKey) const {
    StandardCodes codes;
    if (auto command = CommandOf(pressedKey)) codes.Add(DefaultKeyOf(*command));
    const bool isStandardCode =
        std::any_of(kCommands.begin(), kCommands.end(),
                    [&](const CommandInfo& info) { return info.defaultKey == pressedKey; });
    if (!isStandardCode) codes.Add(pressedKey);
    return codes;
}

const KeyBindings& ActiveKeyBindings() {
    return Active();
}

void SetActiveKeyBindings(const KeyBindings& bindings) {
    Active() = bindings;
}

}  // namespace game
