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

# The menu opens with "Nová hra" selected: Enter starts a new game.
e2e_new_game

e2e_until_drawn "$work/before.rgb" || true
field_colours=$(e2e_colours "$work/before.rgb" 8 8 500 500)
[[ $field_colours -ge 8 ]] || fail "the field shows only $field_colours colours: it is not drawn"
hero_colours=$(e2e_colours "$work/before.rgb" "$e2e_hero_x" "$e2e_hero_y" 15 15)
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

e2e_shoot "$work/after.rgb"
e2e_hero_walked_right "$work/before.rgb" "$work/after.rgb"
echo "game_e2e: holding Right moved the hero to the right"

# Processor time of the game while the hero walked, against the wall clock.
hz=$(getconf CLK_TCK)
awk -v t="$((ticks_after - ticks_before))" -v hz="$hz" -v a="$time_before" -v b="$time_after" \
    'BEGIN { printf "game_e2e: CPU use while playing: %.1f %% of one core\n", 100 * t / hz / (b - a) }'

echo "game_e2e: PASS"
