// Fire switched by its key instead of held (the StrelbaPrepinac setting).
// With the setting on, a press of the fire key starts firing and the next
// press stops it; its releases and its repeats do nothing.  Switched-on fire
// also stops at a pause, the menu, the help and a level change (a message
// screen and the hero's death stop it in the rules, as they stop held fire).
//
// The switch reaches the rules only as presses and releases of the fire key
// (Picture1_KeyDown and Picture1_KeyUp), given between two frames: a
// recording holds them as it holds any key and plays back the same without
// knowing the setting.
#pragma once

#include <cstdint>

namespace game {

// A key of play from the player, as its standard code, before it reaches
// the keyboard routines: true when the switch has dealt with it.
bool FireSwitchKeyDown(int16_t keyCode, int16_t shift, bool autoRepeat);
bool FireSwitchKeyUp(int16_t keyCode);

// Between two frames: switched-on fire stops when the hero stands on
// another level than at the last look.
void StopSwitchedFireOnNewLevel();

}  // namespace game
