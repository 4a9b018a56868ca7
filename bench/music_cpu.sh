#!/usr/bin/env bash
# The processor time the running game takes in a window at its 60 frames a
# second with the music playing, against the same run with Hudba=0 (no
# stream): a new game of the campaign, the hero standing, sound on through
# OpenAL Soft's null output (it mixes in real time like a sound card's).
# Prints the share of one core of each run; figures, not checks.
#
#   music_cpu.sh <dist folder> [seconds]
#
# Exits 77 when Xvfb or xdotool is not installed.
set -euo pipefail

dist=${1:?usage: music_cpu.sh <dist folder> [seconds]}
seconds=${2:-20}

e2e_name=music_cpu
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
e2e_skip_without Xvfb xdotool
app_log="$work/game.log"
e2e_start_xvfb 1024x768x24
export ALSOFT_DRIVERS=null
unset ALSOFT_CONF

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }

# measure <Hudba value>: the share of one core over $seconds of play.
measure() {
    game="$work/game$1"
    e2e_game_folder "$dist" "$game" Ano
    printf 'Zvetseni=1\r\nCelaObrazovka=Ne\r\nHudba=%s\r\n' "$1" >>"$game/setup.ini"
    e2e_new_game
    sleep 3  # the start and the cross-fade are over
    local before start after stop
    before=$(cpu_ticks)
    start=$(date +%s.%N)
    sleep "$seconds"
    after=$(cpu_ticks)
    stop=$(date +%s.%N)
    kill -0 "$app_pid" 2>/dev/null || fail "the game ended during the measurement"
    echo "scale=1; 100 * ($after - $before) / $ticks / ($stop - $start)" | bc
    e2e_leave_game "$window_id" >/dev/null
}

with=$(measure 70)
without=$(measure 0)
echo "music_cpu: the game in a window took ${with} % of one core with the music (Hudba=70)," \
    "${without} % without it (Hudba=0), over ${seconds} s each"
