#!/usr/bin/env bash
# The easy game's spaced blows seen from outside: a new game whose hero starts
# in contact with a monster of blow 1 that never moves, left alone for six
# seconds, then quick-saved with F5.  The lives the quick save lacks are what
# the monster took: in the easy game at most half of what it takes in the
# normal one.
#
#   easy_blows_e2e.sh <dist folder> <open_campaign program>
#
# Exits 77 (skipped) only when Xvfb or xdotool is not installed.
set -euo pipefail

dist=${1:?usage: easy_blows_e2e.sh <dist folder> <open_campaign program>}
open_campaign=${2:?usage: easy_blows_e2e.sh <dist folder> <open_campaign program>}
[[ -x $dist/karvelun && -x $dist/karvelun-levels ]] ||
    { echo "easy_blows_e2e: no game at $dist" >&2; exit 1; }

e2e_name=easy_blows_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool

e2e_start_xvfb 1024x768x24

# The lives six seconds of contact take in a new game of difficulty $1
# (the settings file's word, empty for the normal game), into $taken.
lives_taken() {
    game="$work/game-${1:-normalni}"
    app_log="$work/game-${1:-normalni}.log"
    e2e_game_folder "$dist" "$game" Ne
    [[ -n $1 ]] && printf 'Obtiznost=%s\r\n' "$1" >>"$game/setup.ini"
    "$open_campaign" "$game/data/levels.all" biter || fail "the test campaign could not be written"
    e2e_new_game
    # The game window takes the keyboard some 0.3 s after it shows.
    sleep 5.7
    xdotool key F5
    local pos="$game/data/saves/quick.pos"
    e2e_until_files "$pos" || fail "F5 wrote no quick save"
    "$dist/karvelun-levels" dump "$pos" --json >"$work/pos.json"
    local lives most
    lives=$(sed -n 's/.*"Lives": \([0-9-]*\).*/\1/p' "$work/pos.json")
    most=$(sed -n 's/.*"MaxLives": \([0-9-]*\).*/\1/p' "$work/pos.json")
    [[ -n $lives && -n $most ]] || fail "the quick save names no lives"
    e2e_leave_game "$window_id"
    taken=$((most - lives))
}

lives_taken ""
normal=$taken
lives_taken lehka
easy=$taken
echo "easy_blows_e2e: six seconds of a blow-1 monster took $normal lives in the normal game," \
    "$easy in the easy one"
[[ $normal -ge 5 ]] || fail "the normal game's monster took only $normal lives in six seconds"
[[ $easy -ge 1 ]] || fail "the easy game's monster took no lives at all"
((2 * easy <= normal)) || fail "the easy game took $easy lives, more than half the normal $normal"
echo "easy_blows_e2e: PASS"
