// Where karvelun-levels finds the game's data when a command is not told:
// by the game's own layout rule for the folder the tool runs from, that is
// data/ beside it in the dist folder and <prefix>/share/karvelun when it is
// installed in <prefix>/bin.
#pragma once

#include "game/desktop/app_paths.h"

namespace levels_tool {

platform::AppPaths PathsOfThisTool();

}  // namespace levels_tool
