#include "game/core/key_text.h"

#include "game/core/key_bindings.h"

namespace game {
namespace {

settings::KeyDevice lastDevice = settings::KeyDevice::Keyboard;

}  // namespace

settings::KeyDevice LastKeyDevice() {
    return lastDevice;
}

void KeyboardKeyUsed() {
    lastDevice = settings::KeyDevice::Keyboard;
}

void PadKeyUsed() {
    lastDevice = settings::KeyDevice::Pad;
}

std::string WithKeyNames(std::string_view text) {
    return settings::FillKeyNames(text, ActiveKeyBindings().Keys(), lastDevice);
}

}  // namespace game
