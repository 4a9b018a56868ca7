#!/usr/bin/env bash
# The settings tool end to end: the real dist/setup on its own Xvfb display,
# driven with xdotool like a player would, and the setup.ini it leaves behind
# compared byte for byte.
#
#   setup_e2e.sh <path of the built dist/setup>
#
# Exits 77 (skipped) only when Xvfb or xdotool is not installed.
set -euo pipefail

setup_program=${1:?usage: setup_e2e.sh <path of dist/setup>}
[[ -x $setup_program ]] || { echo "setup_e2e: no program at $setup_program" >&2; exit 1; }

e2e_name=setup_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool

e2e_start_xvfb 640x600x24

# On this screen the tool is drawn at 1x (its layout 209 x 542 pixels, the
# window a little wider for its title) and opens in the middle of it.
# Control centres in the window, from their twip positions:
check1=(30 24)    # "Zvuky"
command1=(156 24) # "Uložit a skončit"
check2=(30 170)   # "Celá obrazovka"

# The lines after the old three for an untouched second frame.
key_lines='Klavesa.Nahoru=Up\r\nKlavesa.Dolu=Down\r\nKlavesa.Vlevo=Left\r\nKlavesa.Vpravo=Right\r\nKlavesa.Strelba=Control\r\nKlavesa.Bomba=Space\r\nKlavesa.Pauza=Pause\r\nKlavesa.Menu=Esc\r\nKlavesa.Ulozit=F5\r\nKlavesa.Nahrat=F7\r\nHudba=70\r\n'
view_lines="Zvetseni=auto\\r\\nCelaObrazovka=Ne\\r\\nPauzaPriPrepnuti=Ano\\r\\nPomocNaRozich=Ano\\r\\n$key_lines"

# Starts a copy of the tool in its own dist-like folder ($1) and waits for its
# window; sets window_id.
start_setup() {
    local folder=$1
    # data/ beside a writable tool makes the folder portable: setup.ini there.
    mkdir -p "$folder/data"
    cp "$setup_program" "$folder/setup"
    (cd / && exec "$folder/setup") >"$folder/setup.log" 2>&1 &
    app_pid=$!
    e2e_focus window_id '^Orvane Setup v1\.0$'
}

click() {
    xdotool mousemove --sync --window "$window_id" "$1" "$2" click 1
}

# Waits for the tool to end on its own after the button and checks it ended well.
expect_exit() {
    local folder=$1 status=0
    for _ in $(seq 300); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$app_pid" 2>/dev/null; then
        cat "$folder/setup.log" >&2
        fail "setup still runs after its button"
    fi
    wait "$app_pid" || status=$?
    app_pid=""
    [[ $status -eq 0 ]] || { cat "$folder/setup.log" >&2; fail "setup ended with status $status"; }
}

# expect_file <folder> <printf format of the expected bytes>
expect_file() {
    printf "$2" >"$work/expected"
    cmp "$work/expected" "$1/setup.ini" || {
        echo "expected:" >&2; od -c "$work/expected" >&2
        echo "written:" >&2; od -c "$1/setup.ini" >&2
        fail "setup.ini in $1 differs"
    }
}

# 1. Saving unchanged rewrites a file with odd key names in the canonical form.
case1="$work/unchanged"
mkdir "$case1"
printf 'sound: ANO please\nLoudness: 55\nTICK:123' >"$case1/setup.ini"
start_setup "$case1"
click "${command1[@]}"
expect_exit "$case1"
expect_file "$case1" "Zvuky=Ano\\r\\nHlasitost=55\\r\\nTick=123\\r\\n$view_lines"
echo "setup_e2e: unchanged settings saved canonically"

# 2. No file: the initial states; unchecking "Zvuky" keeps the volume.
case2="$work/nofile"
mkdir "$case2"
start_setup "$case2"
click "${check1[@]}"
click "${command1[@]}"
expect_exit "$case2"
expect_file "$case2" "Zvuky=Ne\\r\\nHlasitost=100\\r\\nTick=0\\r\\n$view_lines"
echo "setup_e2e: sound switched off, volume kept"

# 3. The keyboard: Tab to the volume bar, Left twice; Tab to the tick bar,
#    Right three times; then the button.
case3="$work/keys"
mkdir "$case3"
printf 'Zvuky=Ano\r\nHlasitost=50\r\nTick=10\r\n' >"$case3/setup.ini"
start_setup "$case3"
xdotool key --delay 50 Tab Tab Left Left Tab Right Right Right
click "${command1[@]}"
expect_exit "$case3"
expect_file "$case3" "Zvuky=Ano\\r\\nHlasitost=48\\r\\nTick=13\\r\\n$view_lines"
echo "setup_e2e: arrow keys move the bars the way they point"

# 4. The second frame and Enter: the scale chosen with the keyboard, the
#    fullscreen box clicked, a line of a newer game kept, and Enter on the
#    button saves as Space does.
case4="$work/view"
mkdir "$case4"
printf 'Zvuky=Ano\r\nHlasitost=50\r\nTick=10\r\nKlavesy=W\r\nZvetseni=2\r\n' >"$case4/setup.ini"
start_setup "$case4"
click "${check2[@]}"
# Shift+Tab from the box goes back to the scale's list; Down picks 3×.
xdotool key --delay 50 shift+Tab Down
# Shift+Tab from the list walks back through the bars to the button.
xdotool key --delay 50 shift+Tab shift+Tab shift+Tab Return
expect_exit "$case4"
expect_file "$case4" "Zvuky=Ano\\r\\nHlasitost=50\\r\\nTick=10\\r\\nZvetseni=3\\r\\nCelaObrazovka=Ano\\r\\nPauzaPriPrepnuti=Ano\\r\\nPomocNaRozich=Ano\\r\\n${key_lines}Klavesy=W\\r\\n"
echo "setup_e2e: the second frame saved with Enter, a newer game's line kept"

# 5. A setup.ini that cannot be replaced (a folder in its way): the tool says
#    so in a message box and stays open instead of ending as if it had saved.
case5="$work/blocked"
mkdir -p "$case5/setup.ini"
start_setup "$case5"
click "${command1[@]}"
timeout 60 xdotool search --sync --onlyvisible --name '^CHYBA!$' >/dev/null ||
    fail "no message box after a failed save"
kill -0 "$app_pid" 2>/dev/null || fail "setup ended although nothing was saved"
[[ -d $case5/setup.ini ]] || fail "the folder in the way was touched"
echo "setup_e2e: a failed save is reported and the window stays"

echo "setup_e2e: PASS"
