#include "game/play/fire_switch.h"

#include "game/core/access_settings.h"
#include "game/core/game_state.h"
#include "game/platform/keys.h"
#include "game/play/keyboard.h"

namespace game {
namespace {

namespace vk = platform::vk;

int32_t levelLastSeen = -1;

void StopFiring() {
    if (FireHeld) Picture1_KeyUp(0, vk::Control, 0);
}

// The keys that stop time or leave play: fire stops before they act.
bool LeavesPlay(int16_t keyCode) {
    return keyCode == vk::Pause || keyCode == vk::Escape || keyCode == vk::F1;
}

}  // namespace

bool FireSwitchKeyDown(int16_t keyCode, int16_t shift, bool autoRepeat) {
    if (!Access.fireToggles) return false;
    if (LeavesPlay(keyCode)) {
        StopFiring();
        return false;
    }
    if (keyCode != vk::Control) return false;
    // A held key's repeats would switch it over and over.
    if (autoRepeat) return true;
    if (FireHeld)
        Picture1_KeyUp(0, vk::Control, shift);
    else
        Picture1_KeyDown(0, vk::Control, shift);
    return true;
}

bool FireSwitchKeyUp(int16_t keyCode) {
    return Access.fireToggles && keyCode == vk::Control;
}

void StopSwitchedFireOnNewLevel() {
    const bool newLevel = LevelNumber != levelLastSeen;
    levelLastSeen = LevelNumber;
    if (newLevel && Access.fireToggles) StopFiring();
}

}  // namespace game
