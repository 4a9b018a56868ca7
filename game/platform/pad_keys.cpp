#include "game/platform/pad_keys.h"

#include <algorithm>

#include "game/platform/keys.h"

namespace platform {

int16_t PadKeyOf(PadControl control, PadLayout layout) {
    switch (control) {
        case PadControl::Up:
            return vk::Up;
        case PadControl::Down:
            return vk::Down;
        case PadControl::Left:
            return vk::Left;
        case PadControl::Right:
            return vk::Right;
        case PadControl::Y:
            return vk::F1;
        default:
            break;
    }
    if (layout == PadLayout::Navigation) {
        switch (control) {
            case PadControl::A:
                return vk::Return;
            case PadControl::B:
                return vk::Escape;
            case PadControl::X:
                // Only the save dialog takes it: it opens the letter grid.
                return vk::Apps;
            default:
                return 0;
        }
    }
    switch (control) {
        case PadControl::A:
        case PadControl::RightTrigger:
            return vk::Control;
        case PadControl::B:
        case PadControl::X:
            return vk::Space;
        case PadControl::Start:
            return vk::Pause;
        case PadControl::Back:
            return vk::Escape;
        case PadControl::LeftShoulder:
            return vk::F5;
        case PadControl::RightShoulder:
            return vk::F7;
        case PadControl::LeftStickPress:
            // The hero's lives, gold and floor read aloud.
            return vk::F2;
        default:
            return 0;
    }
}

PadKeys::HeldKey* PadKeys::Find(int16_t keyCode) {
    auto found = std::find_if(held_.begin(), held_.end(),
                              [keyCode](const HeldKey& key) { return key.keyCode == keyCode; });
    return found == held_.end() ? nullptr : &*found;
}

std::vector<PadKeyEvent> PadKeys::Press(PadControl control, PadLayout layout, int64_t nowMs) {
    int16_t& keyCode = keyOfControl_[static_cast<int>(control)];
    if (keyCode != 0) return {};  // already down
    keyCode = PadKeyOf(control, layout);
    if (keyCode == 0) return {};
    if (HeldKey* key = Find(keyCode)) {
        ++key->holders;
        return {};
    }
    held_.push_back({keyCode, 1, nowMs + kRepeatDelayMs});
    return {{keyCode, true, false}};
}

std::vector<PadKeyEvent> PadKeys::Release(PadControl control) {
    int16_t& keyCode = keyOfControl_[static_cast<int>(control)];
    const int16_t released = keyCode;
    keyCode = 0;
    HeldKey* key = released ? Find(released) : nullptr;
    if (!key || --key->holders > 0) return {};
    held_.erase(held_.begin() + (key - held_.data()));
    return {{released, false, false}};
}

std::vector<PadKeyEvent> PadKeys::Repeats(int64_t nowMs) {
    std::vector<PadKeyEvent> repeats;
    for (HeldKey& key : held_) {
        if (nowMs < key.nextRepeatMs) continue;
        repeats.push_back({key.keyCode, true, true});
        key.nextRepeatMs = nowMs + kRepeatIntervalMs;
    }
    return repeats;
}

}  // namespace platform
