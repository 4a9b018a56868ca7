// Start-up and shut-down of the game program.
#pragma once

#include <functional>
#include <string>

#include "game/core/game_state.h"
#include "game/core/settings.h"

namespace game {

// The start-up, in its order: busy cursor, the places of the files (where
// the program's layout put them, app_paths.h), seeding, the loading notice,
// the sound library, setup.ini, the window backgrounds, the picture sheets,
// the tile grid, then the main menu.  False when the program cannot go on (a
// picture file missing or unreadable, a failed registration of the sound
// library); a message box has said why and the shut-down has run.  True,
// with ShutdownRequested set, when the shut-down ran while the loading
// notice took events (a signal ending the program): the start-up stops
// there, and nothing it would have opened or loaded after it is.
bool Main(const FilePlaces& places);
// The same with setup.ini already read (the program reads it once, before
// its first window, for the view).  `beforeMenu`, when given, runs last, in
// place of showing the menu: it returns true when it has shown something
// else (a game the player went on with) or the program is ending, false for
// the menu.
bool Main(const FilePlaces& places, const Settings& settings,
          const std::function<bool()>& beforeMenu = {});

// DllRegisterServer of the sound library; a missing library is ignored, a
// non-zero result shows "Chyba během načítání!" and closes the game window.
// False in that case.
bool RegisterSoundLibrary();

// Opens the sound device for the game window when sound is on.  A machine
// without a sound device plays silently: SoundOn then stays false and one
// line on stderr says why.
void StartSound();

// The sound switched on or off, or the music's volume changed (0 to 100),
// while the game runs.  Switched off, every sound stops and the music with
// it, the device stays open for switching on again; switched on, a device
// not yet open is opened as at start.
void ApplySound(bool soundOn, int musicVolume);

// DllUnregisterServer of a library that RegisterSoundLibrary registered; a
// non-zero result shows "Chyba při čištění paměti!".
void UnregisterSoundLibrary();

// The shut-down of the game window's unload, in its order.  Runs once; the
// frame loop and modal waits see ShutdownRequested and leave.
void ShutDown();

}  // namespace game
