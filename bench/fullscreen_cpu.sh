#!/usr/bin/env bash
# The processor time the running game takes at its 60 frames a second when
# it fills a 2560 x 1600 screen (3 screen pixels to a game pixel), under
# Xvfb with openbox: a new game in an open hall, the hero walking to and fro
# with the fire key held, so that the field changes in every frame.  Prints
# the share of one core; a figure, not a check.
#
#   fullscreen_cpu.sh <dist folder> <open_campaign program> [seconds]
#
# Exits 77 when Xvfb, openbox, xprop or xdotool is not installed.
set -euo pipefail

dist=${1:?usage: fullscreen_cpu.sh <dist folder> <open_campaign program> [seconds]}
open_campaign=${2:?usage: fullscreen_cpu.sh <dist folder> <open_campaign program> [seconds]}
seconds=${3:-20}

e2e_name=fullscreen_cpu
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
e2e_skip_without Xvfb openbox xprop xdotool
app_log="$work/game.log"

game="$work/game"
e2e_game_folder "$dist" "$game" Ne
printf 'Zvetseni=auto\r\nCelaObrazovka=Ano\r\n' >>"$game/setup.ini"
"$open_campaign" "$game/data/levels.all" || fail "the test campaign could not be written"

e2e_start_xvfb 2560x1600x24
e2e_start_openbox

(cd / && exec "$game/karvelun") >"$app_log" 2>&1 &
app_pid=$!
menu_id=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orvane Karvelun v1\.01$' |
    head -n1) || fail "the menu did not appear"
xdotool windowfocus --sync "$menu_id"
xdotool key Return
window_id=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orvane Karvelun v1\.02$' |
    head -n1) || fail "the game window did not appear"
xdotool windowfocus --sync "$window_id"
# The window manager makes the window full screen a moment after it shows.
for _ in $(seq 100); do
    geometry=$(xdotool getwindowgeometry "$window_id" | sed -n 's/.*Geometry: //p')
    [[ $geometry == 2560x1600 ]] && break
    sleep 0.1
done
[[ $geometry == 2560x1600 ]] || fail "the game window is $geometry, not the whole screen"

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }
before=$(cpu_ticks)
start=$(date +%s.%N)
xdotool keydown ctrl
end=$(echo "$start + $seconds" | bc)
while (($(echo "$(date +%s.%N) < $end" | bc))); do
    xdotool keydown Right
    sleep 1.5
    xdotool keyup Right keydown Left
    sleep 1.5
    xdotool keyup Left
done
xdotool keyup ctrl
after=$(cpu_ticks)
stop=$(date +%s.%N)
kill -0 "$app_pid" 2>/dev/null || fail "the game ended during the measurement"
share=$(echo "scale=1; 100 * ($after - $before) / $ticks / ($stop - $start)" | bc)
echo "fullscreen_cpu: the game took ${share} % of one core over $(printf %.0f "$(echo "$stop - $start" | bc)") s at 2560 x 1600"
