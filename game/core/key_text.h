// The texts the player reads that name keys ("Drž {Strelba}.", the grammar
// in game/settings/key_names.h), filled with the keys of this run, or with
// the pad's buttons while the pad was the last thing the player used.
#pragma once

#include <string>
#include <string_view>

#include "game/settings/key_names.h"

namespace game {

// Whether the player last pressed a key of the keyboard or the pad; the
// keyboard until the pad is used.
settings::KeyDevice LastKeyDevice();

// A key of the keyboard, or a control of the pad, reached the game: from
// now on texts name the keyboard's keys, or the pad's buttons.
void KeyboardKeyUsed();
void PadKeyUsed();

// The text with its key placeholders filled for the active keys and the
// device last used.
std::string WithKeyNames(std::string_view text);

}  // namespace game
