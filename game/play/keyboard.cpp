#include "game/play/keyboard.h"

#include <string>

#include "game/core/campaign_places.h"
#include "game/core/game_state.h"
#include "game/core/key_bindings.h"
#include "game/core/key_text.h"
#include "game/core/messages.h"
#include "game/core/music_director.h"
#include "game/core/play_observer.h"
#include "game/core/progression.h"
#include "game/core/run_statistics.h"
#include "game/core/windows.h"
#include "game/platform/clock.h"
#include "game/platform/keys.h"
#include "game/platform/rounding.h"
#include "game/play/fire_switch.h"
#include "game/play/game_flow.h"
#include "game/world/world_effects.h"

namespace game {
namespace {

namespace vk = platform::vk;

constexpr int16_t kKeyH = 'H', kKeyL = 'L', kKeyS = 'S';
constexpr int16_t kCtrlAlt = platform::kCtrlMask | platform::kAltMask;

void LayBomb() {
    BombArmed = true;
    BombTime = platform::TimeOfDay();
    BombX = platform::CInt(HeroX + 4.0f);
    BombY = platform::CInt(HeroY + 4.0f);
}

void TogglePause() {
    Paused = !Paused;
    // A pause ended before anything else was told leaves one line, so the
    // log keeps the fight's lines in view.
    if (Paused)
        AddLogLine(kPausedLine);
    else
        ReplaceOrAddLogLine(kPausedLine, kResumedLine);
    if (!GameSuspended) Music().Playing(LevelNumber, Paused);
}

// S on the passage's tile of its level takes the hero to the other level,
// as an exit would; a dead hero goes nowhere.  The passage is the built-in
// cave's: a pack's level 55 has no such way, and maybe no level 81.
void HiddenPassage() {
    if (HeroDead || !CurrentCampaign().BuiltIn() || LevelNumber != kPassageLevel) return;
    if (TileIndexOf(HeroX + 7.0f, HeroY + 7.0f) != kPassageTile) return;
    if (TravelToLevel(kPassageTargetLevel, kPassageTargetTile))
        CountSecret(kPassageLevel, kPassageTile);
}

}  // namespace

void Picture1_KeyDown(int16_t, int16_t keyCode, int16_t shift) {
    if (PlayerInputBlocked()) return;
    if (PlayObserver* observer = KeyObserver()) observer->KeyDown(keyCode, shift);
    switch (keyCode) {
        case vk::Up:
            KeyUpHeld = true;
            break;
        case vk::Down:
            KeyDownHeld = true;
            break;
        case vk::Left:
            KeyLeftHeld = true;
            break;
        case vk::Right:
            KeyRightHeld = true;
            break;
        case vk::Control:
            FireHeld = true;
            break;
        case vk::Space:
            // While a bomb is armed the key does nothing.
            if (!BombArmed) LayBomb();
            break;
        case vk::Escape:
            LeaveForMenu();
            break;
        case vk::Pause:
            TogglePause();
            break;
        case vk::F5:
            // StoreLevel, the pair quick.lev and quick.pos written as one
            // and the log line; refused for a dead hero, whose levels are gone.
            QuickSave();
            break;
        case vk::F1:
            // The help, modally: no frame runs until it is closed.
            Windows().ShowHelp();
            break;
        case vk::F7:
            // The log emptied, UnpackLevels("quick.lev"),
            // LoadPosition("quick.pos") and the log line; the pause ends.
            QuickLoad();
            break;
        case kKeyL:
            if (CheatMode) AddLogLine(CountedText(kMapLinePattern, LevelNumber));
            break;
        case kKeyH:
            if (shift == kCtrlAlt && CheatMode) {
                CountCheat();
                Lives = MaxLives;
                UpdateStatus();
            }
            break;
        case kKeyS:
            HiddenPassage();
            break;
        default:
            break;
    }
}

void Picture1_KeyUp(int16_t, int16_t keyCode, int16_t shift) {
    if (PlayerInputBlocked()) return;
    if (PlayObserver* observer = KeyObserver()) observer->KeyUp(keyCode, shift);
    // Releasing a direction key is when a changed speed takes effect on
    // that axis.
    switch (keyCode) {
        case vk::Up:
            KeyUpHeld = false;
            HeroStepY = HeroSpeed;
            break;
        case vk::Down:
            KeyDownHeld = false;
            HeroStepY = HeroSpeed;
            break;
        case vk::Left:
            KeyLeftHeld = false;
            HeroStepX = HeroSpeed;
            break;
        case vk::Right:
            KeyRightHeld = false;
            HeroStepX = HeroSpeed;
            break;
        case vk::Control:
            FireHeld = false;
            break;
        default:
            break;
    }
}

void KeyboardKeyDown(int16_t keyCode, int16_t shift, bool autoRepeat) {
    KeyboardKeyUsed();
    for (int16_t code : ActiveKeyBindings().CodesOf(keyCode))
        PlayKeyDown(code, shift, autoRepeat);
}

void KeyboardKeyUp(int16_t keyCode, int16_t shift) {
    for (int16_t code : ActiveKeyBindings().CodesOf(keyCode))
        PlayKeyUp(code, shift);
}

void PlayKeyDown(int16_t keyCode, int16_t shift, bool autoRepeat) {
    if (autoRepeat && !RepeatsWhileHeld(keyCode)) return;
    if (FireSwitchKeyDown(keyCode, shift, autoRepeat)) return;
    Picture1_KeyDown(0, keyCode, shift);
}

void PlayKeyUp(int16_t keyCode, int16_t shift) {
    if (FireSwitchKeyUp(keyCode)) return;
    Picture1_KeyUp(0, keyCode, shift);
}

void ReleaseHeldKeys() {
    if (PlayerInputBlocked()) return;
    const struct {
        bool held;
        int16_t keyCode;
    } keys[] = {{KeyUpHeld, vk::Up},
                {KeyDownHeld, vk::Down},
                {KeyLeftHeld, vk::Left},
                {KeyRightHeld, vk::Right},
                {FireHeld, vk::Control}};
    for (const auto& key : keys)
        if (key.held) Picture1_KeyUp(0, key.keyCode, 0);
}

void PauseForLostKeyboard() {
    if (PlayerInputBlocked()) return;
    // Told as one event: the releases inside it are not told apart.
    if (PlayObserver* observer = KeyObserver()) observer->LostKeyboard();
    UntoldKeys untold;
    ReleaseHeldKeys();
    if (Paused) return;
    Paused = true;
    AddLogLine(kPausedLine);
    if (!GameSuspended) Music().Playing(LevelNumber, Paused);
}

bool RepeatsWhileHeld(int16_t keyCode) {
    switch (keyCode) {
        case vk::Up:
        case vk::Down:
        case vk::Left:
        case vk::Right:
        case vk::Control:
        case vk::Space:
            return true;
        default:
            return false;
    }
}

}  // namespace game
