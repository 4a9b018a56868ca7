#!/usr/bin/env bash
# Takes the picture of campaign/README.md: a campaign level exported as a
# Tiled map and open in Tiled, on a private Xvfb screen with openbox.
#
#   scripts/tiled-screenshot.sh [LEVEL] [OUT.png]     (after make dist)
#
# Tiled runs with a configuration folder of its own, so a designer's
# settings are neither used nor changed.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
level=${1:-0}
out=${2:-$repo/campaign/tiled-level$level.png}
e2e_name=tiled-screenshot
# shellcheck source=../tests/e2e/lib.sh
source "$repo/tests/e2e/lib.sh"

for tool in tiled Xvfb openbox xprop xdotool import; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps)"
done
[[ -x $repo/dist/karvelun-levels ]] || fail "build first: make dist"

mkdir -p "$work/campaign"
"$repo/dist/karvelun-levels" export "$repo/campaign/level$level.txt" \
    --tilesets "$repo/dist/data/tiled" "$work/campaign/level$level.tmx" ||
    fail "the level could not be exported"

e2e_start_xvfb 1280x900x24
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME"
e2e_start_openbox

app_log="$work/tiled.log"
tiled "$work/campaign/level$level.tmx" \
    >"$app_log" 2>&1 &
app_pid=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "level$level.tmx" 2>/dev/null | head -n1 || true)
    [[ -n $window ]] && break
    kill -0 "$app_pid" 2>/dev/null || fail "Tiled ended"
    sleep 0.2
done
[[ -n $window ]] || fail "no Tiled window showed the map"
xdotool windowmove "$window" 0 0 windowsize "$window" 1280 900
sleep 3
import -window root "$out"
echo "$out"
