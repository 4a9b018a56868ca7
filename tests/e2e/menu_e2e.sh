#!/usr/bin/env bash
# The main menu and the save and load dialogs end to end: a copy of the built
# dist folder on its own Xvfb display, driven only with the keyboard as a
# player would.  A new game is started from the menu, saved under a typed
# name, loaded again, and the game is left with "Exit".  Afterwards the save
# pair must be in data/saves and no working level file may be left.
#
#   menu_e2e.sh <dist folder>
#
# Exits 77 (skipped) only when Xvfb or xdotool is not installed.
set -euo pipefail

dist=${1:?usage: menu_e2e.sh <dist folder>}
[[ -x $dist/karvelun ]] || { echo "menu_e2e: no game at $dist/karvelun" >&2; exit 1; }
[[ -f $dist/data/levels.all ]] || { echo "menu_e2e: no campaign in $dist/data" >&2; exit 1; }

e2e_name=menu_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool
app_log="$work/game.log"

# The game's folder: programs and data of the build, sound off.
game="$work/game"
e2e_game_folder "$dist" "$game" Ne

e2e_start_xvfb 1024x768x24

dialog_title='^Karvelun$'

# A visible window with the title other than the one given, waiting for it.
other_window() {
    local id
    for _ in $(seq 150); do
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null || true); do
            [[ $id != "$2" ]] && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# Waits until no window with the title is visible.
until_hidden() {
    for _ in $(seq 150); do
        [[ -z $(xdotool search --onlyvisible --name "$1" 2>/dev/null || true) ]] && return 0
        sleep 0.1
    done
    return 1
}

# Gives the window with the title the keyboard and presses the keys.
keys_to() {
    local title=$1 id
    shift
    id=$(e2e_window "$title") || fail "no window $title for the keys $*"
    e2e_keys_to "$id" "$@"
}

level_files() {
    find "$game/data/levels" -maxdepth 1 -name 'level*.sc' 2>/dev/null | wc -l
}

(cd / && exec "$game/karvelun") >"$work/game.log" 2>&1 &
app_pid=$!

# 1. The menu comes up with "Nová hra" chosen: Enter starts a new game.
keys_to "$e2e_menu_title" Return
e2e_window "$e2e_game_title" >/dev/null || fail "Enter on \"Nová hra\" showed no game"
until_hidden "$e2e_menu_title" || fail "the menu stayed on screen during the game"
[[ $(level_files) -gt 0 ]] || fail "the new game unpacked no working levels"
echo "menu_e2e: a new game started from the menu ($(level_files) working levels)"

# 2. Esc, then "Uložit" (one up from "Zpět", where the menu opens during a
#    game), a typed name and Enter in the name box.
keys_to "$e2e_game_title" Escape
e2e_window "$e2e_menu_title" >/dev/null || fail "Esc did not bring the menu back"
keys_to "$e2e_menu_title" Up Return
save_dialog=$(e2e_window "$dialog_title") || fail "\"Uložit\" opened no dialog"
xdotool windowfocus --sync "$save_dialog"
sleep 0.3
xdotool type --delay 100 'Hrad Večer'
xdotool key Return
e2e_window "$e2e_game_title" >/dev/null || fail "saving did not return to the game"
until_hidden "$dialog_title" || fail "the save dialog stayed open"
# The pair is written once the dialog has gone: give it a moment.
e2e_until_files "$game/data/saves/Hrad Večer.lev" "$game/data/saves/Hrad Večer.pos" || true
for file in "Hrad Večer.lev" "Hrad Večer.pos"; do
    [[ -s $game/data/saves/$file ]] ||
        fail "no $file after saving; the saves folder holds: $(ls -A "$game/data/saves" 2>&1 | tr '\n' '|')"
done
echo "menu_e2e: saved as \"Hrad Večer\""

# 3. Esc, then "Nahrát" (two up from "Zpět"), which opens with the newest
#    save chosen: Enter, and "Ano" to the question about the game under way.
keys_to "$e2e_game_title" Escape
e2e_window "$e2e_menu_title" >/dev/null || fail "Esc did not bring the menu back"
keys_to "$e2e_menu_title" Up Up Return
load_dialog=$(e2e_window "$dialog_title") || fail "\"Nahrát\" opened no dialog"
xdotool windowfocus --sync "$load_dialog"
sleep 0.3
xdotool key Return
# The question about the game under way opens at "Ne"; "Ano" is left of it.
question=$(other_window "$dialog_title" "$load_dialog") || fail "loading during a game asked nothing"
xdotool windowfocus --sync "$question"
sleep 0.3
xdotool key --delay 150 Left Return
e2e_window "$e2e_game_title" >/dev/null || fail "loading did not return to the game"
until_hidden "$dialog_title" || fail "a dialog stayed open after loading"
until_hidden "$e2e_menu_title" || fail "the menu stayed open after loading"
echo "menu_e2e: loaded \"Hrad Večer\""

# 4. Esc, then "Exit" (three down from "Zpět"), and "Ano" to losing the game.
keys_to "$e2e_game_title" Escape
e2e_window "$e2e_menu_title" >/dev/null || fail "Esc did not bring the menu back"
keys_to "$e2e_menu_title" Down Down Down Return
question=$(e2e_window "$dialog_title") || fail "\"Exit\" during a game asked nothing"
e2e_keys_to "$question" Left Return
status=0
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the game still runs after \"Exit\""
wait "$app_pid" || status=$?
app_pid=""
[[ $status -eq 0 ]] || fail "the game ended with status $status"

for file in "Hrad Večer.lev" "Hrad Večer.pos"; do
    [[ -s $game/data/saves/$file ]] || fail "$file is gone after the exit"
done
[[ $(level_files) -eq 0 ]] || fail "$(level_files) working level files are left after the exit"
echo "menu_e2e: \"Exit\" ended the game, the save is kept and the working levels are gone"

echo "menu_e2e: PASS"
