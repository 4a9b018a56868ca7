// A game controller that exists only in SDL (no hardware), and the game's
// pad layer reading it.  The pad layer is made first, as the game makes it;
// the virtual pad is then plugged in.
#pragma once

#include <SDL.h>

#include <string>

namespace gamepad_testing {

class VirtualPad {
  public:
    VirtualPad() = default;
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    // Plugs a pad with every button and axis of the standard layout (SDL
    // maps it by itself); false, with SDL's reason, when SDL cannot.
    bool Plug(std::string* why);
    // Plugs a plain joystick of `buttons` buttons and two axes that only a
    // mapping from elsewhere makes a game controller.
    bool PlugJoystick(int buttons, std::string* why);
    // The joystick's identity as SDL's mapping strings name it.
    std::string Guid() const;
    void Unplug();
    bool Plugged() const { return joystick_ != nullptr; }

    void Button(int button, bool down);
    void Axis(int axis, int value);
    // The right trigger pulled all the way or let go.  The joystick's axis
    // runs over its whole range as the trigger goes from rest to full.
    void Trigger(bool pulled) { Axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, pulled ? 32767 : -32768); }
    void Stick(int x, int y) {
        Axis(SDL_CONTROLLER_AXIS_LEFTX, x);
        Axis(SDL_CONTROLLER_AXIS_LEFTY, y);
    }

  private:
    bool Attach(const SDL_VirtualJoystickDesc& desc, std::string* why);

    SDL_Joystick* joystick_ = nullptr;
};

}  // namespace gamepad_testing
