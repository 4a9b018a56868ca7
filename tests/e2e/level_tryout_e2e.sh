#!/usr/bin/env bash
# karvelun --level end to end, on its own Xvfb display: level 0 exported as a
# Tiled map is tried from the tile below its stairs down.  The game opens
# straight into the game window; a quick save (F5) shows the hero on the
# chosen tile of level 0; the map changed on disk is played without a
# restart; held Up walks him onto the stairs, and the next quick save shows
# him on level 1.  The quick saves go into the try-out's own
# private folder, never into the game folder's saves, and the try-out's
# folders are gone once the game is left with "Exit".
#
#   level_tryout_e2e.sh <dist folder>
#
# Exits 77 (skipped) only when Xvfb or xdotool is not installed.
set -euo pipefail

dist=${1:?usage: level_tryout_e2e.sh <dist folder>}
[[ -x $dist/karvelun && -x $dist/karvelun-levels ]] ||
    { echo "level_tryout_e2e: no game at $dist" >&2; exit 1; }

e2e_name=level_tryout_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool

game="$work/game"
e2e_game_folder "$dist" "$game" Ne
cp "$dist/karvelun-levels" "$game/"
"$dist/karvelun-levels" export "$dist/data/levels.all" --level 0 \
    --tilesets "$dist/data/tiled" "$work/maps/level0.tmx" || fail "level 0 could not be exported"

# Level 0's stairs down stand on column 21, row 2; the hero starts below them.
start_tile=96
stairs_level=1
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"

e2e_start_xvfb 1024x768x24
app_log="$work/game.log"
(cd / && exec "$game/karvelun" --level "$work/maps/level0.tmx" --tile "$start_tile") \
    >"$app_log" 2>&1 &
app_pid=$!

game_window=$(e2e_window "$e2e_game_title" "$app_pid") || fail "the try-out opened no game window"
[[ -z $(xdotool search --all --onlyvisible --pid "$app_pid" --name "$e2e_menu_title" \
    2>/dev/null) ]] || fail "the menu shows beside the game"
tryout_folder=$(find "$TMPDIR" -maxdepth 1 -name 'karvelun-level-*' | head -n1)
[[ -n $tryout_folder ]] || fail "no try-out folder in $TMPDIR"
run_folder=$(find "$TMPDIR" -maxdepth 1 -name 'karvelun-run-*' | head -n1)
[[ -n $run_folder ]] || fail "no private folder for the try-out's saves in $TMPDIR"

# The level and tile of the hero in a fresh quick save.
quick_save() {
    local pos="$run_folder/saves/quick.pos"
    rm -f "$pos"
    xdotool windowfocus --sync "$game_window"
    sleep 0.3
    xdotool key F5
    e2e_until_files "$pos" || fail "F5 wrote no quick save into the try-out's folder"
    "$dist/karvelun-levels" dump "$pos" --json >"$work/pos.json"
    local level x y
    level=$(sed -n 's/.*"LevelNumber": \([0-9-]*\).*/\1/p' "$work/pos.json")
    x=$(sed -n 's/.*"HeroX": \([0-9.-]*\).*/\1/p' "$work/pos.json")
    y=$(sed -n 's/.*"HeroY": \([0-9.-]*\).*/\1/p' "$work/pos.json")
    echo "$level $(( ${y%.*} / 20 * 25 + ${x%.*} / 20 ))"
}

read -r level tile < <(quick_save)
[[ $level -eq 0 && $tile -eq $start_tile ]] ||
    fail "the hero started on level $level, tile $tile, not level 0, tile $start_tile"
echo "level_tryout_e2e: the hero starts on level 0, tile $start_tile"

# The map edited while the game runs: the picture of a tile beside the hero
# written in place, then that of another written beside the map and renamed
# over it (as Tiled saves), then a map that does not read.  Each is followed
# without a restart: the game tells its error output, and the next quick
# save holds level 0 as the file has it -- or, after the broken map, as it
# was -- with the hero where he stood.
map="$work/maps/level0.tmx"
# The map with the picture gid $3 on tile $2 of its pictures layer.
with_picture() {
    awk -v t="$2" -v g="$3" '
        /<data encoding="csv">/ { block++; row = 0; print; next }
        block == 1 && row < 25 && /^[0-9]/ {
            n = split($0, f, ",")
            if (row == int(t / 25)) {
                f[t % 25 + 1] = g
                line = f[1]
                for (i = 2; i <= n; i++) line = line "," f[i]
                $0 = line
            }
            row++
        }
        { print }' "$1"
}
# The picture of tile $1 of level 0 in the quick save.
saved_picture() {
    "$dist/karvelun-levels" dump "$run_folder/saves/quick.lev" --json --level 0 |
        awk -v t="$1" '/"tiles": \[/ { n = 0; on = 1; next }
            on { if (n == t) { sub(/.*"picture": /, ""); sub(/,.*/, ""); print; exit } n++ }'
}
# Waits until the error output holds $1 lines with $2.
until_told() {
    local started
    started=$(date +%s%3N)
    for _ in $(seq 100); do
        if (( $(grep -c -- "$2" "$app_log") >= $1 )); then
            echo "level_tryout_e2e: followed in $(( $(date +%s%3N) - started )) ms"
            return 0
        fi
        sleep 0.05
    done
    fail "the game did not follow the map: no \"$2\" within 5 s"
}
followed="The level in level0.tmx has changed; playing the new version."
with_picture "$map" 98 5 >"$work/edited.tmx"
cat "$work/edited.tmx" >"$map"
until_told 1 "$followed"
with_picture "$work/edited.tmx" 97 5 >"$work/maps/.level0.tmx.new"
mv "$work/maps/.level0.tmx.new" "$map"
until_told 2 "$followed"
read -r level tile < <(quick_save)
[[ $level -eq 0 && $tile -eq $start_tile ]] ||
    fail "after the map changed the hero is on level $level, tile $tile"
[[ $(saved_picture 98) == 4 && $(saved_picture 97) == 4 ]] ||
    fail "the changed tiles 97 and 98 show pictures $(saved_picture 97) and $(saved_picture 98)"
echo "level_tryout_e2e: the map written in place and renamed over is played without a restart"
printf '<map version="1.8"' >"$work/maps/.level0.tmx.new"
mv "$work/maps/.level0.tmx.new" "$map"
until_told 1 "The changed level cannot be read; the game goes on with the level as it was"
read -r level tile < <(quick_save)
[[ $level -eq 0 && $tile -eq $start_tile && $(saved_picture 98) == 4 ]] ||
    fail "a broken map changed the game (level $level, tile $tile)"
echo "level_tryout_e2e: a broken map leaves the level as it was"

xdotool windowfocus --sync "$game_window"
xdotool keydown Up
sleep 2.5
xdotool keyup Up
sleep 0.5
read -r level tile < <(quick_save)
[[ $level -eq $stairs_level ]] || fail "after walking up the hero is on level $level, tile $tile"
echo "level_tryout_e2e: he walked up the stairs onto level $level, tile $tile"
[[ ! -e $game/data/saves ]] || fail "the try-out wrote into the game folder's saves"

e2e_leave_game "$game_window"
[[ ! -e $tryout_folder ]] || fail "the try-out's folder $tryout_folder is still there"
[[ ! -e $run_folder ]] || fail "the try-out's private folder $run_folder is still there"
echo "level_tryout_e2e: PASS"
