// What karvelun --help and --version print, in the terminal's language
// (game/core/terminal.h).  The usage's first line begins "Usage:"
// ("Použití:" in Czech).
#pragma once

#include <string>

namespace game {

std::string GameUsage();
// "karvelun 1.0.98".
std::string GameVersion();

}  // namespace game
