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
#   3. With Jazyk=en a game killed after its first autosave: the next start
#      asks on the terminal in English, naming the floor as its greeting
#      does; "No", then the load dialog names the autosave's floor so too,
#      and the credits read English.
#   4. A try-out of level 0 exported as a Tiled map, one sign's Czech
#      changed without an English text: the log shows "Floor 0", and the
#      terminal names the sign left Czech.
# The screenshots (the menu, a sign over the field, the question, the load
# dialog, the credits) are left in $KARVELUN_E2E_SHOTS when that is set.
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
# 3. Killed, asked in English; the load dialog and the credits.
e2e_game_folder "$dist" "$game" Ne
printf 'Jazyk=en\r\n' >>"$game/setup.ini"
app_log="$work/killed.log"
e2e_new_game
# The greeting floats over the hero as he arrives.
sleep 0.4
read_window "$window_id" sign-en >/dev/null
e2e_until_files "$game/data/saves/auto-1.lev" "$game/data/saves/auto-1.pos" ||
    fail "the new game wrote no autosave"
sleep 0.5
kill -KILL "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_log="$work/asked.log"
: >"$app_log"
(cd / && exec "$game/karvelun") >"$app_log" 2>&1 &
app_pid=$!
question='karvelun: The game was not shut down properly. Carry on from your last arrival? Floor 0: The Cave Mouth (auto-1)'
for _ in $(seq 300); do
    grep -qF "$question" "$app_log" && break
    kill -0 "$app_pid" 2>/dev/null || fail "the start after the kill ended without asking"
    sleep 0.1
done
grep -qF "$question" "$app_log" || fail "the terminal did not ask \"$question\": $(cat "$app_log")"
box=$(e2e_focused_box) || fail "the question shows no window"
expect_text "the question" "$(read_window "$box" question-en)" "Floor 0" "Cave Mouth"
e2e_keys_to "$box" Right Return
e2e_focus menu "$e2e_menu_title"
xdotool key Down Return
load=$(e2e_focused_box) || fail "the load dialog did not open"
sleep 0.5
expect_text "the load dialog" "$(read_window "$load" load-en)" "Floor 0" "Cave Mouth" "Play time"
# "Back" (the list has the keys, as in the original): a click on it.
xdotool mousemove --window "$load" 250 188 click 1
e2e_focus menu "$e2e_menu_title"
# The menu still has "Load" chosen: two down is "Credits".
xdotool key --delay 150 Down Down Return
credits=$(e2e_focused_box) || fail "the credits did not open"
sleep 0.5
expect_text "the credits" "$(read_window "$credits" credits-en)" "Dug out for you" "Karvelun team"
e2e_keys_to "$credits" Escape
e2e_focus menu "$e2e_menu_title"
e2e_keys_to "$menu" Down Return
e2e_until_ended "$app_pid" || fail "the game still runs after Exit"
app_pid=""

# 4. A try-out of an exported level in English.
e2e_game_folder "$dist" "$game" Ne
printf 'Jazyk=en\r\n' >>"$game/setup.ini"
cp "$dist/karvelun-levels" "$game/"
"$dist/karvelun-levels" export "$dist/data/levels.all" --level 0 --tilesets "$dist/data/tiled" \
    "$work/maps/level0.tmx" || fail "level 0 could not be exported"
sed -i 's|value="Tahle skála zní dutě..."|value="Tahle skála zní velmi dutě..."|' "$work/maps/level0.tmx"
sed -i 's|<property name="text_en" value="This rock sounds hollow..."/>||' "$work/maps/level0.tmx"
app_log="$work/tryout.log"
(cd / && exec "$game/karvelun" --level "$work/maps/level0.tmx") >"$app_log" 2>&1 &
app_pid=$!
e2e_focus window_id "$e2e_game_title"
sleep 1.5
expect_text "the try-out's game window" "$(read_window "$window_id" tryout-en "$log_and_panel")" \
    "Floor 0" "Lives"
grep -q 'karvelun: Level 0, tile [0-9]*: the text “Tahle skála zní velmi dutě...” has no English and stays in Czech' \
    "$app_log" || fail "the terminal did not name the sign without English: $(cat "$app_log")"
[[ $(grep -c 'has no English' "$app_log") -eq 1 ]] || fail "more than one text was told: $(cat "$app_log")"
e2e_leave_game "$window_id" "the try-out"
echo "english_e2e: PASS"
