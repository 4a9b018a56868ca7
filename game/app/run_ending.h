// How the run before ended and how this one ends: the game's own run marks
// itself as under way (run_marker.h), asks before the menu whether to go on
// after a run that did not end in order, and on an ending signal saves a
// game under way before it closes as "Exit" does.  A try-out keeps no mark
// and asks nothing.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "game/app/run_marker.h"

namespace game {

class WindowSet;

class RunEnding {
  public:
    // marked: the game's own run, whose mark lies in the working-level
    // folder beside the one-copy lock (taken already).
    RunEnding(const std::string& workingLevelsFolder, bool marked);
    // The run ended by its shut-down: the mark goes, unless a signal kept it.
    ~RunEnding();
    RunEnding(const RunEnding&) = delete;
    RunEnding& operator=(const RunEnding&) = delete;

    // What the start-up does before the menu: the question after a run that
    // did not end in order; true when the player went on into a game.  Empty
    // for an unmarked run.
    std::function<bool()> BeforeMenu();
    bool WentOn() const { return wentOn_; }

    // An ending signal came (between events): a game under way is autosaved
    // first -- one that a failed load broke is not, and the next start then
    // offers its last autosave -- then the windows close as "Exit" closes
    // them.
    void EndBySignal(WindowSet& windows);

  private:
    std::optional<platform::RunMarker> marker_;
    platform::LastRunEnd lastEnd_ = platform::LastRunEnd::kClean;
    bool asking_ = false;
    bool wentOn_ = false;
};

}  // namespace game
