#!/usr/bin/env bash
# A signal while the game starts up, end to end: the real game on its own
# Xvfb display, with a stand-in sound library that writes down what it is
# asked (sound_probe.cpp) and its loading notice held at one step
# (KARVELUN_HOLD_LOADING), where SIGTERM comes.
#
#   1. As the notice shows, before the sound library is registered: the
#      library is asked nothing at all, neither then nor later.
#   2. Once the sound device is open: the device is closed, the library
#      unregistered and its object released, each once, and nothing opens
#      after.
#
# Both times the program ends with status 0 at once, without a menu, its
# lock and its mark of a run under way gone, and the next start asks
# nothing.
#
#   startup_signal_e2e.sh <dist folder> <probe library>
#
# Exits 77 (skipped) only when Xvfb or xdotool is not installed.
set -euo pipefail

dist=${1:?usage: startup_signal_e2e.sh <dist folder> <probe library>}
probe=${2:?usage: startup_signal_e2e.sh <dist folder> <probe library>}
[[ -x $dist/karvelun ]] || { echo "startup_signal_e2e: no game at $dist/karvelun" >&2; exit 1; }

e2e_name=startup_signal_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool
# A Czech desktop: the terminal's question, were one asked, reads "Hra …".
export LANGUAGE=cs

game="$work/game"
e2e_game_folder "$dist" "$game" Ano
cp "$probe" "$game/libtembra.so"
levels="$game/data/levels"
e2e_start_xvfb 1024x768x24

# signal_at <step> <what the library was asked, one line each>...
signal_at() {
    local step=$1 asked
    shift
    local probe_log="$work/probe-$step.log"
    app_log="$work/start-$step.log"
    (cd / && KARVELUN_HOLD_LOADING=$step KARVELUN_SOUND_PROBE_LOG=$probe_log \
        exec "$game/karvelun") >"$app_log" 2>&1 &
    app_pid=$!
    for _ in $(seq 300); do
        grep -q "loading notice holds at step $step" "$app_log" && break
        kill -0 "$app_pid" 2>/dev/null || fail "the game ended before its loading notice held"
        sleep 0.1
    done
    grep -q "loading notice holds at step $step" "$app_log" ||
        fail "the loading notice did not hold at step $step"
    kill -TERM "$app_pid"
    e2e_until_ended "$app_pid" || fail "the game still runs after SIGTERM at step $step"
    app_pid=""
    [[ $e2e_ended_with -eq 0 ]] ||
        fail "SIGTERM at step $step ended the game with status $e2e_ended_with"
    asked=$(cat "$probe_log" 2>/dev/null | tr '\n' ' ' || true)
    [[ $asked == "$*${*:+ }" ]] ||
        fail "SIGTERM at step $step: the library was asked \"$asked\", not \"$*\""
    [[ ! -e $levels/karvelun.lock ]] || fail "SIGTERM at step $step left the lock behind"
    [[ ! -e $levels/karvelun.run ]] || fail "SIGTERM at step $step left the mark of a run under way"
    echo "startup_signal_e2e: SIGTERM at step $step: status 0, the library asked: ${*:-nothing}"
}

signal_at 0
signal_at 1 registered made opened closed unregistered released

# The start after asks nothing and shows the menu; the library is opened
# and closed once more, in order, when "Exit" ends it.
app_log="$work/after.log"
(cd / && KARVELUN_SOUND_PROBE_LOG="$work/probe-after.log" exec "$game/karvelun") >"$app_log" 2>&1 &
app_pid=$!
menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "the start after showed no menu"
! grep -q 'karvelun: Hra' "$app_log" || fail "the start after asked: $(grep 'karvelun: Hra' "$app_log")"
e2e_keys_to "$menu" Up Return
e2e_until_ended "$app_pid" || fail "the game still runs after \"Exit\""
app_pid=""
[[ $e2e_ended_with -eq 0 ]] || fail "\"Exit\" ended the game with status $e2e_ended_with"
[[ $(tr '\n' ' ' <"$work/probe-after.log") == "registered made opened closed unregistered released " ]] ||
    fail "the start after asked the library \"$(tr '\n' ' ' <"$work/probe-after.log")\""

echo "startup_signal_e2e: PASS"
