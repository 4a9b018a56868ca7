// What a window tells the game pad's delivery about itself: whether it wants
// the pad's keys as commands of play, where a navigation key goes, and the
// way back that the pad's B takes.  Windows that say nothing get the pad's
// keys as key presses on the widget that has the keyboard.
#pragma once

#include <cstdint>

#include "game/platform/pad_keys.h"

class QWidget;

namespace game {

class PadNavigation {
  public:
    virtual ~PadNavigation() = default;

    // How the pad's buttons are read while this window has the keyboard.
    virtual platform::PadLayout PadLayoutWanted() const { return platform::PadLayout::Navigation; }
    // A pad key pressed or released while this window has the keyboard;
    // true when the window took it itself (as the game window takes the
    // commands of play).
    virtual bool TakePadKey(int16_t /*keyCode*/, bool /*pressed*/, bool /*autoRepeat*/) {
        return false;
    }
    // The widget a key that the window did not take goes to: the one that
    // has the keyboard, unless the window moves the keyboard first.
    virtual QWidget& PadKeyTarget(int16_t /*keyCode*/, QWidget& focus) { return focus; }
    // B: true when the window has a way back, which GoBack then takes (only
    // when it is open now, as the menu's "Zpět").
    virtual bool HasWayBack() const { return false; }
    virtual void GoBack() {}
};

}  // namespace game
