// The pad's controls as keys of the keyboard, with the game's default key
// codes: during play the commands (arrows, Ctrl, Space, Pause, Esc, F5, F7,
// F1), in the menu and the dialogs the keys that move through them (arrows,
// Enter, Esc for going back, F1, and X's Apps key for the save dialog's
// letter grid).  Held keys repeat as the keyboard's do.
// Plain C++.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/platform/pad_controls.h"

namespace platform {

enum class PadLayout {
    Play,        // the game window has the keyboard
    Navigation,  // the menu, a dialog, a notice or a message box has it
};

// The key a control stands for in a layout; 0 for none.
int16_t PadKeyOf(PadControl control, PadLayout layout);

struct PadKeyEvent {
    int16_t keyCode;
    bool pressed;
    bool autoRepeat;
    bool operator==(const PadKeyEvent&) const = default;
};

// Turns controls going down and up into key presses and releases.  Two
// controls on one key (A and the trigger both fire) hold it together: it is
// pressed by the first and released by the last.  A control keeps the key
// it pressed until it is let go, whichever window has the keyboard by then.
class PadKeys {
  public:
    // How long a key is held before it repeats, and how often it does then.
    static constexpr int64_t kRepeatDelayMs = 500;
    static constexpr int64_t kRepeatIntervalMs = 33;

    std::vector<PadKeyEvent> Press(PadControl control, PadLayout layout, int64_t nowMs);
    std::vector<PadKeyEvent> Release(PadControl control);
    // The repeats due by now: one per held key at most, however late.
    std::vector<PadKeyEvent> Repeats(int64_t nowMs);

    bool AnyHeld() const { return !held_.empty(); }

  private:
    struct HeldKey {
        int16_t keyCode;
        int holders;
        int64_t nextRepeatMs;
    };
    HeldKey* Find(int16_t keyCode);

    std::array<int16_t, kPadControlCount> keyOfControl_{};
    std::vector<HeldKey> held_;
};

}  // namespace platform
