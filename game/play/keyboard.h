// The keyboard during play.  The play field's key events either set the held
// flags that the frame loop reads or carry out a command at once.  Key codes
// are virtual-key codes, the shift state a bit set (1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <cstdint>

#include "game/core/campaign_places.h"
#include "game/platform/shown_text.h"

namespace game {

inline constexpr const char* kPausedLine = SHOWN_TEXT("Rules", "Čas se zastavil...");
inline constexpr const char* kResumedLine = SHOWN_TEXT("Rules", "Čas běží dál...");
inline constexpr const char* kMapLinePattern = SHOWN_COUNTED_TEXT("Rules", "Aktuální mapa: %n");

// A key pressed on the play field (index: the element of the Picture1 array,
// not used).
void Picture1_KeyDown(int16_t index, int16_t keyCode, int16_t shift);
// A key released on the play field.
void Picture1_KeyUp(int16_t index, int16_t keyCode, int16_t shift);

// A key of the keyboard pressed or released during play, before the
// routines above: the chosen keys turn it into the standard codes they take
// (key_bindings.h).  An auto-repeated press goes on only for the codes whose
// action holding keeps going (RepeatsWhileHeld); a command such as Pause or
// a quick save must not repeat.  Releases that the window system repeats
// while a key is held are no releases and must not reach KeyboardKeyUp.
// A press makes the texts name the keyboard's keys (key_text.h); the pad's
// keys never come this way, the game window takes them itself.
void KeyboardKeyDown(int16_t keyCode, int16_t shift, bool autoRepeat);
void KeyboardKeyUp(int16_t keyCode, int16_t shift);

// A key of play from the player as its standard code: what a key of the
// keyboard becomes after the chosen keys, and what the pad presses.  A
// repeat goes on only for the codes RepeatsWhileHeld names, and the fire key
// goes through its switch when fire is switched (fire_switch.h).
void PlayKeyDown(int16_t keyCode, int16_t shift, bool autoRepeat);
void PlayKeyUp(int16_t keyCode, int16_t shift);

// The game window lost the keyboard: no key-up will reach it for the keys
// held now, so every held key is released as its key-up would release it.
void ReleaseHeldKeys();

// The game lost the keyboard to another program during play: time stops
// as the Pause key would stop it, and the held keys are released.  It never
// starts again by itself; the player resumes with Pause.  The log tells of it
// only when time was running until now.
void PauseForLostKeyboard();

// Keys whose auto-repeat keeps their action going (the held flags and the
// bomb); the repeats of other keys would repeat a command.
bool RepeatsWhileHeld(int16_t keyCode);

}  // namespace game
