#!/usr/bin/env bash
# Plays a version of the game as a player would, to keep the files it
# wrote as test data (README.md beside this script says which were kept).
# Run by hand, never by the tests:
#
#   make_old_files.sh <checkout of a commit> <out folder>
#
# The checkout holds that commit's own build in dist/ (make dist in it).
# Its level tool builds small-cave/, with the shared legend of that commit's
# campaign/, into the game's fresh campaign, or, where the tool builds
# campaign packs, into a pack the game finds in data/campaigns.  Then its
# game runs on a private Xvfb display, driven with xdotool:
#   1. a new game (of the pack, where there are packs): a few steps, a
#      missile, a bomb by the cracked wall, the corner of the gap north
#      (held there a while, then past it), up the stairs;
#   2. on level 1: F5, then Esc, "Uložit" and the name "Řeka";
#   3. where games are recorded: F7, then up to the stairs down, onto
#      level 2, where the troll kills the hero while his missile flies at a
#      rat; then his body walks onto the gold; the game-over notice;
#   4. the menu's "Exit" (SIGTERM where the game ends on it as on Exit).
# Where there are no packs, the settings tool then writes a setup.ini:
# sound off, the volume two steps down, the pace three steps up, full
# screen on (where it has that box).
# Everything the run wrote lands in <out folder>: saves/ (with about/, the
# descriptions, where there are any), replays/, and the campaign it was
# played on (levels.all, or the pack's folder), and setup.ini.
set -euo pipefail

usage="usage: make_old_files.sh <checkout of an old commit> <out folder>"
checkout=$(realpath "${1:?$usage}")
out=${2:?$usage}
dist=$checkout/dist
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
mkdir -p "$out"
out=$(realpath "$out")

work=$(mktemp -d "${TMPDIR:-/tmp}/old-files.XXXXXX")
xvfb_pid=""
app_pid=""
cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "make_old_files: $*" >&2
    [[ -f $work/game.log ]] && sed 's/^/game: /' "$work/game.log" >&2
    exit 1
}

# The campaign: small-cave/ with the version's own shared legend.  A
# version with campaign packs plays it as a pack; an earlier one as its
# fresh campaign.
cp -r "$here/small-cave" "$work/cave"
cp "$checkout/campaign/legend.txt" "$work/cave/"
tool_usage=$("$dist/karvelun-levels" 2>&1 || true)
packs=""
if [[ $tool_usage == *" campaign "* ]]; then
    packs=yes
    "$dist/karvelun-levels" campaign "$work/cave" "$work/mala-jeskyne" || fail "the pack does not build"
else
    "$dist/karvelun-levels" build "$work/cave" "$work/levels.all" || fail "the cave does not build"
fi

# The game's folder: the programs and data of the build, sound off.
game="$work/game"
mkdir -p "$game/data"
cp "$dist/karvelun" "$dist/libtembra.so" "$game/"
for item in "$dist"/data/*; do
    case $(basename "$item") in
        saves | levels | replays) ;;
        *) cp -r "$item" "$game/data/" ;;
    esac
done
if [[ -n $packs ]]; then
    mkdir -p "$game/data/campaigns"
    cp -r "$work/mala-jeskyne" "$game/data/campaigns/"
else
    cp "$work/levels.all" "$game/data/levels.all"
fi
printf 'Zvuky=Ne\r\nHlasitost=100\r\nTick=0\r\n' >"$game/setup.ini"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY KARVELUN_NO_PACING
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

menu_title='^Orvane Karvelun v1\.01$'
game_title='^Orvane Karvelun v1\.02$'

window() {
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
        [[ -n $id ]] && { echo "$id"; return 0; }
        kill -0 "$app_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
focus() {
    local id
    id=$(window "$1") || fail "no window $1"
    xdotool windowfocus --sync "$id"
    sleep 0.6
}
hold() { # <key> <seconds>
    xdotool keydown "$1"
    sleep "$2"
    xdotool keyup "$1"
}
# Taps Ctrl <n> times, about a tenth of a second apart, each press held
# for a few frames.
fire_times() {
    for _ in $(seq "$1"); do
        xdotool keydown Control_L
        sleep 0.05
        xdotool keyup Control_L
        sleep 0.05
    done
}

(cd / && exec "$game/karvelun") >"$work/game.log" 2>&1 &
app_pid=$!
focus "$menu_title"
xdotool key Return
if [[ -n $packs ]]; then
    # The choice of campaigns: the game's own first, the pack below it.
    focus '^Karvelun$'
    xdotool key --delay 150 Down Return
fi
focus "$game_title"

# 1. Level 0: right, a missile, a bomb by the cracked wall, back left.
hold Right 0.6
xdotool key ctrl
sleep 0.2
xdotool key space
hold Left 1.2
sleep 2.5
# Against the room's west wall, then 75 px east: 4 px west of the gap in
# the north wall, where its corner holds him (the help round corners, where
# it exists and is on, would slide him into the gap).  Held there a while,
# then right onto the gap and up to the stairs.
hold Left 3
hold Right 2.08
hold Up 3
hold Right 0.12
hold Up 4.5
[[ -n $(find "$game/data/levels" -name 'level1.sc' 2>/dev/null) ]] ||
    fail "the hero did not reach level 1"

# 2. Level 1: a quick save, then a named one.
sleep 0.5
xdotool key F5
sleep 1
xdotool key Escape
focus "$menu_title"
xdotool key --delay 150 Down Down Return
focus '^Karvelun$'
xdotool type --delay 100 'Řeka'
xdotool key Return
focus "$game_title"
sleep 1

if [[ $tool_usage == *" replay "* ]]; then
    # 3. The quick save loaded; up the hall to the stairs down.  Leaving
    #    level 1 writes its working file: the hero is on level 2 then, and
    #    the troll there reaches him in about 70 frames.  He turns east
    #    (a tap of Right), fires about the troll's blow (FIRE_AFTER
    #    seconds after the tap), so that his missile reaches the rat after
    #    his death, and once dead his body walks east onto the gold.
    xdotool key F7
    sleep 1
    stored=$(stat -c %.9Y "$game/data/levels/level1.sc")
    xdotool keydown Up
    for _ in $(seq 400); do
        [[ $(stat -c %.9Y "$game/data/levels/level1.sc") != "$stored" ]] && break
        sleep 0.02
    done
    xdotool keyup Up
    sleep 0.3
    hold Right 0.03
    sleep "${FIRE_AFTER:-0.75}"
    hold Control_L 0.1
    sleep 0.3
    hold Right 0.8
    # The game-over notice, then the menu.
    sleep 2
    focus '^Karvelun$'
    xdotool key Return
else
    xdotool key Escape
fi
# 4. "Exit": the menu still has "Uložit" chosen, Exit is three up from it,
#    round the top; a game that knows signals ends as Exit ends it on
#    SIGTERM, its menu having more items.
focus "$menu_title"
if [[ -n $packs ]]; then
    kill -TERM "$app_pid"
else
    xdotool key --delay 150 Up Up Up Return
fi
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if [[ -z $packs ]] && kill -0 "$app_pid" 2>/dev/null; then
    # The menu's choice was not "Exit": every file is written by now.
    echo "make_old_files: the game did not end from its menu, ended with SIGTERM" >&2
    kill -TERM "$app_pid"
fi
wait "$app_pid" || echo "make_old_files: the game ended with status $?" >&2
app_pid=""

rm -rf "$out/saves" "$out/replays"
cp -r "$game/data/saves" "$out/saves"
[[ -d $game/data/replays ]] && cp -r "$game/data/replays" "$out/replays"
if [[ -n $packs ]]; then
    cp -r "$work/mala-jeskyne" "$out/"
    # The settings tool of this version has another window.
    ls -lR "$out"
    exit 0
fi
cp "$work/levels.all" "$out/levels.all"

# The settings tool, in a portable folder of its own.
tool="$work/tool"
mkdir -p "$tool/data"
cp "$dist/setup" "$tool/setup"
(cd / && exec "$tool/setup") >"$work/setup.log" 2>&1 &
app_pid=$!
focus '^Orvane Setup v1\.0$'
id=$(window '^Orvane Setup v1\.0$')
xdotool key --delay 50 Tab Tab Left Left Tab Right Right Right
xdotool mousemove --sync --window "$id" 30 24 click 1
xdotool mousemove --sync --window "$id" 30 170 click 1
xdotool mousemove --sync --window "$id" 156 24 click 1
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
wait "$app_pid" || fail "the settings tool ended with status $?"
app_pid=""
cp "$tool/setup.ini" "$out/setup.ini"
ls -lR "$out"
