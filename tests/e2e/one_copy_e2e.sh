#!/usr/bin/env bash
# One copy of the game per folder, end to end, on its own Xvfb display.
#
# A first copy starts a new game, so that its working levels fill
# data/levels.  A second copy started from the same folder must show the box
# "Karvelun už běží." and nothing else; Enter closes it and the copy ends with
# status 1, leaving the first copy's working levels exactly as they were.
# The first copy then quick-saves the whole campaign with F5.  After the first
# copy is killed (SIGKILL, as a crash would end it, leaving its lock file
# behind) a third copy starts, asks whether to go on from the autosave of
# the first copy's new game, shows the menu on "Ne" and ends cleanly through
# "Exit".
#
#   one_copy_e2e.sh <dist folder>
#
# Exits 77 (skipped) only when Xvfb or xdotool is not installed.
set -euo pipefail

dist=${1:?usage: one_copy_e2e.sh <dist folder>}
[[ -x $dist/karvelun ]] || { echo "one_copy_e2e: no game at $dist/karvelun" >&2; exit 1; }
[[ -f $dist/data/levels.all ]] || { echo "one_copy_e2e: no campaign in $dist/data" >&2; exit 1; }

e2e_name=one_copy_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool
# A Czech desktop: the shipped setup.ini chooses no language, so the game's
# terminal speaks Czech too.
export LANGUAGE=cs
app_log="$work/first.log"

# Copies other than the first, ended with the rest at the end.
others=()
trap 'for pid in "${others[@]}"; do kill "$pid" 2>/dev/null || true; done; e2e_cleanup' EXIT

game="$work/game"
e2e_game_folder "$dist" "$game" Ne
levels="$game/data/levels"
lock="$levels/karvelun.lock"

e2e_start_xvfb 1024x768x24

box_title='^Karvelun$'

start_copy() {
    (cd / && exec "$game/karvelun") >"$work/$1.log" 2>&1 &
}

# Every file of the working-level folder with its checksum.
levels_snapshot() {
    (cd "$levels" && find . -maxdepth 1 -type f -print0 | sort -z | xargs -0 md5sum)
}

# Every file of the save folder (the first copy's autosaves) with its checksum.
saves_snapshot() {
    [[ -d $game/data/saves ]] || return 0
    (cd "$game/data/saves" && find . -type f -print0 | sort -z | xargs -0 -r md5sum)
}

# 1. The first copy: a new game from the menu.
start_copy first
app_pid=$!
first_menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "the first copy showed no menu"
e2e_keys_to "$first_menu" Return
first_game=$(e2e_window "$e2e_game_title" "$app_pid") || fail "the first copy started no game"
level_count=$(find "$levels" -maxdepth 1 -name 'level*.sc' | wc -l)
[[ $level_count -gt 1 ]] || fail "the new game unpacked $level_count working levels"
[[ -f $lock ]] || fail "the running copy holds no $lock"
before=$(levels_snapshot)
# The new game's arrival is autosaved at the end of its first frame.
e2e_until_files "$game/data/saves/auto-1.lev" "$game/data/saves/auto-1.pos" ||
    fail "the first copy's new game wrote no autosave"
saves_before=$(saves_snapshot)
echo "one_copy_e2e: the first copy plays with $level_count working levels"

# 2. A second copy on the same folder: the box, and nothing else.
start_copy second
second_pid=$!
others+=("$second_pid")
e2e_refused "$second_pid" "the second copy"
[[ "$(levels_snapshot)" == "$before" ]] || fail "the second copy changed the working levels"
[[ "$(saves_snapshot)" == "$saves_before" ]] || fail "the second copy wrote into data/saves"
kill -0 "$app_pid" 2>/dev/null || fail "the first copy ended with the second"
echo "one_copy_e2e: a second copy said \"Karvelun už běží.\" and ended with status 1, touching nothing"

# 3. The first copy still quick-saves the whole campaign.  One packed level
#    is a few kilobytes; a package of the level in memory alone was the fault.
e2e_keys_to "$first_game" F5
quick="$game/data/saves/quick.lev"
e2e_until_files "$quick" "$game/data/saves/quick.pos" ||
    fail "F5 in the first copy wrote no quick save"
quick_size=$(stat -c %s "$quick")
[[ $quick_size -gt $((level_count * 4000)) ]] ||
    fail "the quick save of $level_count levels is only $quick_size bytes"
echo "one_copy_e2e: the first copy quick-saved $level_count levels in $quick_size bytes"

# 4. The first copy dies holding the lock; a third copy takes it over.
kill -KILL "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
[[ -f $lock ]] || fail "the killed copy left no lock behind"
app_log="$work/third.log"
start_copy third
app_pid=$!
# It asks, before any menu, whether to go on (its log names the question);
# the loading notice, of the same title, is gone by then.
for _ in $(seq 300); do
    grep -q 'karvelun: Hra nebyla řádně ukončena' "$app_log" && break
    kill -0 "$app_pid" 2>/dev/null || fail "the third copy ended without asking"
    sleep 0.1
done
grep -q 'karvelun: Hra nebyla řádně ukončena' "$app_log" || fail "the third copy did not ask to go on"
sleep 1
[[ -z $(xdotool search --all --onlyvisible --pid "$app_pid" --name "$e2e_menu_title" 2>/dev/null) ]] ||
    fail "the third copy showed its menu with the question"
question=$(xdotool search --all --onlyvisible --pid "$app_pid" --name "$box_title" 2>/dev/null | tail -n1)
[[ -n $question ]] || fail "the third copy shows no question"
e2e_keys_to "$question" Right Return
third_menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "a third copy after the crash showed no menu"
echo "one_copy_e2e: after the first copy was killed a third one started, asked to go on and took \"Ne\""

# "Exit" is one up from "Nová hra" without a game.
e2e_keys_to "$third_menu" Up Return
e2e_until_ended "$app_pid" || fail "the third copy still runs after \"Exit\""
app_pid=""
[[ $e2e_ended_with -eq 0 ]] || fail "the third copy ended with status $e2e_ended_with"
[[ ! -e $lock ]] || fail "the third copy left its lock behind"
echo "one_copy_e2e: \"Exit\" ended the third copy and released the lock"

echo "one_copy_e2e: PASS"
