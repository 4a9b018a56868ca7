#!/usr/bin/env bash
# Recordings end to end, on a copy of the built dist folder under Xvfb:
#   1. a new game played for a few seconds (walking, a bomb, the fire key),
#      then Esc and "Exit": the newest recording in data/replays is whole
#      and the headless verifier confirms every checksum of it;
#   2. a second game killed mid-play: its recording, up to its last flush,
#      still plays, and the verifier calls it incomplete;
#   3. karvelun --replay --speed 0 on the first recording plays it in the
#      game window to its end notice, writes nothing into the saves, and
#      leaves no recording of its own.
#
#   replay_e2e.sh <dist folder> <open_campaign program>
#
# The copy gets a campaign of one open hall (made by open_campaign), so no
# notice of the real campaign stops the keys.
# Exits 77 (skipped) only when Xvfb or xdotool is not installed.
set -euo pipefail

dist=${1:?usage: replay_e2e.sh <dist folder> <open_campaign program>}
open_campaign=${2:?usage: replay_e2e.sh <dist folder> <open_campaign program>}
[[ -x $dist/karvelun && -x $dist/karvelun-levels ]] ||
    { echo "replay_e2e: no game or level tool in $dist" >&2; exit 1; }

e2e_name=replay_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool

game="$work/game"
e2e_game_folder "$dist" "$game" Ne
"$open_campaign" "$game/data/levels.all" || fail "the test campaign could not be written"
replays="$game/data/replays"
e2e_start_xvfb 1024x768x24

verify() {
    "$dist/karvelun-levels" replay "$1" --campaign "$game/data/levels.all"
}

newest() {
    ls -1 "$replays"/hra-*.rec 2>/dev/null | sort | tail -n1
}

start_game() {
    app_log="$work/game$1.log"
    e2e_new_game
    sleep 0.3
    xdotool keydown Right
    sleep 1
    xdotool keyup Right keydown Up
    sleep 0.5
    xdotool keyup Up key space
    xdotool keydown Control_L
    sleep 0.5
    xdotool keyup Control_L keydown Left
    sleep 1
    xdotool keyup Left
    sleep 0.5
}

# 1. Played, left for the menu, "Exit".
start_game 1
echo "replay_e2e: played a few seconds"
e2e_leave_game "$window_id"
first=$(newest)
[[ -n $first ]] || fail "no recording in $replays"
verify "$first" >"$work/verify1.txt" 2>&1 || { cat "$work/verify1.txt" >&2; fail "the verifier refused the game's recording"; }
grep -q '^outcome: the game was left$' "$work/verify1.txt" || fail "outcome: $(cat "$work/verify1.txt")"
frames=$(sed -n 's/^frames: //p' "$work/verify1.txt")
[[ $frames -gt 120 ]] || fail "only $frames frames were recorded"
echo "replay_e2e: the game's recording of $frames frames plays back headless with every checksum"

# 2. Killed mid-game: the recording up to its last flush plays.
start_game 2
sleep 1.5
kill -KILL "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
second=$(newest)
[[ $second != "$first" ]] || fail "the killed game left no recording of its own"
status=0
verify "$second" >"$work/verify2.txt" 2>&1 || status=$?
[[ $status -eq 2 ]] || fail "the verifier said $status for a killed game: $(cat "$work/verify2.txt")"
grep -q 'incomplete after frame' "$work/verify2.txt" || fail "$(cat "$work/verify2.txt")"
killed_frames=$(sed -n 's/^frames: //p' "$work/verify2.txt")
[[ $killed_frames -gt 120 ]] || fail "the killed game's recording plays only $killed_frames frames"
echo "replay_e2e: the killed game's recording plays $killed_frames frames up to its last flush"
# The lock and working levels the killed copy left behind.
rm -rf "$game/data/levels"

# 3. Watched in the window, as fast as it goes.
recordings_before=$(ls -1 "$replays" | wc -l)
# The games played above have autosaved there; watching adds nothing.
saves_snapshot() { (cd "$game/data/saves" 2>/dev/null && find . -type f -print0 | sort -z | xargs -0 -r md5sum) || true; }
saves_before=$(saves_snapshot)
app_log="$work/watch.log"
(cd / && exec "$game/karvelun" --replay "$first" --speed 0) >"$app_log" 2>&1 &
app_pid=$!
e2e_window "$e2e_game_title" >/dev/null && true
for _ in $(seq 600); do
    grep -q 'The recording ended' "$app_log" && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
# The terminal speaks the desktop's English (the notice is Czech).
grep -q 'karvelun: The recording ended: the player left the game\.' "$app_log" || fail "no end notice"
notice=$(e2e_focused_box) || fail "the end notice showed no box"
# The end notice is the only window of that title: the loading notice of the
# start-up has gone.
boxes=$(xdotool search --onlyvisible --name '^Karvelun$' 2>/dev/null | wc -l)
[[ $boxes -eq 1 ]] || fail "$boxes windows titled Karvelun while the end notice shows"
e2e_keys_to "$notice" Return
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "watching did not end after its notice"
status=0
wait "$app_pid" || status=$?
app_pid=""
[[ $status -eq 0 ]] || fail "watching ended with status $status"
[[ $(ls -1 "$replays" | wc -l) -eq $recordings_before ]] || fail "watching made a recording"
[[ "$(saves_snapshot)" == "$saves_before" ]] || fail "watching wrote into the saves"
echo "replay_e2e: karvelun --replay --speed 0 played the recording to its end notice"

# A file that is no recording is refused with a message, and status 2.
printf 'not a recording' >"$work/foreign.rec"
app_log="$work/foreign.log"
(cd / && exec "$game/karvelun" --replay "$work/foreign.rec") >"$app_log" 2>&1 &
app_pid=$!
for _ in $(seq 100); do
    grep -q 'is not a Karvelun recording' "$app_log" && break
    sleep 0.1
done
grep -q 'is not a Karvelun recording' "$app_log" || fail "a foreign file was not refused"
notice=$(e2e_focused_box) || fail "a foreign file showed no box"
e2e_keys_to "$notice" Return
status=0
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
wait "$app_pid" || status=$?
app_pid=""
[[ $status -eq 2 ]] || fail "a foreign file ended with status $status"
echo "replay_e2e: a foreign file is refused"
echo "replay_e2e: PASS"
