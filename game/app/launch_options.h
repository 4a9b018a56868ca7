// The game's command line:
//
//   karvelun                          the game
//   karvelun --replay FILE [--speed N] watch a recording (N: 1, 2, 8, or 0
//                                     for as fast as possible)
//   karvelun --level FILE [--tile N]  a new game straight on one level (a
//                                     text source, Tiled map or level
//                                     file), for level designers
//   karvelun --help, --version        the usage or the version, printed
//                                     without a display
//
// An unknown option, a bad value or both --replay and --level is told on the
// error output in the terminal's language, with the usage, and the program
// ends with status 2.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace platform {

struct LaunchOptions {
    // --help or --version: printed, and nothing else done.
    bool help = false;
    bool version = false;
    // The recording to watch; empty for a game.
    std::string replayFile;
    int replaySpeed = 1;
    // The level to try; empty for a game.
    std::string levelFile;
    // The tile the hero starts on there, when chosen.
    std::optional<int> startTile;
};

// Parses the arguments (the program's name first); on a mistake nothing,
// with the message in *error.
std::optional<LaunchOptions> ParseLaunchOptions(const QStringList& arguments, QString* error);

}  // namespace platform
