// The sounds of the main menu and the dialogs.
#pragma once

#include "game/core/game_state.h"
#include "game/core/sound_cues.h"

namespace game {

// The click of a menu item or a dialog button, while sound is on.  It plays
// at normal speed, like the game's other cues.
inline void PlayClick() {
    PlayCue(kCueClick, 1.0f);
}

// The menu's and the dialogs' timers free the slots of finished sounds with
// FreeFinishedSounds (sound_cues.h), as the frame loop does.

}  // namespace game
