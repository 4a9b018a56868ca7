// The game's sound cues as the sound library plays them: the frame loop,
// the menu and the dialogs all go through here.
#pragma once

#include <cstdint>

namespace game {

// Plays a cue while sound is on: load the file into a slot, then set volume,
// speed and balance.  A sound failure never stops the game.  With adjust
// false only the load is made (the levels' "new.wav" after the hero's death).
void PlayCue(int16_t slot, float speed = 1.0f, bool adjust = true);

// Lets the sound library take back the slots of finished sounds (every
// frame, and on the menu's and the dialogs' timers).
void FreeFinishedSounds();

}  // namespace game
