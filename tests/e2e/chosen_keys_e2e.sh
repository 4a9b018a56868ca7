#!/usr/bin/env bash
# Chosen keys end to end: W, A, S and D chosen for the four directions in the
# real settings tool's window (clicks and key presses with xdotool), then the
# real game started on a walled-in open field: holding D walks the hero to
# the right, holding the Right arrow no longer does, and F1 opens the help,
# which Esc closes.
#
#   chosen_keys_e2e.sh <dist folder> <open_campaign program>
#
# Exits 77 (skipped) only when Xvfb, xdotool or ImageMagick's import is not
# installed.
set -euo pipefail

dist=${1:?usage: chosen_keys_e2e.sh <dist folder> <open_campaign program>}
open_campaign=${2:?usage: chosen_keys_e2e.sh <dist folder> <open_campaign program>}
[[ -x $dist/karvelun && -x $dist/setup ]] || { echo "chosen_keys_e2e: no game or setup in $dist" >&2; exit 1; }

e2e_name=chosen_keys_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool import

game="$work/game"
e2e_game_folder "$dist" "$game" Ne
cp "$dist/setup" "$game/"
"$open_campaign" "$game/data/levels.all" || fail "the test campaign could not be written"

e2e_start_xvfb 1024x768x24

# --- The settings tool: a click on a command's key, then the new key. ---
app_log="$work/setup.log"
(cd / && exec "$game/setup") >"$app_log" 2>&1 &
app_pid=$!
e2e_focus setup_id '^Orvane Setup v1\.0$'
# With no window manager the client area sits at the screen's top left.  The
# key buttons' centres: x 156, the first row at y 286, a row every 20 pixels.
key_row_y() { echo $((286 + 20 * $1)); }
for choice in "0 w" "1 s" "2 a" "3 d"; do
    read -r row key <<<"$choice"
    xdotool mousemove --sync --window "$setup_id" 156 "$(key_row_y "$row")" click 1
    sleep 0.2
    xdotool key "$key"
    sleep 0.2
done
# "Uložit a skončit".
xdotool mousemove --sync --window "$setup_id" 156 24 click 1
for _ in $(seq 300); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the settings tool still runs after its button"
wait "$app_pid" || fail "the settings tool ended with an error"
app_pid=""
for line in Klavesa.Nahoru=W Klavesa.Dolu=S Klavesa.Vlevo=A Klavesa.Vpravo=D; do
    grep -q "^$line"$'\r'"\$" "$game/setup.ini" || {
        cat "$game/setup.ini" >&2
        fail "setup.ini has no line $line"
    }
done
echo "chosen_keys_e2e: W, A, S, D chosen in the settings tool's window"

# --- The game: a new game on the open field. ---
app_log="$work/game.log"
e2e_new_game
e2e_until_drawn "$work/start.rgb" || fail "the game's field was not drawn"

hold() {
    xdotool keydown "$1"
    sleep 1
    xdotool keyup "$1"
    sleep 0.3
    kill -0 "$app_pid" 2>/dev/null || fail "the game ended while $1 was held"
}

hold Right
e2e_shoot "$work/right.rgb"
[[ "$(e2e_region "$work/start.rgb" "$e2e_hero_x" "$e2e_hero_y" 15 15)" == \
   "$(e2e_region "$work/right.rgb" "$e2e_hero_x" "$e2e_hero_y" 15 15)" ]] ||
    fail "the Right arrow still moved the hero after D was chosen"
echo "chosen_keys_e2e: the Right arrow no longer moves the hero"

hold d
e2e_shoot "$work/d.rgb"
e2e_hero_walked_right "$work/start.rgb" "$work/d.rgb"
echo "chosen_keys_e2e: holding D moved the hero to the right"

# --- F1: the help over the game, closed with Esc. ---
xdotool key F1
help_id=$(e2e_window '^Karvelun - nápověda$') || fail "F1 opened no help"
if [[ -n ${KARVELUN_E2E_SHOTS:-} ]]; then
    import -window "$help_id" "$KARVELUN_E2E_SHOTS/help.png" 2>>"$work/import.log" || true
fi
xdotool windowfocus --sync "$help_id"
xdotool key Escape
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Karvelun - nápověda$' >/dev/null || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Karvelun - nápověda$' >/dev/null &&
    fail "Esc did not close the help"
kill -0 "$app_pid" 2>/dev/null || fail "the game ended with the help"
echo "chosen_keys_e2e: F1 opened the help and Esc closed it"

echo "chosen_keys_e2e: PASS"
