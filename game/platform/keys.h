// Keyboard events as the game's handlers see them: a virtual-key code
// (Up 38, Down 40, Left 37, Right 39, Ctrl 17, Space 32, Esc 27, Pause 19,
// F5 116, F7 118, Enter 13, letters by their capital's code) and a shift
// state (1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <cstdint>

namespace platform {

inline constexpr int16_t kShiftMask = 1;
inline constexpr int16_t kCtrlMask = 2;
inline constexpr int16_t kAltMask = 4;

namespace vk {
inline constexpr int16_t Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18,
                         Pause = 19, Escape = 27, Space = 32, Prior = 33, Next = 34, End = 35,
                         Home = 36, Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45,
                         Delete = 46, Apps = 93, F1 = 112, F2 = 113, F5 = 116, F7 = 118;
}  // namespace vk

struct VirtualKey {
    int16_t keyCode = 0;
    int16_t shift = 0;
};

}  // namespace platform
