# Shared pieces of the end-to-end checks, sourced by each script after it has
# set e2e_name:
#   - a scratch folder $work, removed at the end with every process started,
#     and a home folder of its own inside it (HOME, no XDG variables);
#   - fail: says what went wrong (with the program's log, if any) and exits 1;
#   - e2e_skip_without: exits 77 (skipped) when a tool is not installed;
#   - e2e_start_xvfb: a private Xvfb display for the programs under test;
#   - e2e_game_folder: a game folder made from a build's dist folder;
#   - e2e_window_of, e2e_keys_to_window, e2e_until_ended: a program's
#     window, keys pressed in it, and waiting for the program to end.

work=$(mktemp -d "${TMPDIR:-/tmp}/${e2e_name}.XXXXXX")
# A home of the check's own: a program that takes its folder for an installed
# one writes there, never into the real player's.
export HOME="$work/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_STATE_HOME
mkdir -p "$HOME"
xvfb_pid=""
app_pid=""   # the program under test
app_log=""   # its output, shown when a check fails

e2e_cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap e2e_cleanup EXIT

fail() {
    echo "$e2e_name: FAIL: $*" >&2
    [[ -n $app_log && -f $app_log ]] && sed "s/^/$e2e_name: program: /" "$app_log" >&2
    exit 1
}

e2e_skip_without() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "$e2e_name: $tool is not installed, skipping"
            exit 77
        fi
    done
}

# e2e_start_xvfb <width>x<height>x<depth>
# Xvfb picks a free display number itself and writes it to the descriptor,
# so parallel runs never fight over one.  The programs then use it through
# Qt's X11 platform, whatever the caller's environment says.
e2e_start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s $work/display ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
        sleep 0.1
    done
    [[ -s $work/display ]] || fail "Xvfb gave no display number"
    export DISPLAY=":$(head -n1 "$work/display")"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY KARVELUN_NO_PACING
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}

# e2e_game_folder <dist folder> <game folder> <Ano|Ne>
# The programs and data of a build, none of a player's saves or working
# levels, sound on or off, the default pace.
e2e_game_folder() {
    local dist=$1 game=$2 sound=$3 item
    rm -rf "$game"
    mkdir -p "$game/data"
    cp "$dist/karvelun" "$game/"
    [[ -f $dist/libtembra.so ]] && cp "$dist/libtembra.so" "$game/"
    for item in "$dist"/data/*; do
        case $(basename "$item") in
            saves | levels) ;;
            *) cp -r "$item" "$game/data/" ;;
        esac
    done
    printf 'Zvuky=%s\r\nHlasitost=100\r\nTick=0\r\n' "$sound" >"$game/setup.ini"
}

# e2e_window_of <pid> <title regex>
# The visible window of the process whose title matches, waiting up to
# fifteen seconds for it; fails when the process ends first.
e2e_window_of() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -n1 || true)
        [[ -n $id ]] && { echo "$id"; return 0; }
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# e2e_keys_to_window <window> <key>...
# Gives the window the keyboard and presses the keys.
e2e_keys_to_window() {
    local id=$1
    shift
    xdotool windowfocus --sync "$id"
    sleep 0.3
    xdotool key --delay 150 "$@"
}

# e2e_until_ended <pid>
# Waits up to ten seconds for the process to end; its status in
# $e2e_ended_with.
e2e_until_ended() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$1" 2>/dev/null && return 1
    e2e_ended_with=0
    wait "$1" || e2e_ended_with=$?
}
