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

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "menu_e2e: $tool is not installed, skipping"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/menu_e2e.XXXXXX")
xvfb_pid=""
game_pid=""
cleanup() {
    [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "menu_e2e: FAIL: $*" >&2
    [[ -f $work/game.log ]] && sed 's/^/menu_e2e: game: /' "$work/game.log" >&2
    exit 1
}

# The game's folder: programs and data of the build, none of a player's
# saves or working levels, sound off, the default pace.
game="$work/game"
mkdir -p "$game/data"
cp "$dist/karvelun" "$game/"
[[ -f $dist/libtembra.so ]] && cp "$dist/libtembra.so" "$game/"
for item in "$dist"/data/*; do
    case $(basename "$item") in
        saves | levels) ;;
        *) cp -r "$item" "$game/data/" ;;
    esac
done
printf 'Zvuky=Ne\r\nHlasitost=100\r\nTick=0\r\n' >"$game/setup.ini"

# Xvfb picks a free display number itself and writes it to the descriptor.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
    sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb gave no display number"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY KARVELUN_NO_PACING
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

menu_title='^Orvane Karvelun v1\.01$'
game_title='^Orvane Karvelun v1\.02$'
dialog_title='^Karvelun$'

# The one visible window whose title matches, waiting for it to appear.
visible_window() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
        [[ -n $id ]] && { echo "$id"; return 0; }
        kill -0 "$game_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

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
    id=$(visible_window "$title") || fail "no window $title for the keys $*"
    xdotool windowfocus --sync "$id"
    sleep 0.3
    xdotool key --delay 150 "$@"
}

level_files() {
    find "$game/data/levels" -maxdepth 1 -name 'level*.sc' 2>/dev/null | wc -l
}

(cd / && exec "$game/karvelun") >"$work/game.log" 2>&1 &
game_pid=$!

# 1. The menu comes up with "Nová hra" chosen: Enter starts a new game.
keys_to "$menu_title" Return
visible_window "$game_title" >/dev/null || fail "Enter on \"Nová hra\" showed no game"
until_hidden "$menu_title" || fail "the menu stayed on screen during the game"
[[ $(level_files) -gt 0 ]] || fail "the new game unpacked no working levels"
echo "menu_e2e: a new game started from the menu ($(level_files) working levels)"

# 2. Esc, then "Uložit" (two down from "Nová hra" now that there is a game),
#    a typed name and Enter in the name box.
keys_to "$game_title" Escape
visible_window "$menu_title" >/dev/null || fail "Esc did not bring the menu back"
keys_to "$menu_title" Down Down Return
save_dialog=$(visible_window "$dialog_title") || fail "\"Uložit\" opened no dialog"
xdotool windowfocus --sync "$save_dialog"
sleep 0.3
xdotool type --delay 100 'Hrad Večer'
xdotool key Return
visible_window "$game_title" >/dev/null || fail "saving did not return to the game"
until_hidden "$dialog_title" || fail "the save dialog stayed open"
for file in "Hrad Večer.lev" "Hrad Večer.pos"; do
    [[ -s $game/data/saves/$file ]] || fail "no $file after saving"
done
echo "menu_e2e: saved as \"Hrad Večer\""

# 3. Esc, then "Nahrát" (one up from "Uložit"), the first save in the list,
#    Enter, and "Ano" to the question about the game under way.
keys_to "$game_title" Escape
visible_window "$menu_title" >/dev/null || fail "Esc did not bring the menu back"
keys_to "$menu_title" Up Return
load_dialog=$(visible_window "$dialog_title") || fail "\"Nahrát\" opened no dialog"
xdotool windowfocus --sync "$load_dialog"
sleep 0.3
xdotool key --delay 150 Down Return
# The question about the game under way; "Ano" is its first button and chosen.
question=$(other_window "$dialog_title" "$load_dialog") || fail "loading during a game asked nothing"
xdotool windowfocus --sync "$question"
sleep 0.3
xdotool key Return
visible_window "$game_title" >/dev/null || fail "loading did not return to the game"
until_hidden "$dialog_title" || fail "a dialog stayed open after loading"
until_hidden "$menu_title" || fail "the menu stayed open after loading"
echo "menu_e2e: loaded \"Hrad Večer\""

# 4. Esc, then "Exit" (two up from "Nahrát", round past "Nová hra").
keys_to "$game_title" Escape
visible_window "$menu_title" >/dev/null || fail "Esc did not bring the menu back"
keys_to "$menu_title" Up Up Return
status=0
for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "the game still runs after \"Exit\""
wait "$game_pid" || status=$?
game_pid=""
[[ $status -eq 0 ]] || fail "the game ended with status $status"

for file in "Hrad Večer.lev" "Hrad Večer.pos"; do
    [[ -s $game/data/saves/$file ]] || fail "$file is gone after the exit"
done
[[ $(level_files) -eq 0 ]] || fail "$(level_files) working level files are left after the exit"
echo "menu_e2e: \"Exit\" ended the game, the save is kept and the working levels are gone"

echo "menu_e2e: PASS"
