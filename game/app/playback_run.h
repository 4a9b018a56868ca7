// karvelun --replay FILE: a recording watched in the game window, in a
// temporary folder of its own (its own working levels, saves and lock), so
// it runs beside a game and writes nothing into the player's files.  It is
// not recorded itself.  At the end a notice says how the run ended; a file
// that is no recording, or one the game can no longer play, is refused
// with a message.
#pragma once

#include <string>

#include "game/app/launch_options.h"
#include "game/core/player_text.h"
#include "game/desktop/app_paths.h"
#include "game/replay/player.h"

namespace game {

// Runs the whole program for the recording; returns the exit status: 0
// when it played to its end, 2 when it was refused, damaged or diverged.
// The data and settings come from the program's layout; the run's working
// levels, saves and lock lie in a private folder of its own.
int RunPlayback(const platform::LaunchOptions& options, const platform::AppPaths& layout);

// The notice at the end of a watched recording.
PlayerText PlaybackEndText(const replay::Player& player);

}  // namespace game
