#!/usr/bin/env bash
# The game on a large screen under a real window manager: it opens scaled,
# F11 fills the screen with the game centred, a new game is played with the
# keyboard in full screen, F11 again gives the window back; then another
# program taking the keyboard stops time, the field shows "Pauza" over the
# frame, and only Pause starts time again.
#
#   fullscreen_focus_e2e.sh <dist folder> <open_campaign program>
#
# A 3840 x 2160 Xvfb screen with openbox; the game's copy gets a hall with a
# pen of wandering monsters (open_campaign penned), so that the field always
# changes while time runs.  The other program is the settings tool.
# Exits 77 (skipped) only when Xvfb, openbox, xdotool, xprop or ImageMagick
# is not installed.
set -euo pipefail

dist=${1:?usage: fullscreen_focus_e2e.sh <dist folder> <open_campaign program>}
open_campaign=${2:?usage: fullscreen_focus_e2e.sh <dist folder> <open_campaign program>}
[[ -x $dist/karvelun ]] || { echo "fullscreen_focus_e2e: no game at $dist/karvelun" >&2; exit 1; }
[[ -x $dist/setup ]] || { echo "fullscreen_focus_e2e: no settings tool at $dist/setup" >&2; exit 1; }

e2e_name=fullscreen_focus_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb openbox xdotool xprop import convert
app_log="$work/game.log"

screen_width=3840
screen_height=2160
# The windows' sizes before scaling: the game's and the menu's.
game_width=779
game_height=516
menu_width=483
menu_height=416

game="$work/game"
e2e_game_folder "$dist" "$game" Ne
"$open_campaign" "$game/data/levels.all" penned || fail "the test campaign could not be written"
# The settings tool in a folder of its own: it only has to take the keyboard.
mkdir "$work/tool"
cp "$dist/setup" "$work/tool/setup"

e2e_start_xvfb "${screen_width}x${screen_height}x24"

tool_pid=""
stop_helpers() {
    [[ -n $tool_pid ]] && kill "$tool_pid" 2>/dev/null || true
    e2e_cleanup
}
trap stop_helpers EXIT

e2e_start_openbox

# --- helpers ----------------------------------------------------------------

# wait_for <seconds> <command...>: polls the command every 0.1 s.
wait_for() {
    local seconds=$1
    shift
    local end=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}

# find_window <title regex>: the id of the visible window with that title.
# A search fails when a window vanishes while it looks (the menu hiding, say):
# it is then tried again.
find_window() {
    local id="" end=$((SECONDS + 60))
    while [[ -z $id ]] && ((SECONDS < end)); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) || id=""
        [[ -n $id ]] || sleep 0.1
    done
    echo "$id"
}

# geometry <window>: sets win_x, win_y, win_w, win_h (the client area on
# the screen).
geometry() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    win_x=$X win_y=$Y win_w=$WIDTH win_h=$HEIGHT
}

# shoot <file> <x> <y> <w> <h>: a rectangle of the game window as raw RGB
# bytes.  Only that window is read, which is quicker than the whole screen.
shoot() {
    import -window "$game_id" -crop "$4x$5+$2+$3" -depth 8 "rgb:$1" 2>>"$work/import.log" ||
        fail "no screenshot: $(cat "$work/import.log")"
    [[ $(stat -c %s "$1") -eq $(($4 * $5 * 3)) ]] || fail "screenshot $1 has the wrong size"
}

# The play field and the message log in the game window: the field at
# (8, 8) and 500 x 500, the log at (520, 8) and 249 x 97, both times the
# scale; the log's scroll bar at its right is left out.
places() {
    geometry "$game_id"
    scale=$((win_w / game_width))
    field=($((8 * scale)) $((8 * scale)) $((500 * scale)) $((500 * scale)))
    log=($((520 * scale)) $((8 * scale)) $((200 * scale)) $((97 * scale)))
    # The monsters' pen: rows 2 to 9, columns 2 to 22 of the field.
    pen=($((field[0] + 40 * scale)) $((field[1] + 40 * scale)) $((420 * scale)) $((160 * scale)))
}

# Pixels of the "Pauza" caption's own colour along the top edge of the field,
# where the small caption stands.
caption_pixels() {
    local file="$work/top.rgb"
    shoot "$file" "${field[0]}" "${field[1]}" "${field[2]}" $((40 * scale))
    od -An -v -tx1 -w3 "$file" | grep -c '^ ff e0 80$' || true
}
paused_overlay_shown() { (($(caption_pixels) > 40)); }
no_overlay_shown() { (($(caption_pixels) == 0)); }

same_files() { cmp -s "$1" "$2"; }

# The pen changes while time runs: the monsters wander.
pen_changes() {
    shoot "$work/pen-a.rgb" "${pen[@]}"
    sleep 0.2
    shoot "$work/pen-b.rgb" "${pen[@]}"
    ! same_files "$work/pen-a.rgb" "$work/pen-b.rgb"
}

# Keys go to the window that has the keyboard, as a player's would.
press() {
    xdotool key "$@"
}

# --- time stops when another program takes the keyboard ---------------------

# The window covers the whole screen.
covers_screen() {
    geometry "$1"
    ((win_x == 0 && win_y == 0 && win_w == screen_width && win_h == screen_height))
}
# A window again, not the whole screen.
is_window() {
    geometry "$1"
    ((win_w < screen_width && win_h < screen_height))
}

# centred <window> <width> <height>: what the full-screen window shows, all
# but black, is a block of that size in the middle of the screen.  Sets box
# to the block found.
centred() {
    import -window "$1" -depth 8 "ppm:$work/full.ppm" 2>>"$work/import.log" || return 1
    box=$(convert "$work/full.ppm" -bordercolor black -border 1 -format '%@' info:)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]}
    local left=$((BASH_REMATCH[3] - 1)) top=$((BASH_REMATCH[4] - 1))
    box="${w}x${h}+${left}+${top}"
    local right=$((screen_width - left - w)) bottom=$((screen_height - top - h))
    ((w == $2 && h == $3 && left - right <= 1 && right - left <= 1 &&
        top - bottom <= 1 && bottom - top <= 1))
}

# --- scaled, full screen and back ---------------------------------------------

(cd / && exec "$game/karvelun") >"$app_log" 2>&1 &
app_pid=$!
menu_id=$(find_window '^Orvane Karvelun v1\.01$') || fail "the menu did not appear"
[[ -n $menu_id ]] || fail "the menu did not appear"
geometry "$menu_id"
((win_w >= 2 * menu_width)) || fail "the menu opens ${win_w} wide, not scaled"
xdotool windowactivate --sync "$menu_id"
press F11
wait_for 10 covers_screen "$menu_id" || fail "F11 did not make the menu cover the screen"
# The largest whole scale at which the game window fits the screen; the
# menu is shown at the same.
full_scale=$((screen_width / game_width < screen_height / game_height ?
    screen_width / game_width : screen_height / game_height))
box=""
wait_for 10 centred "$menu_id" $((full_scale * menu_width)) $((full_scale * menu_height)) ||
    fail "the full-screen menu shows ${box:-nothing}, not $((full_scale * menu_width)) x $((full_scale * menu_height)) in the middle"
echo "fullscreen_focus_e2e: F11 filled the screen, the menu centred on black at $box"

press Return
game_id=$(find_window '^Orvane Karvelun v1\.02$') || fail "the game window did not appear"
[[ -n $game_id ]] || fail "the game window did not appear"
xdotool windowactivate --sync "$game_id"
wait_for 10 covers_screen "$game_id" || fail "the new game does not cover the screen"
box=""
wait_for 10 centred "$game_id" $((full_scale * game_width)) $((full_scale * game_height)) ||
    fail "the full-screen game shows ${box:-nothing}, not $((full_scale * game_width)) x $((full_scale * game_height)) in the middle"
echo "fullscreen_focus_e2e: the new game fills the screen, the game centred on black at $box"

# Played with the keyboard: Right held for a second walks the hero from his
# start (tile 591's corner + 2, at (322, 462) in the field) to the right.
offset_x=$(((screen_width - full_scale * game_width) / 2))
offset_y=$(((screen_height - full_scale * game_height) / 2))
hero_row=($((offset_x + 8 * full_scale)) $((offset_y + (8 + 455) * full_scale))
    $((500 * full_scale)) $((30 * full_scale)))
shoot "$work/hero-before.rgb" "${hero_row[@]}"
xdotool keydown Right
sleep 1
xdotool keyup Right
shoot "$work/hero-after.rgb" "${hero_row[@]}"
same_files "$work/hero-before.rgb" "$work/hero-after.rgb" &&
    fail "the hero did not move in full screen"
echo "fullscreen_focus_e2e: a new game started and played in full screen"

press F11
wait_for 10 is_window "$game_id" || fail "F11 again did not give the window back"
places
((scale >= 2)) || fail "the game window is ${win_w} wide, not scaled"
echo "fullscreen_focus_e2e: F11 again: a window ${win_w} x ${win_h} at ($win_x, $win_y), scale $scale"

# --- time stops when another program takes the keyboard ---------------------

wait_for 10 pen_changes || fail "nothing moves in the monsters' pen"
# Pause pressed by hand sixteen times fills the log with eight "Čas běží
# dál..." (a pause ended at once leaves that one line), so that the log
# shows the same last lines after every pause from now on.
press --delay 50 Pause Pause Pause Pause Pause Pause Pause Pause \
    Pause Pause Pause Pause Pause Pause Pause Pause
press Pause
wait_for 5 paused_overlay_shown || fail "Pause shows no \"Pauza\" over the field"
shoot "$work/log-paused-by-hand.rgb" "${log[@]}"
press Pause
wait_for 5 no_overlay_shown || fail "the \"Pauza\" caption stays after Pause again"
wait_for 5 pen_changes || fail "time does not run after Pause"

# Another program takes the keyboard.
(cd "$work/tool" && exec ./setup) >"$work/tool.log" 2>&1 &
tool_pid=$!
tool_id=$(find_window '^Orvane Setup v1\.0$') || fail "the settings tool did not appear"
[[ -n $tool_id ]] || fail "the settings tool did not appear"
# Out of the game window's way, so that the field stays in view.
xdotool windowmove --sync "$tool_id" $((screen_width - 300)) 50
xdotool windowactivate --sync "$tool_id"
wait_for 5 paused_overlay_shown || fail "no \"Pauza\" over the field after the focus left the game"
shoot "$work/log-paused-by-focus.rgb" "${log[@]}"
same_files "$work/log-paused-by-hand.rgb" "$work/log-paused-by-focus.rgb" ||
    fail "the log does not end with \"Čas se zastavil...\" as after Pause"
shoot "$work/field-1.rgb" "${field[@]}"
sleep 2
shoot "$work/field-2.rgb" "${field[@]}"
same_files "$work/field-1.rgb" "$work/field-2.rgb" || fail "the field changed in 2 s while paused"
echo "fullscreen_focus_e2e: the focus left the game: time stopped, the log says so, \"Pauza\" shows"

# Coming back does not start time; Pause does.
xdotool windowactivate --sync "$game_id"
sleep 0.5
shoot "$work/field-3.rgb" "${field[@]}"
same_files "$work/field-1.rgb" "$work/field-3.rgb" || fail "time ran again without Pause"
press Pause
wait_for 5 no_overlay_shown || fail "\"Pauza\" stays after Pause"
wait_for 5 pen_changes || fail "time does not run after Pause"
echo "fullscreen_focus_e2e: back in the game, Pause starts time again"

echo "fullscreen_focus_e2e: PASS"
