# Writes the header with the game's version and the number of lines of its
# source code (game/, sound/, setup/), for the menu's note on the project.
# The header is rewritten only when its content changes.
#
#   cmake -DROOT=<source dir> -DOUT=<header> -DMAJOR=1 -DMINOR=0 -DREVISION=98 -P source_lines.cmake
set(lines 0)
file(GLOB_RECURSE sources
    "${ROOT}/game/*.cpp" "${ROOT}/game/*.h"
    "${ROOT}/sound/*.cpp" "${ROOT}/sound/*.h"
    "${ROOT}/setup/*.cpp" "${ROOT}/setup/*.h")
foreach(source IN LISTS sources)
    file(READ "${source}" text)
    string(REGEX MATCHALL "\n" breaks "${text}")
    list(LENGTH breaks count)
    math(EXPR lines "${lines} + ${count}")
endforeach()

set(content "// Generated at build time by game/menu/source_lines.cmake.
#pragma once

#include <cstdint>

namespace game {
inline constexpr int kVersionMajor = ${MAJOR};
inline constexpr int kVersionMinor = ${MINOR};
inline constexpr int kVersionRevision = ${REVISION};
inline constexpr int64_t kSourceLines = ${lines};
}  // namespace game
")
set(old "")
if(EXISTS "${OUT}")
    file(READ "${OUT}" old)
endif()
if(NOT old STREQUAL content)
    file(WRITE "${OUT}" "${content}")
endif()
