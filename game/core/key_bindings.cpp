#include "game/core/key_bindings.h"

namespace game {
namespace {

KeyBindings& Active() {
    static KeyBindings bindings;
    return bindings;
}

}  // namespace

int16_t DefaultKeyOf(Command command) {
    return settings::KeyCommands()[static_cast<std::size_t>(command)].defaultKey;
}

std::string_view SettingNameOf(Command command) {
    return settings::KeyCommands()[static_cast<std::size_t>(command)].settingName;
}

KeyBindings::KeyBindings() : keys_(settings::DefaultKeys()) {}

std::optional<Command> KeyBindings::CommandOf(int16_t keyCode) const {
    for (Command command : kAllCommands)
        if (KeyOf(command) == keyCode) return command;
    return std::nullopt;
}

void KeyBindings::SettleSharedKeys() {
    settings::SettleSharedKeys(keys_);
}

StandardCodes KeyBindings::CodesOf(int16_t pressedKey) const {
    StandardCodes codes;
    if (auto command = CommandOf(pressedKey)) codes.Add(DefaultKeyOf(*command));
    if (!settings::IsStandardKey(pressedKey)) codes.Add(pressedKey);
    return codes;
}

const KeyBindings& ActiveKeyBindings() {
    return Active();
}

void SetActiveKeyBindings(const KeyBindings& bindings) {
    Active() = bindings;
}

}  // namespace game
