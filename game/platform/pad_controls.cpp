#include "game/platform/pad_controls.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

constexpr double kAxisFull = 32767.0;
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

double StickDistance(int x, int y) {
    return std::hypot(x / kAxisFull, y / kAxisFull);
}

// The ways the stick points, given which of them were held until now (a
// direction held by the D-pad alone does not count as the stick's): it
// must go `takes` from its centre to point somewhere, and come back nearer
// than `letsGo` to point nowhere again (fractions of full travel).
StickWays StickPoints(int x, int y, const StickWays& before, double takes, double letsGo) {
    const double dx = x / kAxisFull, dy = y / kAxisFull;
    const double distance = StickDistance(x, y);
    const bool wasPointing = before.up || before.down || before.left || before.right;
    if (distance < (wasPointing ? letsGo : takes)) return {};
    auto way = [&](double share, bool held) { return share > (held ? kSlantLetsGo : kSlantTakes); };
    StickWays ways;
    ways.right = way(dx / distance, before.right);
    ways.left = way(-dx / distance, before.left);
    ways.down = way(dy / distance, before.down);
    ways.up = way(-dy / distance, before.up);
    return ways;
}

}  // namespace

void PadControls::SetDeadZone(int percent) {
    stickTakes_ = percent / 100.0;
    // A small zone would let go at the centre itself, or never: half of it
    // is the least.
    stickLetsGo_ = std::max(percent - kLetGoBelowHold, 0) / 100.0;
    stickLetsGo_ = std::max(stickLetsGo_, stickTakes_ / 2);
}

bool PadControls::InUse(const PadReading& r) const {
    return r.dpadUp || r.dpadDown || r.dpadLeft || r.dpadRight || r.a || r.b || r.x || r.y ||
           r.start || r.back || r.leftShoulder || r.rightShoulder || r.leftStickPress ||
           r.rightTrigger >= kTriggerTakes || StickDistance(r.stickX, r.stickY) >= stickTakes_;
}

std::vector<PadControlChange> PadControls::Follow(const PadReading& r) {
    const StickWays stick = StickPoints(
        r.stickX, r.stickY, {stickHeld_[0], stickHeld_[1], stickHeld_[2], stickHeld_[3]},
        stickTakes_, stickLetsGo_);
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
    now[Index(PadControl::LeftStickPress)] = r.leftStickPress;
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
