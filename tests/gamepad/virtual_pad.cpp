#include "gamepad/virtual_pad.h"

namespace gamepad_testing {

VirtualPad::~VirtualPad() {
    Unplug();
}

bool VirtualPad::Attach(const SDL_VirtualJoystickDesc& desc, std::string* why) {
    const int deviceIndex = SDL_JoystickAttachVirtualEx(&desc);
    if (deviceIndex < 0) {
        *why = SDL_GetError();
        return false;
    }
    // The pad's values are set through a joystick handle of its own.
    joystick_ = SDL_JoystickOpen(deviceIndex);
    if (!joystick_) {
        *why = SDL_GetError();
        SDL_JoystickDetachVirtual(deviceIndex);
        return false;
    }
    return true;
}

bool VirtualPad::Plug(std::string* why) {
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
    desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
    desc.name = "Karvelun test pad";
    return Attach(desc, why);
}

bool VirtualPad::PlugJoystick(int buttons, std::string* why) {
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_UNKNOWN;
    desc.naxes = 2;
    desc.nbuttons = static_cast<Uint16>(buttons);
    desc.vendor_id = 0x1234;
    desc.product_id = 0x5678;
    desc.name = "Karvelun test joystick";
    return Attach(desc, why);
}

std::string VirtualPad::Guid() const {
    char text[64];
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick_), text, sizeof text);
    return text;
}

void VirtualPad::Unplug() {
    if (!joystick_) return;
    const SDL_JoystickID instance = SDL_JoystickInstanceID(joystick_);
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    // Other pads plugged or unplugged since may have moved its index.
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == instance) {
            SDL_JoystickDetachVirtual(i);
            break;
        }
    }
}

void VirtualPad::Button(int button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? SDL_PRESSED : SDL_RELEASED);
}

void VirtualPad::Axis(int axis, int value) {
    SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value));
}

}  // namespace gamepad_testing
