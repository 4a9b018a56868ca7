#!/usr/bin/env bash
# A player with a game pad and no keyboard, end to end: the real game on a
# 1280 x 800 screen under openbox (a handheld's), a virtual pad put into it
# (pad_shim, LD_PRELOAD) and pressed through a pipe; not one key event.
#   1. The settings window opens from the menu (Down twice from "Nová hra",
#      then A); the effects' volume lowered there to 50 is heard at once
#      (a menu click measured through OpenAL Soft's wave output, before
#      and after: 12.5 dB lower); full screen switched in its sixth row
#      fills the screen at once; B closes it and setup.ini holds both.
#   2. A new game fills the screen in full screen (at least 95 % of its
#      height).
#   3. A save made from the menu under the name the dialog proposes (A),
#      loaded again from the load list (A), and "Exit".
#
#   pad_only_e2e.sh <dist folder> <pad shim library>
#
# Exits 77 (skipped) when Xvfb, xdotool, openbox, ImageMagick, sox, xprop
# or bc is not installed.
set -euo pipefail

dist=${1:?usage: pad_only_e2e.sh <dist folder> <pad shim library>}
shim=${2:?usage: pad_only_e2e.sh <dist folder> <pad shim library>}
[[ -x $dist/karvelun && -f $dist/libtembra.so ]] || { echo "pad_only_e2e: no game in $dist" >&2; exit 1; }
[[ -f $shim ]] || { echo "pad_only_e2e: no pad at $shim" >&2; exit 1; }
shim=$(realpath "$shim")

e2e_name=pad_only_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool openbox import convert sox soxi xprop bc

e2e_start_xvfb 1280x800x24
e2e_start_openbox
game="$work/game"
e2e_game_folder "$dist" "$game" Ano
# No music, so that the output holds the effects alone.
printf 'Hudba=0\r\n' >>"$game/setup.ini"
audio="$work/out.wav"
e2e_wave_config "$work/alsoft.conf" "$audio"
export ALSOFT_CONF="$work/alsoft.conf" ALSOFT_DRIVERS=wave
pipe="$work/pad"
mkfifo "$pipe"
# Held open both ways, so that writing never waits for the game nor ends
# the check when it has not opened the pipe yet.
exec 9<>"$pipe"
app_log="$work/game.log"

(cd / && KARVELUN_E2E_PAD="$pipe" LD_PRELOAD="$shim" exec "$game/karvelun") >"$app_log" 2>&1 &
app_pid=$!
menu=$(e2e_window "$e2e_menu_title") || fail "no menu"
sleep 1.5  # the pad is plugged in with the game's first look at its pads

# pad <button>...: presses them one after another and waits until they are
# played (80 ms held, 220 ms apart).
pad() {
    printf '%s\n' "$@" >&9
    sleep "$(echo "0.3 * $# + 0.4" | bc)"
}
mark() { stat -c %s "$audio"; }
geometry() { xdotool getwindowgeometry --shell "$1" | awk -F= '/^(WIDTH|HEIGHT)=/ {printf "%s ", $2}'; }

# 1. Down twice from "Nová hra" and A: the settings, opened with the menu's
#    click at full volume.
loud_from=$(mark)
pad down down a
sleep 0.5
loud_to=$(mark)
e2e_window '^Karvelun - nastavení$' >/dev/null ||
    fail "Down twice and A did not open the settings"
# Effects' volume: the second row, ten steps of 5 down to 50.
pad down left left left left left left left left left left
# The sixth row: full screen, at once.
pad down down down down a
sleep 1
read -r w h <<<"$(geometry "$menu")"
[[ $w -eq 1280 && $h -eq 800 ]] || fail "full screen from the settings left the menu at $w x $h"
pad b
e2e_until_files "$game/setup.ini"
grep -q $'^Hlasitost=50\r$' "$game/setup.ini" || fail "setup.ini: $(tr '\r\n' ' |' <"$game/setup.ini")"
grep -q $'^CelaObrazovka=Ano\r$' "$game/setup.ini" || fail "setup.ini holds no full screen"
# Back in the menu on "Nastavení": one down is "Credits", whose click now
# sounds at half the volume; B closes the credits.
quiet_from=$(mark)
pad down a
sleep 0.5
quiet_to=$(mark)
e2e_layer_shown game::Form4 || fail "A on \"Credits\" opened nothing"
pad b

# 2. A new game: three up from "Credits".
pad up up up a
window_id=$(e2e_window "$e2e_game_title") || fail "A on \"Nová hra\" opened no game"
sleep 1.5
read -r w h <<<"$(geometry "$window_id")"
[[ $w -eq 1280 && $h -eq 800 ]] || fail "the game window is $w x $h in full screen"
import -window "$window_id" -depth 8 "$work/game.png"
# The rows of the screen that show the game, not the black around it.
shown=$(convert "$work/game.png" -fuzz 2% -trim -format '%h' info:)
((shown * 100 >= 95 * 800)) || fail "the game covers $shown of 800 rows"

# 3. The welcome's notice closed with A; Back to the menu; "Uložit"; A
#    saves under the proposed name.
pad a back
e2e_window "$e2e_menu_title" >/dev/null || fail "Back did not bring the menu"
saves_before=$(find "$game" -name '*.sav' -o -name '*.pos' | wc -l)
pad up a  # the menu opens at "Zpět"; one up is "Uložit"
e2e_layer_shown game::Form7 || fail "A on \"Uložit\" opened no dialog"
sleep 0.5
pad a
sleep 1.5
saves_after=$(find "$game" -name '*.sav' -o -name '*.pos' | wc -l)
((saves_after > saves_before)) || fail "no save was written ($saves_before before, $saves_after after)"
# The proposed name: the level and the time.
saved=$(find "$game" -name '0 patro [0-9][0-9]-[0-9][0-9].pos' | head -n1)
[[ -n $saved ]] || fail "the save is not named by its level and time: $(find "$game" -name '*.pos')"
# Then "Nahrát" (two up from "Zpět"), the save chosen, A loads it.
e2e_window "$e2e_game_title" >/dev/null || fail "saving did not go back to the game"
pad back
pad up up a
e2e_layer_shown game::Form6 || fail "A on \"Nahrát\" opened no dialog"
sleep 0.5
pad a
# "Opravdu chcete ztratit neuloženou hru?" opens at "Ne"; Left goes to
# "Ano", A answers.
e2e_layer_shown game::Form5 || fail "loading over the game asked nothing"
pad left a
sleep 1.5
e2e_window "$e2e_game_title" >/dev/null || fail "loading did not bring the game"
echo "pad_only_e2e: saved and loaded \"$(basename "$saved" .pos)\""

# "Exit" (three down from "Zpět"), by the pad too; the question about the
# game under way is answered "Ano".  The sound device closes and the wave
# file gets its length.
pad back down down down a
e2e_layer_shown game::Form5 || fail "\"Exit\" during the game asked nothing"
pad left a
e2e_until_ended "$app_pid" || fail "the game still runs after \"Exit\""
app_pid=""
[[ $e2e_ended_with -eq 0 ]] || fail "the game ended with status $e2e_ended_with"

# The clicks: the game's volume scale spans 25 dB from 100 down to 0, so
# 50 plays 12.5 dB below 100.
rate=$(soxi -r "$audio")
frame_bytes=$(($(soxi -c "$audio") * $(soxi -b "$audio") / 8))
header=$(($(stat -c %s "$audio") - $(soxi -s "$audio") * frame_bytes))
seconds() { echo "scale=3; ($1 - $header) / ($rate * $frame_bytes)" | bc; }
peak_db() {
    local from to peak
    from=$(seconds "$1") to=$(seconds "$2")
    peak=$(sox "$audio" -n trim "$from" "$(echo "$to - $from" | bc)" stat 2>&1 |
        awk '/Maximum amplitude/ {print $3}')
    awk -v p="$peak" 'BEGIN { if (p <= 0) print -999; else printf "%.1f\n", 20 * log(p) / log(10) }'
}
loud=$(peak_db "$loud_from" "$loud_to")
quiet=$(peak_db "$quiet_from" "$quiet_to")
drop=$(echo "$loud - $quiet" | bc)
echo "pad_only_e2e: click at 100 peaks at $loud dBFS, at 50 at $quiet dBFS ($drop dB lower)"
awk -v d="$drop" 'BEGIN { exit !(d >= 11 && d <= 14) }' ||
    fail "the effects' volume 50 lowered the click by $drop dB, not about 12.5"
echo "pad_only_e2e: PASS"
