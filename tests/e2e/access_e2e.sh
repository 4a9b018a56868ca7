#!/usr/bin/env bash
# The settings for every player in the real game on its own Xvfb display,
# each against the game as it is by default, in a hall with a sign left of
# the hero's start and a wall of strength 6 right of it:
#   - Blikani=Ne: at low lives (a quick save of 3 lives of 10, loaded with
#     F7) the field's mean red stays steady over 2 s, where by default the
#     edge's pulse moves it;
#   - VelkePismo=Ano: the sign's letters over the field, stepped on, stand
#     at least 1.3 times as tall;
#   - StrelbaPrepinac=Ano: one press of Ctrl, turned to the wall, keeps
#     firing until the wall falls, where by default it fires once.
#
#   access_e2e.sh <dist folder> <access_hall program>
#
# Exits 77 (skipped) only when Xvfb, xdotool or ImageMagick's import is not
# installed.
set -euo pipefail

dist=${1:?usage: access_e2e.sh <dist folder> <access_hall>}
hall=${2:?usage: access_e2e.sh <dist folder> <access_hall>}
[[ -x $dist/karvelun && -x $dist/karvelun-levels ]] || { echo "access_e2e: no game at $dist" >&2; exit 1; }

e2e_name=access_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool import openbox xprop

e2e_start_xvfb 1024x768x24
e2e_start_openbox
game="$work/game"

# A fresh game folder on the hall with the given lines after the old three.
hall_folder() {
    e2e_game_folder "$dist" "$game" Ne
    "$hall" campaign "$game/data/levels.all" || fail "the hall could not be written"
    rm -f "$game/data/levels.en"
    local line
    for line in "$@"; do printf '%s\r\n' "$line" >>"$game/setup.ini"; done
}

# The mean of the red channel over the play field of a screenshot.
field_red() {
    e2e_region "$1" 8 8 500 500 | awk '{ for (i = 1; i <= NF; i += 3) { s += $i; n++ } }
        END { printf "%.3f\n", s / n }'
}

# How far the field's mean red swings over 2 s at low lives: the largest
# less the smallest of ten screenshots.
red_swing() {
    hall_folder "$@"
    "$hall" low-lives "$game" || fail "no quick save of low lives"
    e2e_new_game
    e2e_keys_to "$window_id" F7
    sleep 1
    local i reds=()
    for i in $(seq 10); do
        e2e_shoot "$work/low.rgb"
        reds+=("$(field_red "$work/low.rgb")")
        sleep 0.2
    done
    e2e_leave_game "$window_id"
    printf '%s\n' "${reds[@]}" | sort -n | awk 'NR == 1 { low = $1 } { high = $1 }
        END { printf "%.3f\n", high - low }'
}

pulsing=$(red_swing)
still=$(red_swing "Blikani=Ne")
echo "access_e2e: the field's mean red swings by $pulsing by default, $still with Blikani=Ne"
awk -v p="$pulsing" 'BEGIN { exit !(p >= 0.5) }' || fail "the low-lives edge did not pulse by default"
awk -v s="$still" 'BEGIN { exit !(s < 0.05) }' || fail "with Blikani=Ne the edge still pulses"

# The rows of the field at the left of the sign (its columns 200 to 299,
# away from the hero) that hold pure white, the colour of its text, in a
# screenshot taken as the text rises.
sign_letter_rows() {
    hall_folder "$@"
    e2e_new_game
    xdotool keydown Left
    sleep 0.25
    xdotool keyup Left
    sleep 0.4
    e2e_shoot "$work/sign.rgb"
    e2e_leave_game "$window_id"
    e2e_region "$work/sign.rgb" 208 300 100 200 |
        awk '{ for (i = 1; i <= NF; i += 3) if ($i == 255 && $(i + 1) == 255 && $(i + 2) == 255) { n++; break } }
            END { print n + 0 }'
}

normal=$(sign_letter_rows)
large=$(sign_letter_rows "VelkePismo=Ano")
echo "access_e2e: the sign's letters span $normal rows, $large with VelkePismo=Ano"
((normal > 4)) || fail "no sign text over the field"
awk -v n="$normal" -v l="$large" 'BEGIN { exit !(l >= 1.3 * n) }' ||
    fail "with VelkePismo=Ano the sign's letters are not 1.3 times as tall"

# The wall's kind after a turn towards it and one press of Ctrl, eight
# seconds later, from a quick save: 2 while it stands, 0 once it fell.  A
# missile leaves every 50 frames, so the sixth that brings the wall down
# flies some 4.2 s after the press at 60 frames a second; the rest is room
# for a busy machine.
wall_after_one_press() {
    hall_folder "$@"
    e2e_new_game
    xdotool keydown Right
    sleep 0.15
    xdotool keyup Right
    sleep 0.2
    xdotool key ctrl
    sleep 8
    e2e_keys_to "$window_id" F5
    e2e_until_files "$game/data/saves/quick.lev" || fail "F5 wrote no quick save"
    e2e_leave_game "$window_id"
    # awk reads the dump to its end: leaving early would break the pipe, and
    # the failed pipeline would end the check without a word.
    "$dist/karvelun-levels" dump "$game/data/saves/quick.lev" --json --level 0 |
        awk '/"tiles": \[/ { n = 0; on = 1; next }
            on { if (n == 592) { sub(/.*"kind": /, ""); sub(/,.*/, ""); print; on = 0 } n++ }'
}

held=$(wall_after_one_press)
switched=$(wall_after_one_press "StrelbaPrepinac=Ano")
echo "access_e2e: after one press the wall's kind is $held by default, $switched with StrelbaPrepinac=Ano"
[[ $held == 2 ]] || fail "by default one press of Ctrl brought the wall down (kind $held)"
[[ $switched == 0 ]] || fail "with StrelbaPrepinac=Ano the wall still stands (kind $switched)"

echo "access_e2e: PASS"
