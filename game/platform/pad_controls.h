// A game pad's buttons and sticks read as the few controls the game knows:
// four directions (the D-pad and the left stick together), the face
// buttons, Start, Back, the shoulders and the right trigger.  Plain C++, so
// that the rules of the stick can be tried without a pad.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace platform {

enum class PadControl : uint8_t {
    Up,
    Down,
    Left,
    Right,
    A,
    B,
    X,
    Y,
    Start,
    Back,
    LeftShoulder,
    RightShoulder,
    RightTrigger,
    LeftStickPress,  // the left stick pushed in, as a button
};
inline constexpr int kPadControlCount = 14;

// The state of a pad as its driver reports it.  Axes run from -32768 to
// 32767 (the stick's y grows downwards), the trigger from 0 to 32767.
struct PadReading {
    bool dpadUp = false, dpadDown = false, dpadLeft = false, dpadRight = false;
    bool a = false, b = false, x = false, y = false;
    bool start = false, back = false;
    bool leftShoulder = false, rightShoulder = false;
    bool leftStickPress = false;
    int stickX = 0, stickY = 0;
    int rightTrigger = 0;
};

struct PadControlChange {
    PadControl control;
    bool pressed;
    bool operator==(const PadControlChange&) const = default;
};

// Follows the readings of one pad and tells which controls went down or up.
// The stick has a dead zone round its centre and points in eight ways: a
// slant between two directions holds both, like two arrow keys.  Both the
// stick and the trigger let go a little later than they take hold, so that
// a hand resting near a border does not flicker.
class PadControls {
  public:
    // The stick takes hold this far from its centre, in percent of its
    // travel, and lets go 10 points nearer, or at half the zone when that is
    // farther out (the MrtvaZona setting: 35 and 25 unless the player chose
    // otherwise).
    static constexpr int kDeadZoneDefault = 35;
    static constexpr int kLetGoBelowHold = 10;
    void SetDeadZone(int percent);

    // The changes since the last reading, releases before presses.
    std::vector<PadControlChange> Follow(const PadReading& reading);
    // Every held control let go (the pad is gone).
    std::vector<PadControlChange> ReleaseAll();

    bool Held(PadControl control) const { return held_[static_cast<int>(control)]; }
    // Whether a reading shows the player's hand on the pad: a button down,
    // the stick out of its dead zone or the trigger pulled.
    bool InUse(const PadReading& reading) const;

  private:
    double stickTakes_ = kDeadZoneDefault / 100.0;
    double stickLetsGo_ = (kDeadZoneDefault - kLetGoBelowHold) / 100.0;
    std::array<bool, kPadControlCount> held_{};
    // The ways the stick alone points (up, down, left, right).
    std::array<bool, 4> stickHeld_{};
};

}  // namespace platform
