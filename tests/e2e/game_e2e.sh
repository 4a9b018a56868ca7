#!/usr/bin/env bash
# The game end to end: a copy of the built dist folder on its own Xvfb
# display, a new game started from the menu with Enter on "Nová hra", the
# Right arrow held with xdotool as a player would, and screenshots that show the field drawn and the hero moved.  It
# also reports the processor time the running game takes at its 60 frames a
# second (a figure, not a check).
#
#   game_e2e.sh <dist folder> <open_campaign program>
#
# The copy gets a campaign of one open hall (made by open_campaign), so the
# hero's way to the right is free whatever the real campaign holds there.
# Exits 77 (skipped) only when Xvfb, xdotool or ImageMagick's import is not
# installed.
set -euo pipefail

dist=${1:?usage: game_e2e.sh <dist folder> <open_campaign program>}
open_campaign=${2:?usage: game_e2e.sh <dist folder> <open_campaign program>}
[[ -x $dist/karvelun ]] || { echo "game_e2e: no game at $dist/karvelun" >&2; exit 1; }
[[ -d $dist/data/obr ]] || { echo "game_e2e: no pictures in $dist/data/obr" >&2; exit 1; }

e2e_name=game_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool import
app_log="$work/game.log"

# The game's folder: programs and data of the build, sound off.
game="$work/game"
e2e_game_folder "$dist" "$game" Ne
"$open_campaign" "$game/data/levels.all" || fail "the test campaign could not be written"

e2e_start_xvfb 1024x768x24

(cd / && exec "$game/karvelun") >"$work/game.log" 2>&1 &
app_pid=$!
# The menu opens with "Nová hra" selected: Enter starts a new game.
menu_id=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orvane Karvelun v1\.01$' |
    head -n1) || fail "the menu did not appear"
[[ -n $menu_id ]] || fail "the menu did not appear"
xdotool windowfocus --sync "$menu_id"
xdotool key Return
window_id=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orvane Karvelun v1\.02$' |
    head -n1) || fail "the game window did not appear"
[[ -n $window_id ]] || fail "the game window did not appear"
xdotool windowfocus --sync "$window_id"
sleep 0.5

# The window's client area, 779 x 516, as raw RGB bytes.
width=779
height=516
shoot() {
    import -window "$window_id" -depth 8 "rgb:$1" 2>>"$work/import.log" ||
        fail "no screenshot: $(cat "$work/import.log")"
    local size
    size=$(stat -c %s "$1")
    [[ $size -eq $((width * height * 3)) ]] || fail "screenshot of $size bytes, not $width x $height"
}

# The bytes of a rectangle (x, y, w, h in window pixels) of a screenshot.
region() {
    local file=$1 x=$2 y=$3 w=$4 h=$5 row
    for ((row = y; row < y + h; row++)); do
        od -An -v -tu1 -j $(((row * width + x) * 3)) -N $((w * 3)) "$file"
    done
}

# Distinct colours in a rectangle.
colours() {
    region "$@" | tr -s ' ' '\n' | grep -v '^$' | paste -d, - - - | sort -u | wc -l
}

# The play field sits at (8, 8); a new game puts the hero's 15 x 15 box at
# tile 591's corner + 2, that is (322, 462) in the field.
hero_x=$((8 + 322))
hero_y=$((8 + 462))

shoot "$work/before.rgb"
field_colours=$(colours "$work/before.rgb" 8 8 500 500)
[[ $field_colours -ge 8 ]] || fail "the field shows only $field_colours colours: it is not drawn"
hero_colours=$(colours "$work/before.rgb" "$hero_x" "$hero_y" 15 15)
[[ $hero_colours -ge 3 ]] || fail "no hero at his starting place ($hero_colours colours)"
echo "game_e2e: the field is drawn ($field_colours colours) with the hero at his start"

# Hold the Right arrow for a second: at 60 frames a second and 0.8 pixels a
# frame the hero walks about 48 pixels.
start_ticks() { awk '{print $14 + $15}' "/proc/$app_pid/stat"; }
ticks_before=$(start_ticks)
time_before=$(date +%s.%N)
xdotool keydown Right
sleep 1
xdotool keyup Right
ticks_after=$(start_ticks)
time_after=$(date +%s.%N)
sleep 0.3
kill -0 "$app_pid" 2>/dev/null || fail "the game ended while the hero walked"

shoot "$work/after.rgb"
[[ "$(region "$work/before.rgb" "$hero_x" "$hero_y" 15 15)" != \
   "$(region "$work/after.rgb" "$hero_x" "$hero_y" 15 15)" ]] ||
    fail "the hero's starting place looks the same after walking"
# Where the hero stands now: the strip to the right of his start changed.
[[ "$(region "$work/before.rgb" $((hero_x + 15)) "$hero_y" 150 15)" != \
   "$(region "$work/after.rgb" $((hero_x + 15)) "$hero_y" 150 15)" ]] ||
    fail "the hero did not arrive to the right of his start"
# Rows above and below the hero's path are the same floor as before.
[[ "$(region "$work/before.rgb" 8 $((hero_y - 60)) 500 20)" == \
   "$(region "$work/after.rgb" 8 $((hero_y - 60)) 500 20)" ]] ||
    fail "the field changed away from the hero's path"
echo "game_e2e: holding Right moved the hero to the right"

# Processor time of the game while the hero walked, against the wall clock.
hz=$(getconf CLK_TCK)
awk -v t="$((ticks_after - ticks_before))" -v hz="$hz" -v a="$time_before" -v b="$time_after" \
    'BEGIN { printf "game_e2e: CPU use while playing: %.1f %% of one core\n", 100 * t / hz / (b - a) }'

echo "game_e2e: PASS"
