#!/usr/bin/env bash
# Ending on a signal and going on after an unclean end, end to end, with the
# real game on its own Xvfb display and a campaign of two open halls (made by
# open_campaign), the first with an exit right beside the hero's start.
#
#   1. SIGTERM in the menu with no game: the game ends as "Exit" does
#      (status 0, the lock and its mark of a run under way gone), writing no
#      autosave.  The start has removed a temporary folder of a run that is
#      gone.
#   2. A new game, the hero walked onto the exit: his arrival on level 1 is
#      autosaved.  SIGKILL, as a crash would end it.
#   3. The next start asks whether to go on from the arrival on level 1,
#      before any menu; Enter loads it and the hero stands where he arrived
#      (the autosave of the load's arrival holds his values from before the
#      kill).  SIGTERM during play: an autosave first, then the same end.
#   4. The next start asks the system's question; "Ne" shows the menu.  A new
#      game, Esc to the menu, SIGHUP: an autosave of the suspended game first,
#      then the same end.
#   5. Asked again, Enter goes on; SIGHUP during play, the same.
#   6. Asked again; "Ne", then "Exit": a clean end, the autosaves kept.  The
#      start after that asks nothing; SIGINT ends it in its menu.
#
#   signals_e2e.sh <dist folder> <open_campaign program>
#
# Exits 77 (skipped) only when Xvfb or xdotool is not installed.
set -euo pipefail

dist=${1:?usage: signals_e2e.sh <dist folder> <open_campaign program>}
open_campaign=${2:?usage: signals_e2e.sh <dist folder> <open_campaign program>}
[[ -x $dist/karvelun ]] || { echo "signals_e2e: no game at $dist/karvelun" >&2; exit 1; }

e2e_name=signals_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool
# A Czech desktop: the shipped setup.ini chooses no language, so the game's
# terminal speaks Czech too.
export LANGUAGE=cs

game="$work/game"
e2e_game_folder "$dist" "$game" Ne
"$open_campaign" "$game/data/levels.all" two-levels || fail "the test campaign could not be written"
levels="$game/data/levels"
saves="$game/data/saves"
lock="$levels/karvelun.lock"
marker="$levels/karvelun.run"
asked_line='karvelun: Hra'

e2e_start_xvfb 1024x768x24
# The game's temporary folders, one left by a process that is gone.
export TMPDIR="$work/tmp"
sh -c 'exit 0' &
gone_pid=$!
wait "$gone_pid"
stale="$TMPDIR/karvelun-level-$gone_pid-AbC123"
mkdir -p "$stale/levels"

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

# menu_without_question <what>: the menu comes and no question was asked.
menu_without_question() {
    local menu
    menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "$1 showed no menu"
    ! grep -q "$asked_line" "$app_log" || fail "$1 asked: $(grep "$asked_line" "$app_log")"
    echo "$menu"
}

# asked <what> <question>: the start asks that question before any menu;
# prints the question window's id.
asked() {
    local what=$1 question=$2 id
    for _ in $(seq 300); do
        grep -q "$asked_line" "$app_log" && break
        kill -0 "$app_pid" 2>/dev/null || fail "$what ended without asking"
        sleep 0.1
    done
    grep -qF "karvelun: $question" "$app_log" ||
        fail "$what did not ask \"$question\" (it said: $(grep "$asked_line" "$app_log" || true))"
    # The loading notice, of the same title, is hidden as the question comes.
    sleep 1
    [[ -z $(xdotool search --all --onlyvisible --pid "$app_pid" --name "$e2e_menu_title" 2>/dev/null) ]] ||
        fail "$what showed the menu with its question"
    id=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Karvelun$' 2>/dev/null | tail -n1)
    [[ -n $id ]] || fail "$what shows no question window"
    echo "$id"
}

# end_by_signal <what> <signal> <autosaved: yes|no>: the signal ends the game
# as "Exit" does; with "yes" an autosave is written first, the mark then says
# the system ended the game.
end_by_signal() {
    local what=$1 signal=$2 autosaved=$3 written
    touch "$work/stamp"
    sleep 0.05
    kill -s "$signal" "$app_pid"
    e2e_until_ended "$app_pid" || fail "$what still runs after SIG$signal"
    app_pid=""
    [[ $e2e_ended_with -eq 0 ]] || fail "$what ended with status $e2e_ended_with after SIG$signal"
    [[ -z $(find "$levels" -maxdepth 1 -name 'level*.sc') ]] || fail "$what left its working levels"
    [[ ! -e $lock ]] || fail "$what left its lock behind"
    written=$(find "$saves" -maxdepth 1 -name 'auto-*.pos' -newer "$work/stamp" 2>/dev/null || true)
    if [[ $autosaved == yes ]]; then
        [[ -n $written ]] || fail "$what wrote no autosave on SIG$signal"
        grep -q 'ended by the system' "$marker" 2>/dev/null ||
            fail "$what left no mark of its end by the system"
    else
        [[ -z $written ]] || fail "$what wrote an autosave with no game under way"
        [[ ! -e $marker ]] || fail "$what left its mark of a run under way"
    fi
    echo "signals_e2e: SIG$signal ended $what with status 0, working levels and lock gone" \
        "(autosave: $autosaved)"
}

# 1. SIGTERM in the menu, no game under way.
start_copy first
menu_without_question "the first start" >/dev/null
[[ -f $marker ]] || fail "the running game holds no $marker"
[[ ! -e $stale ]] || fail "the start left $stale of a process that is gone"
end_by_signal "the game in its menu" TERM no

# 2. A new game, the hero onto the exit to level 1, then SIGKILL.
start_copy second
menu=$(menu_without_question "a start after an end by signal without a game")
touch "$work/stamp"
e2e_keys_to "$menu" Return
e2e_focus window_id "$e2e_game_title" "$app_pid"
until_autosave_after "$work/stamp" 0 >/dev/null || fail "the new game wrote no autosave of level 0"
touch "$work/stamp"
xdotool keydown Right
sleep 0.7
xdotool keyup Right
arrival=$(until_autosave_after "$work/stamp" 1) || fail "the arrival on level 1 wrote no autosave"
hero=$(hero_of "$arrival")
kill -KILL "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
echo "signals_e2e: the arrival on level 1 was autosaved in $(basename "$arrival"), then the game was killed"

# 3. Asked after the kill; Enter goes on from the arrival.  SIGTERM in play.
start_copy third
question=$(asked "the start after the kill" "Hra nebyla řádně ukončena. Pokračovat od posledního příchodu? 1. patro: Podzemní řeka")
touch "$work/stamp"
e2e_keys_to "$question" Return
e2e_focus window_id "$e2e_game_title" "$app_pid"
loaded=$(until_autosave_after "$work/stamp" 1) || fail "going on wrote no autosave of its arrival on level 1"
[[ $(hero_of "$loaded") == "$hero" ]] ||
    fail "going on put the hero at $(hero_of "$loaded"), not where he arrived ($hero)"
echo "signals_e2e: Enter went on from the arrival on level 1, the hero where he arrived"
sleep 0.5
end_by_signal "the game in play" TERM yes

# 4. The system's question; "Ne" shows the menu.  SIGHUP with a suspended game.
start_copy fourth
question=$(asked "the start after SIGTERM" "Hra byla ukončena systémem. Pokračovat tam, kde jsi přestal?")
e2e_keys_to "$question" Right Return
menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "\"Ne\" did not show the menu"
e2e_keys_to "$menu" Return
e2e_focus window_id "$e2e_game_title" "$app_pid"
sleep 0.5
e2e_keys_to "$window_id" Escape
e2e_window "$e2e_menu_title" "$app_pid" >/dev/null || fail "Esc did not bring the menu"
sleep 0.5
end_by_signal "the game suspended in its menu" HUP yes

# 5. Asked again; Enter goes on, SIGHUP during play.
start_copy fifth
question=$(asked "the start after SIGHUP" "Hra byla ukončena systémem. Pokračovat tam, kde jsi přestal?")
e2e_keys_to "$question" Return
e2e_focus window_id "$e2e_game_title" "$app_pid"
sleep 1
end_by_signal "the game gone on with, in play" HUP yes

# 6. Asked again; "Ne" keeps the autosaves, "Exit" ends cleanly.  SIGINT in
#    the menu of the start after.
start_copy sixth
before=$(cd "$saves" && md5sum auto-*)
question=$(asked "the start after SIGHUP in play" "Hra byla ukončena systémem. Pokračovat tam, kde jsi přestal?")
e2e_keys_to "$question" Right Return
menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "\"Ne\" did not show the menu"
e2e_keys_to "$menu" Up Return
e2e_until_ended "$app_pid" || fail "the game still runs after \"Exit\""
app_pid=""
[[ $e2e_ended_with -eq 0 ]] || fail "\"Exit\" ended the game with status $e2e_ended_with"
[[ ! -e $marker ]] || fail "\"Exit\" left the mark of a run under way"
[[ "$(cd "$saves" && md5sum auto-*)" == "$before" ]] || fail "\"Ne\" changed the autosaves"
echo "signals_e2e: \"Ne\" kept the autosaves and \"Exit\" ended the game cleanly"
start_copy seventh
menu_without_question "the start after \"Exit\"" >/dev/null
end_by_signal "the game in the menu after a clean end" INT no

echo "signals_e2e: PASS"
