#!/usr/bin/env bash
# The game's music end to end, on its own Xvfb display with a copy of the
# built dist folder and OpenAL Soft writing its output into a wave file:
#   1. the menu plays its theme, at -34 to -22 dBFS RMS at the default
#      volumes;
#   2. a new game (level 0) plays act I's piece, not the menu's;
#   3. a Pause lowers it to 40 % (about 8 dB) while it goes on;
#   4. back in the menu, Zvuky switched to Ne in the settings window is
#      silence at once, and Ano again brings the menu's theme back.
# Which piece sounds, and how loud against the piece's own file, is found by
# music_probe, which matches a stretch of the output against the pieces.
# Stretches are timed by the wave file's length at the moment.
#
#   music_e2e.sh <dist folder> <music_probe program>
#
# Exits 77 (skipped) when Xvfb, xdotool, sox or soxi is not installed.
set -euo pipefail

dist=${1:?usage: music_e2e.sh <dist folder> <music_probe program>}
probe=${2:?usage: music_e2e.sh <dist folder> <music_probe program>}
[[ -x $dist/karvelun ]] || { echo "music_e2e: no game at $dist/karvelun" >&2; exit 1; }
[[ -f $dist/libtembra.so ]] || { echo "music_e2e: no sound library in $dist" >&2; exit 1; }
[[ -f $dist/data/hudba/menu.ogg && -f $dist/data/hudba/act1.ogg ]] ||
    { echo "music_e2e: no music in $dist/data/hudba" >&2; exit 1; }

e2e_name=music_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool sox soxi
app_log="$work/game.log"
e2e_start_xvfb 1024x768x24

game="$work/game"
e2e_game_folder "$dist" "$game" Ano
audio="$work/out.wav"
e2e_wave_config "$work/alsoft.conf" "$audio"
export ALSOFT_CONF="$work/alsoft.conf" ALSOFT_DRIVERS=wave

# The bytes written so far: a moment of the output, turned into seconds
# once the file is closed and its format known.
mark() { stat -c %s "$audio"; }

(cd / && exec "$game/karvelun") >"$app_log" 2>&1 &
app_pid=$!
e2e_focus menu "$e2e_menu_title"
sleep 2.5  # the theme rises over 1.5 s
menu_from=$(mark)
sleep 3
menu_to=$(mark)

xdotool key Return
e2e_focus window_id "$e2e_game_title"
sleep 3  # the cross-fade and the new game's cue are over
level_from=$(mark)
sleep 3
level_to=$(mark)

e2e_keys_to "$window_id" Pause
sleep 0.8  # the music sinks over 0.2 s
pause_from=$(mark)
sleep 3
pause_to=$(mark)
e2e_keys_to "$window_id" Pause

e2e_keys_to "$window_id" Escape
e2e_focus menu "$e2e_menu_title"
xdotool key --delay 150 Down Return  # the menu opens at Zpět, Nastavení under it
e2e_focus settings '^Karvelun - nastavení$'
sleep 2  # the menu's theme is back
xdotool key Right  # Zvuky: Ne
sleep 0.5
off_from=$(mark)
sleep 3
off_to=$(mark)
xdotool key Right  # Zvuky: Ano
sleep 1
on_from=$(mark)
sleep 3
on_to=$(mark)
xdotool key Escape
e2e_keys_to "$menu" Down Down Return  # from Nastavení past Credits to Exit
# Losing the game under way is asked, at Ne; Ano is left of it.
e2e_answer_question "$menu" Left Return || fail "Exit during the game asked nothing"
e2e_until_ended "$app_pid" || fail "the game still runs after Exit"
app_pid=""

[[ -s $audio ]] || fail "no audio file was written"
rate=$(soxi -r "$audio" 2>/dev/null)
frame_bytes=$(($(soxi -c "$audio" 2>/dev/null) * $(soxi -b "$audio" 2>/dev/null) / 8))
header=$(($(stat -c %s "$audio") - $(soxi -s "$audio" 2>/dev/null) * frame_bytes))
seconds() { echo "scale=3; ($1 - $header) / ($rate * $frame_bytes)" | bc; }
span() { echo "$(seconds "$1") $(echo "$(seconds "$2") - $(seconds "$1")" | bc)"; }

# The RMS of a stretch in dBFS.
rms_db() {
    local rms
    rms=$(sox "$audio" -n trim "$1" "$2" stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
    awk -v r="$rms" 'BEGIN { if (r <= 0) print -999; else printf "%.1f\n", 20 * log(r) / log(10) }'
}
# The probe's line for one piece: correlation, offset, gain.
probe_piece() { "$probe" "$audio" "$1" "$2" "$dist/data/hudba/$3.ogg" | awk '{print $2, $3, $4}'; }
within() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }

read -r m_start m_len <<<"$(span "$menu_from" "$menu_to")"
read -r l_start l_len <<<"$(span "$level_from" "$level_to")"
read -r p_start p_len <<<"$(span "$pause_from" "$pause_to")"
read -r off_start off_len <<<"$(span "$off_from" "$off_to")"
read -r on_start on_len <<<"$(span "$on_from" "$on_to")"

menu_db=$(rms_db "$m_start" "$m_len")
level_db=$(rms_db "$l_start" "$l_len")
pause_db=$(rms_db "$p_start" "$p_len")
read -r menu_corr _ _ <<<"$(probe_piece "$m_start" 2 menu)"
read -r level_corr _ level_gain <<<"$(probe_piece "$l_start" 2 act1)"
read -r level_as_menu _ _ <<<"$(probe_piece "$l_start" 2 menu)"
read -r pause_corr _ pause_gain <<<"$(probe_piece "$p_start" 2 act1)"
drop=$(echo "$level_gain - $pause_gain" | bc)
off_db=$(rms_db "$off_start" "$off_len")
read -r on_corr _ _ <<<"$(probe_piece "$on_start" 2 menu)"
echo "music_e2e: menu ${menu_db} dBFS RMS (theme match $menu_corr);" \
    "level 0 ${level_db} dBFS (act I match $level_corr, menu match $level_as_menu);" \
    "paused ${pause_db} dBFS (act I match $pause_corr), lowered by $drop dB against the piece;" \
    "Zvuky Ne ${off_db} dBFS; Ano again: theme match $on_corr"

within "$menu_db" -34 -22 || fail "the menu's music measures $menu_db dBFS RMS, not -34 to -22"
within "$menu_corr" 0.8 1 || fail "the menu does not play its theme (match $menu_corr)"
within "$level_corr" 0.8 1 || fail "level 0 does not play act I's piece (match $level_corr)"
within "$level_as_menu" -1 0.5 || fail "level 0 still sounds like the menu (match $level_as_menu)"
within "$pause_corr" 0.8 1 || fail "the paused game's music is not act I's piece (match $pause_corr)"
within "$drop" 6.5 9.5 || fail "a Pause lowers the music by $drop dB, not about 8"
within "$off_db" -999 -60 || fail "with Zvuky Ne the music still measures $off_db dBFS RMS"
within "$on_corr" 0.8 1 || fail "Zvuky Ano again does not play the menu's theme (match $on_corr)"
echo "music_e2e: PASS"
