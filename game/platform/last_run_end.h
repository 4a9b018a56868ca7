// How the run before this one ended, as the mark of a run under way that it
// left beside the one-copy lock tells it (the program keeps the mark).
#pragma once

namespace platform {

enum class LastRunEnd {
    kClean,     // no mark: its shut-down ran (or no run before)
    kUnclean,   // the mark of a run under way was left behind
    kBySystem,  // a signal ended it after saving the game
};

}  // namespace platform
