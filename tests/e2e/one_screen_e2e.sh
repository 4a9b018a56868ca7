#!/usr/bin/env bash
# The game as one screen, end to end, in English under openbox: in full
# screen on a 1280 x 800 screen every dialog is drawn inside the game's one
# window; in a window on 1024 x 768 each dialog is a window of its own,
# centred over the window it belongs to and no wider.  At every step it
# counts the game's windows on the screen.
#   1. The menu; a new game; the first greeting (the sign one step above
#      the start); the help (F1, closed with Esc); the menu by Esc; "Exit"
#      asks and "Ne" (where it opens) keeps the menu; the load dialog, closed
#      with Esc.
#   2. A campaign whose second hall kills the hero soon after he arrives:
#      his arrival is autosaved, the game-over notice, then "Go on from your
#      arrival on floor 1?" over the field, before any menu; Enter (on
#      "Ano") puts him back at his arrival and the game goes on.
#   After the help and after going on, nothing of the dialogs that closed
#   stays drawn on the field.
#
#   one_screen_e2e.sh <dist folder> <open_campaign program> <full | window>
#
# With KARVELUN_E2E_SHOTS naming a folder, a screenshot of the whole screen
# at each step goes there.  Exits 77 (skipped) when Xvfb, xdotool, openbox,
# xprop or ImageMagick (import, convert) is not installed.
set -euo pipefail

dist=${1:?usage: one_screen_e2e.sh <dist folder> <open_campaign program> <full | window>}
open_campaign=${2:?usage: one_screen_e2e.sh <dist folder> <open_campaign program> <full | window>}
view=${3:?usage: one_screen_e2e.sh <dist folder> <open_campaign program> <full | window>}
[[ -x $dist/karvelun ]] || { echo "one_screen_e2e: no game at $dist/karvelun" >&2; exit 1; }

e2e_name=one_screen_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool openbox xprop import convert

if [[ $view == full ]]; then
    e2e_start_xvfb 1280x800x24
    full_screen=Ano
else
    e2e_start_xvfb 1024x768x24
    full_screen=Ne
fi
e2e_start_openbox
game="$work/game"
shots=${KARVELUN_E2E_SHOTS:-}
[[ -n $shots ]] && mkdir -p "$shots"

# A new folder of the build's game, in English, full screen or not.
fresh_game() {
    e2e_game_folder "$dist" "$game" Ne
    printf 'Jazyk=en\r\nCelaObrazovka=%s\r\n' "$full_screen" >>"$game/setup.ini"
}

start_game() {
    app_log="$work/$1.log"
    : >"$KARVELUN_LAYER_LOG"
    (cd / && exec "$game/karvelun") >"$app_log" 2>&1 &
    app_pid=$!
}

shoot() {
    [[ -n $shots ]] || return 0
    sleep 0.4
    import -window root "$shots/$view-$1.png" 2>>"$work/import.log" || true
}

# windows_now <what> <count>: the game shows that many windows.
windows_now() {
    local shown
    shown=$(e2e_top_levels "$app_pid")
    [[ $shown -eq $2 ]] || fail "$1: $shown windows of the game on the screen, not $2: $(
        for id in $(xdotool search --all --onlyvisible --pid "$app_pid" --name '.*'); do
            printf '"%s" ' "$(xdotool getwindowname "$id")"
        done)"
}

centre_of() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} /^WIDTH=/ {w=$2} /^HEIGHT=/ {h=$2}
                 END {print x + int(w / 2), y + int(h / 2), w}'
}

# dialog_open <what> <layer class> <title> <window under it> <shot>
# In full screen the dialog is a layer of the one window, whose caption
# stays; in a window it is a second window centred over the one under it
# and no wider.
dialog_open() {
    local what=$1 class=$2 title=$3 under=$4 caption id
    if [[ $view == full ]]; then
        e2e_layer_shown "$class" || fail "$what: no $class drawn in the game's window"
        windows_now "$what" 1
        caption=$(xdotool getwindowname "$under")
        [[ $caption =~ ^Orvane\ Karvelun\ v1\.0[12]$ ]] || fail "$what: the window is called \"$caption\""
    else
        id=$(e2e_window "$title" "$app_pid") || fail "$what: no window \"$title\""
        windows_now "$what" 2
        read -r dx dy dw <<<"$(centre_of "$id")"
        read -r ux uy uw <<<"$(centre_of "$under")"
        # The frames differ by a title bar at most.
        ((dx - ux < 30 && ux - dx < 30 && dy - uy < 30 && uy - dy < 30)) ||
            fail "$what: its centre ($dx, $dy) is not over its window's ($ux, $uy)"
        ((dw <= uw)) || fail "$what: $dw wide over a window $uw wide"
    fi
    shoot "$5"
}

# keys_to_dialog <title> <window under it> <key>...: the keys go to the
# dialog: through the one window in full screen, to its own in a window.
keys_to_dialog() {
    local title=$1 under=$2 id
    shift 2
    if [[ $view == full ]]; then
        e2e_keys_to "$under" "$@"
    else
        id=$(e2e_window "$title" "$app_pid") || fail "no window \"$title\" for the keys $*"
        e2e_keys_to "$id" "$@"
    fi
}

dialog_closed() {
    if [[ $view == full ]]; then
        e2e_layer_hidden "$2" || fail "$1 did not close"
    else
        for _ in $(seq 100); do
            [[ $(e2e_top_levels "$app_pid") -eq 1 ]] && return 0
            sleep 0.1
        done
        fail "$1 did not close"
    fi
}

# field_clear <what>: nothing of a dialog that closed stays drawn on the
# field: no pixel of the dialogs' orange (the loading notice's "Processing...",
# the question's text, the help's titles) in the left three fifths of the
# game window, where the field lies; the panel right of it has orange names
# of its own.
field_clear() {
    local picture="$work/field.png" orange
    sleep 0.3
    import -window "$game_window" "$picture" 2>>"$work/import.log" ||
        fail "$1: no picture of the game window"
    orange=$(convert "$picture" -gravity NorthWest -crop 60%x100%+0+0 +repage \
        -fill black +opaque '#FF8000' -fill white -opaque '#FF8000' \
        -format '%[fx:round(mean*w*h)]' info:)
    ((orange == 0)) || fail "$1: $orange pixels of a closed dialog's text left on the field"
}

# --- 1. The menu, a game, its greeting and help, the menu again. ---------
fresh_game
start_game first
sleep 2
menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "no menu"
windows_now "the menu" 1
shoot 1-menu
e2e_keys_to "$menu" Return
game_window=$(e2e_window "$e2e_game_title" "$app_pid") || fail "\"New game\" showed no game"
# The greeting is the sign one step above where the hero starts.
sleep 1
xdotool windowfocus --sync "$game_window"
xdotool keydown Up
sleep 0.3
xdotool keyup Up
dialog_open "the first greeting" game::Form2 '^Karvelun$' "$game_window" 2-greeting
keys_to_dialog '^Karvelun$' "$game_window" Return
dialog_closed "the greeting" game::Form2
windows_now "the game" 1
e2e_keys_to "$game_window" F1
dialog_open "the help" game::HelpWindow '^Karvelun - help$' "$game_window" 3-help
keys_to_dialog '^Karvelun - help$' "$game_window" Escape
dialog_closed "the help" game::HelpWindow
field_clear "the field after the help"
e2e_keys_to "$game_window" Escape
menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "Esc did not bring the menu"
sleep 0.5
windows_now "the menu by Esc" 1
shoot 4-menu-by-esc
# "Exit" is three down from "Zpět", where the menu opens during a game.
e2e_keys_to "$menu" Down Down Down Return
dialog_open "\"Exit\" during a game" game::Form5 '^Karvelun$' "$menu" 5-exit-asked
keys_to_dialog '^Karvelun$' "$menu" Return
dialog_closed "the question" game::Form5
sleep 0.5
kill -0 "$app_pid" 2>/dev/null || fail "\"Ne\" to \"Exit\" ended the game"
e2e_window "$e2e_menu_title" "$app_pid" >/dev/null || fail "\"Ne\" to \"Exit\" left no menu"
windows_now "the menu after \"Ne\"" 1
# "Load" is five up from "Exit".
e2e_keys_to "$menu" Up Up Up Up Up Return
dialog_open "the load dialog" game::Form6 '^Karvelun$' "$menu" 6-load
keys_to_dialog '^Karvelun$' "$menu" Escape
dialog_closed "the load dialog" game::Form6
windows_now "the menu after the load dialog" 1
kill -0 "$app_pid" 2>/dev/null || fail "Esc in the load dialog ended the game"
e2e_keys_to "$menu" Down Down Down Down Down Return
e2e_answer_question "$menu" Left Return || fail "\"Exit\" asked nothing the second time"
e2e_until_ended "$app_pid" || fail "the game still runs after \"Exit\" and \"Ano\""
app_pid=""
echo "one_screen_e2e ($view): menu, game, greeting, help, menu, Exit refused, load dialog"

# --- 2. A death, and going on from the arrival. ---------------------------
fresh_game
"$open_campaign" "$game/data/levels.all" deadly || fail "the deadly campaign could not be written"
start_game second
# As in the first game: the menu found once the start-up has settled, not
# a window of the start that is gone by the time the keys come.
sleep 2
menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "no menu for the second game"
e2e_keys_to "$menu" Return
game_window=$(e2e_window "$e2e_game_title" "$app_pid") || fail "no game in the deadly campaign"
sleep 1
# The exit is right beside the start: the arrival on floor 1 is autosaved.
xdotool keydown Right
sleep 0.6
xdotool keyup Right
e2e_until_files "$game/data/saves/auto-1.pos" || fail "no autosave of the arrival"
dialog_open "the game-over notice" game::Form2 '^Karvelun$' "$game_window" 7-death
keys_to_dialog '^Karvelun$' "$game_window" Return
dialog_open "the question after the death" game::Form5 '^Karvelun$' "$game_window" 8-go-on-asked
[[ -z $(xdotool search --all --onlyvisible --pid "$app_pid" --name "$e2e_menu_title" 2>/dev/null) ]] ||
    fail "the menu is shown before the question is answered"
keys_to_dialog '^Karvelun$' "$game_window" Return
dialog_closed "the question after the death" game::Form5
sleep 0.5
e2e_window "$e2e_game_title" "$app_pid" >/dev/null || fail "\"Ano\" did not go on with the game"
[[ -z $(xdotool search --all --onlyvisible --pid "$app_pid" --name "$e2e_menu_title" 2>/dev/null) ]] ||
    fail "\"Ano\" showed the menu"
windows_now "going on from the arrival" 1
shoot 9-going-on
field_clear "the field after going on"
echo "one_screen_e2e ($view): a death, and the game went on from the arrival on floor 1"
echo "one_screen_e2e ($view): PASS"
