#!/usr/bin/env bash
# The English edition end to end, read off the screen (tesseract): the real
# game and settings tool under openbox on their own Xvfb display.
#   1. With Jazyk=en the menu says "New game" and "Settings", the greeting
#      sign of level 0 ("Floor 0: ...") stands in the log, and the settings
#      tool says "Sound", "Save and quit", "Keys" and "Defaults", its
#      language chosen as "English".
#   2. With Jazyk=cs the menu is Czech; switching the language in the game's
#      settings window (its ninth row, "Jazyk") makes the menu English as
#      soon as the window closes.
# The screenshots are left in $KARVELUN_E2E_SHOTS when that is set.
#
#   english_e2e.sh <dist folder>
#
# Exits 77 (skipped) when Xvfb, xdotool, openbox, ImageMagick or tesseract
# is not installed.
set -euo pipefail

dist=${1:?usage: english_e2e.sh <dist folder>}
[[ -x $dist/karvelun && -x $dist/setup ]] || { echo "english_e2e: no programs in $dist" >&2; exit 1; }

e2e_name=english_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool openbox import convert tesseract xprop

e2e_start_xvfb 1280x800x24
e2e_start_openbox
game="$work/game"
shots=${KARVELUN_E2E_SHOTS:-$work}
mkdir -p "$shots"

# read_window <window id> <name> [<geometry>] [light]: the window's text (or
# a part of it, WxH+X+Y in its pixels) as tesseract reads it, enlarged
# three times, the game's letters of any colour on dark turned black on
# white (a "light" window, the settings tool's, is only made grey).
read_window() {
    import -window "$1" "$shots/$2.png" 2>>"$work/import.log" || fail "no screenshot of $2"
    local crop=() look=(-colorspace HSB -channel B -separate +channel -negate -threshold 60%)
    [[ -n ${3:-} ]] && crop=(-crop "$3" +repage)
    [[ ${4:-} == light ]] && look=(-colorspace Gray)
    convert "$shots/$2.png" "${crop[@]}" -resize 300% "${look[@]}" "$work/$2-ocr.png"
    tesseract "$work/$2-ocr.png" - -l eng --psm 6 2>/dev/null | tr '\n' ' '
}
# The menu's column of items, and the game window's log and panel.
menu_items=160x270+25+135
log_and_panel=259x300+515+5
expect_text() {  # expect_text <what> <text read> <word>...
    local what=$1 text=$2
    shift 2
    for word in "$@"; do
        grep -qiF "$word" <<<"$text" || fail "$what does not say \"$word\"; read: $text"
    done
}

# 1. English from the start.
e2e_game_folder "$dist" "$game" Ne
printf 'Jazyk=en\r\n' >>"$game/setup.ini"
app_log="$work/game.log"
(cd / && exec "$game/karvelun") >"$app_log" 2>&1 &
app_pid=$!
e2e_focus menu "$e2e_menu_title"
sleep 1
expect_text "the English menu" "$(read_window "$menu" menu-en "$menu_items")" "New game" "Settings" "Exit"
xdotool key Return
e2e_focus window_id "$e2e_game_title"
sleep 1.5
# The hero starts on the greeting sign, which the log keeps.
expect_text "the game window" "$(read_window "$window_id" level0-en "$log_and_panel")" "Floor 0" "Lives"
e2e_leave_game "$window_id"

cp "$dist/setup" "$game/setup"
(cd / && exec "$game/setup") >"$work/setup.log" 2>&1 &
app_pid=$!
e2e_focus tool '^Orvane Setup v1\.0$'
expect_text "the settings tool" "$(read_window "$tool" setup-en "" light)" "Sound" "Save and quit" \
    "Keys" "Defaults" "English"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true

# 2. Czech, then English chosen in the game's settings window.
e2e_game_folder "$dist" "$game" Ne
(cd / && exec "$game/karvelun") >"$app_log" 2>&1 &
app_pid=$!
e2e_focus menu "$e2e_menu_title"
sleep 1
czech=$(read_window "$menu" menu-cs "$menu_items")
expect_text "the Czech menu" "$czech" "hra" "Exit"
grep -qiF "New game" <<<"$czech" && fail "the Czech menu reads English: $czech"
xdotool key --delay 150 Down Down Return
e2e_focus settings '^Karvelun - nastavení$'
xdotool key --delay 120 Down Down Down Down Down Down Down Down Right Escape
sleep 1
expect_text "the menu after choosing English" "$(read_window "$menu" menu-switched "$menu_items")" "New game" "Settings"
grep -q $'^Jazyk=en\r$' "$game/setup.ini" || fail "setup.ini does not keep English"
e2e_keys_to "$menu" Down Down Return  # from "Nastavení" past "Credits"
e2e_until_ended "$app_pid" || fail "the game still runs after Exit"
app_pid=""
echo "english_e2e: PASS"
