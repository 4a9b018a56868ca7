#!/usr/bin/env bash
# Predcitani=Ano with the real speech-dispatcher and espeak-ng: a private
# speech-dispatcher (its own socket, configuration and log, sound into
# libao's null output) and the real game on its own Xvfb display; the hero
# steps on a sign and speech-dispatcher's own log shows it was given the
# sign's text to read, in Czech.  Then the same with no speech-dispatcher
# at the address: the game says so in one line and plays on.
#
#   speech_e2e.sh <dist folder> <access_hall program>
#
# Exits 77 (skipped) when Xvfb, xdotool, speech-dispatcher or espeak-ng is
# not installed, or Qt's speech-dispatcher plugin is missing.
set -euo pipefail

dist=${1:?usage: speech_e2e.sh <dist folder> <access_hall>}
hall=${2:?usage: speech_e2e.sh <dist folder> <access_hall>}
[[ -x $dist/karvelun ]] || { echo "speech_e2e: no game at $dist" >&2; exit 1; }

e2e_name=speech_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool speech-dispatcher espeak-ng
plugin=$(find /usr/lib -path '*qt6/plugins/texttospeech/libqtexttospeech_speechd.so' 2>/dev/null | head -n1)
[[ -n $plugin ]] || { echo "speech_e2e: Qt's speech-dispatcher plugin is not installed, skipping"; exit 77; }
module=$(find /usr/lib -name sd_espeak-ng -type f 2>/dev/null | head -n1)
[[ -n $module ]] || { echo "speech_e2e: speech-dispatcher's espeak-ng module is not installed, skipping"; exit 77; }

sign="Pozor na netopýry!"
spd="$work/speechd"
mkdir -p "$spd/conf/modules" "$spd/log" "$spd/home"
cat >"$spd/conf/speechd.conf" <<CONF
LogLevel 5
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
: >"$spd/conf/modules/espeak-ng.conf"
# No sound card here: libao's null output takes what espeak-ng says.
echo 'default_driver=null' >"$spd/home/.libao"
HOME="$spd/home" speech-dispatcher --run-single --log-level 5 --log-dir "$spd/log" \
    --communication-method unix_socket --socket-path "$spd/socket" --pid-file "$spd/pid" \
    --config-dir "$spd/conf" --module-dir "$(dirname "$module")" --timeout 0 \
    >"$spd/out.log" 2>&1 &
spd_pid=$!
trap 'kill "$spd_pid" 2>/dev/null || true; e2e_cleanup' EXIT
for _ in $(seq 100); do
    [[ -S $spd/socket ]] && break
    kill -0 "$spd_pid" 2>/dev/null || { cat "$spd/out.log" >&2; fail "speech-dispatcher did not start"; }
    sleep 0.1
done
[[ -S $spd/socket ]] || fail "speech-dispatcher made no socket"

e2e_start_xvfb 1024x768x24
game="$work/game"
e2e_game_folder "$dist" "$game" Ne
"$hall" campaign "$game/data/levels.all" || fail "the hall could not be written"
rm -f "$game/data/levels.en"
printf 'Predcitani=Ano\r\n' >>"$game/setup.ini"

# The hero steps left onto the sign.
play_onto_sign() {
    e2e_new_game
    xdotool keydown Left
    sleep 0.25
    xdotool keyup Left
}

export SPEECHD_ADDRESS="unix_socket:$spd/socket"
play_onto_sign
read_aloud=""
for _ in $(seq 100); do
    if grep -aq "Command sent to output module: |.*$sign" "$spd"/log/speech-dispatcher.log 2>/dev/null; then
        read_aloud=yes
        break
    fi
    sleep 0.1
done
[[ -n $read_aloud ]] || fail "speech-dispatcher was never given the sign's text to read"
grep -a "Command sent to output module: |.*$sign" "$spd"/log/speech-dispatcher.log | head -n1 |
    sed "s/^/speech_e2e: speech-dispatcher: /"
e2e_leave_game "$window_id"

# No speech-dispatcher where the game looks: one line, and the game plays on.
export SPEECHD_ADDRESS="unix_socket:$work/nobody-listens"
app_log="$work/silent.log"
play_onto_sign
sleep 2
e2e_keys_to "$window_id" F5
e2e_until_files "$game/data/saves/quick.lev" || fail "without speech-dispatcher the game stopped answering"
told=$(grep -c '^karvelun: .*read' "$app_log" || true)
[[ $told -eq 1 ]] || fail "without speech-dispatcher the game told $told lines, not one"
grep '^karvelun: .*read' "$app_log" | sed 's/^/speech_e2e: the game: /'
e2e_leave_game "$window_id"
echo "speech_e2e: PASS"
