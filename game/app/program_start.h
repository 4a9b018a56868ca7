// The program's one start-up, for the player's own game (and a try-out) and
// for a watched recording alike: setup.ini and its language, what the run
// holds, the font, the view, the sound library, the windows and the rules'
// start-up behind the loading notice, then the run itself.  A signal that
// ends the program while the start-up takes events stops the start-up: the
// shut-down has run once, and the program ends with status 0.
#pragma once

#include <functional>
#include <optional>

#include "game/core/game_state.h"
#include "game/core/settings.h"
#include "game/desktop/app_paths.h"

namespace game {

class GameWindows;
class WindowSet;

// What one kind of run adds to the common start-up, in the order it is
// asked for.
class ProgramRun {
  public:
    virtual ~ProgramRun() = default;

    // Where the run's files and the program's data lie.
    virtual const platform::AppPaths& Paths() const = 0;
    // Before any window of the game, setup.ini read and its language in use:
    // what the run holds until the program ends (the one-copy lock, the
    // mark of a run under way).  A status ends the program at once.
    virtual std::optional<int> Hold() = 0;
    // Where the rules find the run's files.
    virtual FilePlaces Places() const { return Paths().Places(); }
    // The windows the rules talk to, and what lives as long as the windows.
    virtual GameWindows& Open(WindowSet& windows) = 0;
    // What the start-up runs in place of showing the menu (Main's beforeMenu).
    virtual std::function<bool()> BeforeMenu() { return {}; }
    // Once the start-up went through: the run until the windows are
    // unloaded; its exit status.
    virtual int Run(WindowSet& windows) = 0;
    // After the run, the rules no longer talking to the windows: what Open
    // made goes, before the windows.
    virtual void Close() {}
};

// The whole program for one run; its exit status.
int StartAndRun(ProgramRun& run);

}  // namespace game
