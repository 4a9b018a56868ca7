#!/usr/bin/env bash
# The level tool run from an installed tree finds the game's data where the
# install put it, <prefix>/share/karvelun, when no path is given: the Tiled
# tilesets a level exported as a map refers to, and the campaign a recording
# is played back on.  Run from a folder of its own, so that nothing is found
# beside the caller either.
#
#   installed_level_tool.sh <build folder> <recording>
set -euo pipefail

build=${1:?usage: installed_level_tool.sh <build folder> <recording>}
recording=${2:?}

e2e_name=installed_level_tool
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }
levels="$prefix/bin/karvelun-levels"
mkdir "$work/elsewhere"
cd "$work/elsewhere"

"$levels" export "$prefix/share/karvelun/levels.all" --level 0 level0.tmx >"$work/export.log" 2>&1 ||
    { cat "$work/export.log" >&2; fail "level 0 could not be exported with the installed tilesets"; }
tileset=$(grep -o 'source="[^"]*tiles\.tsx"' level0.tmx | head -n 1 | cut -d '"' -f 2)
[[ -n $tileset ]] || fail "the exported map names no tiles tileset"
[[ $(realpath "$tileset") == $(realpath "$prefix/share/karvelun/tiled/tiles.tsx") ]] ||
    fail "the map refers to $tileset, not to the installed tileset"

"$levels" replay "$recording" >"$work/replay.log" 2>&1 ||
    { cat "$work/replay.log" >&2; fail "the recording was not verified on the installed campaign"; }
echo "installed_level_tool: export and replay found share/karvelun"
