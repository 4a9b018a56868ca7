#include "game/platform/pad_controls.h"

#include <cmath>

namespace platform {
namespace {

constexpr double kAxisFull = 32767.0;
// How far from its centre the stick must go to point somewhere, and how
// near it must come back to point nowhere again (fractions of full travel).
constexpr double kStickTakes = 0.35;
constexpr double kStickLetsGo = 0.25;
// A direction's share of the stick's slant: 0.383 (sin 22.5°) splits the
// circle into eight equal ways; a held direction stays a little beyond that.
constexpr double kSlantTakes = 0.43;
constexpr double kSlantLetsGo = 0.33;
// The right trigger fires once pulled half way.
constexpr int kTriggerTakes = 16384;
constexpr int kTriggerLetsGo = 12288;

int Index(PadControl control) {
    return static_cast<int>(control);
}

struct StickWays {
    bool up = false, down = false, left = false, right = false;
};

// The ways the stick points, given which of them were held until now (a
// direction held by the D-pad alone does not count as the stick's).
StickWays StickPoints(int x, int y, const StickWays& before) {
    const double dx = x / kAxisFull, dy = y / kAxisFull;
    const double distance = std::hypot(dx, dy);
    const bool wasPointing = before.up || before.down || before.left || before.right;
    if (distance < (wasPointing ? kStickLetsGo : kStickTakes)) return {};
    auto way = [&](double share, bool held) { return share > (held ? kSlantLetsGo : kSlantTakes); };
    StickWays ways;
    ways.right = way(dx / distance, before.right);
    ways.left = way(-dx / distance, before.left);
    ways.down = way(dy / distance, before.down);
    ways.up = way(-dy / distance, before.up);
    return ways;
}

}  // namespace

bool PadControls::InUse(const PadReading& r) {
    return r.dpadUp || r.dpadDown || r.dpadLeft || r.dpadRight || r.a || r.b || r.x || r.y ||
           r.start || r.back || r.leftShoulder || r.rightShoulder ||
           r.rightTrigger >= kTriggerTakes ||
           std::hypot(r.stickX / kAxisFull, r.stickY / kAxisFull) >= kStickTakes;
}

std::vector<PadControlChange> PadControls::Follow(const PadReading& r) {
    const StickWays stick = StickPoints(
        r.stickX, r.stickY, {stickHeld_[0], stickHeld_[1], stickHeld_[2], stickHeld_[3]});
    stickHeld_ = {stick.up, stick.down, stick.left, stick.right};

    std::array<bool, kPadControlCount> now{};
    now[Index(PadControl::Up)] = r.dpadUp || stick.up;
    now[Index(PadControl::Down)] = r.dpadDown || stick.down;
    now[Index(PadControl::Left)] = r.dpadLeft || stick.left;
    now[Index(PadControl::Right)] = r.dpadRight || stick.right;
    now[Index(PadControl::A)] = r.a;
    now[Index(PadControl::B)] = r.b;
    now[Index(PadControl::X)] = r.x;
    now[Index(PadControl::Y)] = r.y;
    now[Index(PadControl::Start)] = r.start;
    now[Index(PadControl::Back)] = r.back;
    now[Index(PadControl::LeftShoulder)] = r.leftShoulder;
    now[Index(PadControl::RightShoulder)] = r.rightShoulder;
    const bool triggerHeld = held_[Index(PadControl::RightTrigger)];
    now[Index(PadControl::RightTrigger)] =
        r.rightTrigger >= (triggerHeld ? kTriggerLetsGo : kTriggerTakes);

    std::vector<PadControlChange> changes;
    // Releases first: a stick swung from left to right lets go of Left
    // before it takes Right, as fingers on two arrow keys would.
    for (bool pressed : {false, true}) {
        for (int i = 0; i < kPadControlCount; ++i) {
            if (now[i] == held_[i] || now[i] != pressed) continue;
            changes.push_back({static_cast<PadControl>(i), pressed});
        }
    }
    held_ = now;
    return changes;
}

std::vector<PadControlChange> PadControls::ReleaseAll() {
    std::vector<PadControlChange> changes;
    for (int i = 0; i < kPadControlCount; ++i)
        if (held_[i]) changes.push_back({static_cast<PadControl>(i), false});
    held_ = {};
    stickHeld_ = {};
    return changes;
}

}  // namespace platform
