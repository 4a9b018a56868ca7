#!/usr/bin/env bash
# Autosaves that never harm a save, end to end, with the real game on its own
# Xvfb display and a campaign of two open halls whose exits lead from one to
# the other (made by open_campaign round-trip).
#
#   1. A player's own save named auto-1, written as the game wrote saves
#      before autosaves (the pair alone, no description; older_save).  A new
#      game, then the hero walks right from hall to hall: at least four
#      arrivals, each autosaved.  auto-1 keeps its bytes and gets no
#      description; the autosaves go round auto-2, auto-3 and auto-4.
#   2. A new game, autosaved on arrival.  The working file of the second hall
#      is deleted and the hero walks through the exit to it: the load error
#      "Chyba během načítání..." shows, and SIGTERM comes while it does.  The
#      game ends writing no autosave of its broken state; the next start offers
#      to go on from the arrival before, on level 0, and Enter puts the hero
#      where that autosave says.
#
#   autosave_e2e.sh <dist folder> <open_campaign program> <older_save program>
#
# Exits 77 (skipped) only when Xvfb or xdotool is not installed.
set -euo pipefail

usage="usage: autosave_e2e.sh <dist folder> <open_campaign program> <older_save program>"
dist=${1:?$usage}
open_campaign=${2:?$usage}
older_save=${3:?$usage}
[[ -x $dist/karvelun ]] || { echo "autosave_e2e: no game at $dist/karvelun" >&2; exit 1; }

e2e_name=autosave_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool

game="$work/game"
levels="$game/data/levels"
saves="$game/data/saves"
asked_line='karvelun: Hra'
e2e_start_xvfb 1024x768x24

# start_copy <name>: the game of $game, its output in $work/<name>.log.
start_copy() {
    app_log="$work/$1.log"
    (cd / && exec "$game/karvelun") >"$app_log" 2>&1 &
    app_pid=$!
}

# The hero's sixteen values of a position file (its last 48 bytes), and the
# level among them.
hero_of() { tail -c 48 "$1" | od -An -v -tx1 | tr -d ' \n'; }
level_of() { tail -c 48 "$1" | od -An -t d4 -N4 | tr -d ' '; }

# A save's description: saves/about/<the name in hexadecimal>.desc.
description_of() { echo "$saves/about/$(printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n').desc"; }
# The highest autosave number among the descriptions.
newest_number() {
    cat "$saves"/about/*.desc 2>/dev/null | grep -a '^autosave=' | cut -d= -f2 | sort -n | tail -n1
}

# until_autosave_after <stamp file> <level>: waits up to ten seconds for an
# autosave newer than the stamp of that level; prints its position file.
until_autosave_after() {
    local newest
    for _ in $(seq 100); do
        newest=$(find "$saves" -maxdepth 1 -name 'auto-*.pos' -newer "$1" 2>/dev/null |
            xargs -r ls -t | head -n1 || true)
        if [[ -n $newest && $(level_of "$newest") == "$2" ]]; then
            echo "$newest"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# 1. The player's auto-1 through four arrivals and more.
e2e_game_folder "$dist" "$game" Ne
"$open_campaign" "$game/data/levels.all" round-trip || fail "the test campaign could not be written"
"$older_save" "$game" auto-1 || fail "the older save could not be written"
[[ -f $saves/auto-1.lev && -f $saves/auto-1.pos && ! -e $(description_of auto-1) ]] ||
    fail "older_save wrote no pair without a description"
players=$(cd "$saves" && md5sum auto-1.lev auto-1.pos)
start_copy first
menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "the first start showed no menu"
touch "$work/stamp"
e2e_keys_to "$menu" Return
e2e_focus window_id "$e2e_game_title" "$app_pid"
until_autosave_after "$work/stamp" 0 >/dev/null || fail "the new game wrote no autosave"
xdotool keydown Right
for _ in $(seq 100); do
    (($(newest_number || echo 0) >= 5)) && break
    sleep 0.1
done
xdotool keyup Right
arrivals=$(newest_number)
((arrivals >= 5)) || fail "only $arrivals autosaves in ten seconds of walking from hall to hall"
sleep 0.5
e2e_leave_game "$window_id" "the game with the player's auto-1"
[[ "$(cd "$saves" && md5sum auto-1.lev auto-1.pos)" == "$players" ]] ||
    fail "the player's auto-1 changed"
[[ ! -e $(description_of auto-1) ]] || fail "the player's auto-1 was given a description"
for name in auto-2 auto-3 auto-4; do
    [[ -f $saves/$name.lev && -f $saves/$name.pos && -f $(description_of "$name") ]] ||
        fail "no autosave $name beside the player's auto-1"
done
[[ ! -e $saves/auto-5.lev ]] || fail "a fourth autosave beside the three"
echo "autosave_e2e: the player's auto-1 kept its bytes through $((arrivals - 1)) arrivals after the" \
    "new game's; the autosaves went round auto-2 to auto-4"

# 2. SIGTERM at the load error of a level whose working file is gone.
e2e_game_folder "$dist" "$game" Ne
"$open_campaign" "$game/data/levels.all" two-levels || fail "the test campaign could not be written"
start_copy second
menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "the second start showed no menu"
touch "$work/stamp"
e2e_keys_to "$menu" Return
e2e_focus window_id "$e2e_game_title" "$app_pid"
whole=$(until_autosave_after "$work/stamp" 0) || fail "the new game wrote no autosave"
hero=$(hero_of "$whole")
sleep 0.5
rm -f "$levels/level1.sc"
touch "$work/stamp"
sleep 0.05
xdotool keydown Right
box=$(e2e_window '^CHYBA!!$' "$app_pid") || { xdotool keyup Right; fail "no load error was shown"; }
xdotool keyup Right
sleep 0.5
kill -TERM "$app_pid"
e2e_until_ended "$app_pid" || fail "the game still runs after SIGTERM at its load error"
app_pid=""
[[ -z $(find "$saves" -maxdepth 1 -newer "$work/stamp" -name 'auto-*') ]] ||
    fail "SIGTERM at the load error wrote an autosave"
echo "autosave_e2e: SIGTERM at the load error ended the game (status $e2e_ended_with)" \
    "with no autosave written"

start_copy third
for _ in $(seq 300); do
    grep -q "$asked_line" "$app_log" && break
    kill -0 "$app_pid" 2>/dev/null || fail "the start after the load error ended without asking"
    sleep 0.1
done
question="Hra nebyla řádně ukončena. Pokračovat od příchodu do 0. patra?"
grep -qF "karvelun: $question" "$app_log" ||
    fail "the start after the load error did not ask \"$question\" ($(grep "$asked_line" "$app_log" || true))"
sleep 1
id=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Karvelun$' 2>/dev/null | tail -n1)
[[ -n $id ]] || fail "no question window"
touch "$work/stamp"
e2e_keys_to "$id" Return
e2e_focus window_id "$e2e_game_title" "$app_pid"
loaded=$(until_autosave_after "$work/stamp" 0) || fail "going on wrote no autosave of its arrival"
[[ $(hero_of "$loaded") == "$hero" ]] ||
    fail "going on put the hero at $(hero_of "$loaded"), not where the autosave says ($hero)"
e2e_leave_game "$window_id" "the game gone on with"
echo "autosave_e2e: the next start offered the autosave of level 0, and Enter put the hero where it says"

echo "autosave_e2e: PASS"
