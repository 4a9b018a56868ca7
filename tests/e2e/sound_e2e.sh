#!/usr/bin/env bash
# The game's sound end to end, on its own Xvfb display with a copy of the
# built dist folder:
#   1. sound on, OpenAL Soft writing its output into a wave file: a new game
#      from the menu must leave audible samples in that file;
#   2. sound on but the sound library removed: the game starts and plays
#      silently;
#   3. sound on with an output driver that cannot open a device: the same.
# Each run ends through the menu's "Exit" and must end with status 0.
#
#   sound_e2e.sh <dist folder>
#
# Exits 77 (skipped) only when Xvfb, xdotool or sox is not installed.
set -euo pipefail

dist=${1:?usage: sound_e2e.sh <dist folder>}
[[ -x $dist/karvelun ]] || { echo "sound_e2e: no game at $dist/karvelun" >&2; exit 1; }
[[ -f $dist/libtembra.so ]] || { echo "sound_e2e: no sound library in $dist" >&2; exit 1; }
[[ -f $dist/data/levels.all ]] || { echo "sound_e2e: no campaign in $dist/data" >&2; exit 1; }

e2e_name=sound_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool sox
app_log="$work/game.log"
e2e_start_xvfb 1024x768x24
unset ALSOFT_CONF

# A fresh game folder with sound on.
make_game() {
    e2e_game_folder "$dist" "$1" Ano
}

# Starts the game, begins a new game with Enter on "Nová hra", lets it run,
# goes back to the menu with Esc, and leaves with "Exit" (Up from "Nová
# hra" wraps round to it).  The game must end by itself with status 0.
play_and_exit() {
    local game=$1
    e2e_new_game
    # A missile from the hero plays its own cue on top of the new game's.
    xdotool keydown Control_L
    sleep 0.3
    xdotool keyup Control_L
    sleep 1.2
    kill -0 "$app_pid" 2>/dev/null || fail "the game ended while playing"
    e2e_leave_game "$window_id"
}

# 1. Sound through OpenAL Soft's wave-file output.
make_game "$work/game1"
audio="$work/out.wav"
e2e_wave_config "$work/alsoft.conf" "$audio"
ALSOFT_CONF="$work/alsoft.conf" ALSOFT_DRIVERS=wave play_and_exit "$work/game1"
[[ -s $audio ]] || fail "no audio file was written"
peak=$(sox "$audio" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
awk -v p="$peak" 'BEGIN { exit !(p > 0.01) }' ||
    fail "the written audio is silent (peak $peak)"
echo "sound_e2e: a new game sounds (peak amplitude $peak in the written output)"

# 2. The sound library file is missing.
make_game "$work/game2"
rm "$work/game2/libtembra.so"
ALSOFT_DRIVERS=null play_and_exit "$work/game2"
grep -q "playing silently" "$work/game.log" || fail "no word on stderr about the silent game"
echo "sound_e2e: without the sound library the game plays silently"

# 3. An output driver that cannot open a device (the wave driver without a file).
make_game "$work/game3"
printf '[general]\ndrivers=wave\n' >"$work/nofile.conf"
ALSOFT_CONF="$work/nofile.conf" ALSOFT_DRIVERS=wave play_and_exit "$work/game3"
grep -q "playing silently" "$work/game.log" || fail "no word on stderr about the silent game"
echo "sound_e2e: without a sound device the game plays silently"

echo "sound_e2e: PASS"
