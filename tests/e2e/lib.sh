# Shared pieces of the end-to-end checks, sourced by each script after it has
# set e2e_name:
#   - a scratch folder $work, removed at the end with every process started,
#     and a home folder of its own inside it (HOME, no XDG variables), and
#     an English desktop (LANG=C.UTF-8);
#   - fail: says what went wrong (with the program's log, if any) and exits 1;
#   - e2e_skip_without: exits 77 (skipped) when a tool is not installed;
#   - e2e_start_xvfb: a private Xvfb display for the programs under test;
#     e2e_start_openbox: a window manager on it, once it manages the screen;
#   - e2e_game_folder: a game folder made from a build's dist folder;
#   - e2e_window, e2e_focus, e2e_keys_to: finding the programs' windows and
#     typing into them; e2e_focused_box: a message box that took the keyboard; e2e_until_ended: waiting for a program's end;
#     e2e_until_files: waiting for files the program writes;
#     e2e_new_game, e2e_leave_game: a new game from the menu, and "Exit";
#     e2e_refused: a copy that shows only its box and ends with status 1;
#   - e2e_shoot, e2e_region, e2e_colours: a screenshot of the game window,
#     its parts and how many colours they show; e2e_until_drawn: waiting
#     for the game's field to be drawn;
#   - e2e_hero_walked_right: the hero of a new game moved right, nothing else;
#   - e2e_layer_shown, e2e_layer_hidden: a dialog drawn inside the full
#     screen's one window, told by the game's layer log; e2e_top_levels:
#     how many windows of a program are on the screen.

work=$(mktemp -d "${TMPDIR:-/tmp}/${e2e_name}.XXXXXX")
# A home of the check's own: a program that takes its folder for an installed
# one writes there, never into the real player's.
export HOME="$work/home"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_STATE_HOME
# The terminal speaks the desktop's language where setup.ini chooses none:
# English here, whatever the caller's desktop speaks, unless a check asks
# for Czech (LANGUAGE=cs).
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES
mkdir -p "$HOME"
# Where the game notes the layers it shows inside its full-screen window.
export KARVELUN_LAYER_LOG="$work/layers.log"
xvfb_pid=""
openbox_pid=""
app_pid=""   # the program under test
app_log=""   # its output, shown when a check fails

e2e_cleanup() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n $openbox_pid ]] && kill "$openbox_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap e2e_cleanup EXIT

fail() {
    echo "$e2e_name: FAIL: $*" >&2
    [[ -n $app_log && -f $app_log ]] && sed "s/^/$e2e_name: program: /" "$app_log" >&2
    [[ -f $KARVELUN_LAYER_LOG ]] && sed "s/^/$e2e_name: layer: /" "$KARVELUN_LAYER_LOG" >&2
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
# Xvfb picks a free display number itself and writes it to the descriptor
# once it takes connections, so parallel runs never fight over one.  It must
# not reset when its last client leaves: a program that connects while the
# server resets (the next one a check starts right after the last ended) is
# refused and aborts.  The programs use the display through Qt's X11
# platform, whatever the caller's environment says.
e2e_start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
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

# e2e_start_openbox
# openbox on the display, with no user's configuration or session manager;
# returns once it announces itself on the root window as the screen's
# manager, so that the first window a check opens is already managed.  A
# start that fails at once (seen now and then on a busy machine) is tried
# again.  Needs xprop.
e2e_wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
e2e_start_openbox() {
    local attempt
    mkdir -p "$work/openbox-home"
    for attempt in 1 2 3; do
        HOME="$work/openbox-home" XDG_CONFIG_HOME="$work/openbox-home/.config" \
            openbox --sm-disable >"$work/openbox.log" 2>&1 &
        openbox_pid=$!
        for _ in $(seq 100); do
            e2e_wm_ready && return 0
            kill -0 "$openbox_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$openbox_pid" 2>/dev/null || true
        wait "$openbox_pid" 2>/dev/null || true
        echo "$e2e_name: openbox did not start (attempt $attempt): $(cat "$work/openbox.log")" >&2
        openbox_pid=""
    done
    fail "openbox did not take the screen"
}

# e2e_wave_config CONF WAV: an OpenAL Soft configuration in CONF that writes
# everything the game plays into the wave file WAV instead of a sound card.
e2e_wave_config() {
    cat >"$1" <<CONF
[general]
drivers=wave
[wave]
file=$2
CONF
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

# The titles of the game's two main windows.
e2e_menu_title='^Orvane Karvelun v1\.01$'
e2e_game_title='^Orvane Karvelun v1\.02$'

# e2e_window <title> [pid]
# Prints the id of a visible window whose title matches (of process <pid>
# only, when given), waiting up to 60 s for it.  Fails (status 1) when none
# comes or when the process watched, <pid> or else $app_pid, has ended.
e2e_window() {
    local title=$1 pid=${2:-} id
    local watched=${pid:-$app_pid}
    local search=(xdotool search --onlyvisible --name "$title")
    [[ -n $pid ]] && search=(xdotool search --all --onlyvisible --pid "$pid" --name "$title")
    for _ in $(seq 600); do
        id=$("${search[@]}" 2>/dev/null | head -n1 || true)
        [[ -n $id ]] && { echo "$id"; return 0; }
        [[ -n $watched ]] && ! kill -0 "$watched" 2>/dev/null && return 1
        sleep 0.1
    done
    return 1
}

# e2e_focused_box
# Prints the id of the game's message box (title "Karvelun") once it has
# the keyboard, waiting up to 60 s; fails when none comes or $app_pid ends.
# The box is told by the focus rather than by its title alone: another
# window of the program may carry the same title.
e2e_focused_box() {
    local id name
    for _ in $(seq 600); do
        id=$(xdotool getwindowfocus 2>/dev/null || true)
        if [[ -n $id ]]; then
            name=$(xdotool getwindowname "$id" 2>/dev/null || true)
            [[ $name == Karvelun ]] && { echo "$id"; return 0; }
        fi
        [[ -n $app_pid ]] && ! kill -0 "$app_pid" 2>/dev/null && return 1
        sleep 0.1
    done
    return 1
}

# e2e_focus <variable> <title> [pid]
# Waits for the window, gives it the keyboard and keeps its id in <variable>.
# A window takes keys only a moment after it has the focus.
e2e_focus() {
    local _e2e_id
    _e2e_id=$(e2e_window "$2" "${3:-}") || fail "no window $2"
    xdotool windowfocus --sync "$_e2e_id"
    sleep 0.3
    printf -v "$1" '%s' "$_e2e_id"
}

# e2e_keys_to <window id> <key>...
# Gives the window the keyboard and presses the keys, a little apart.
e2e_keys_to() {
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

# e2e_until_files <file>...
# Waits up to ten seconds for every file to be there and not empty.  The
# game writes its files beside and renames them into place, so a file that
# is there is whole.
e2e_until_files() {
    local file missing
    for _ in $(seq 100); do
        missing=""
        for file in "$@"; do
            [[ -s $file ]] || { missing=$file; break; }
        done
        [[ -z $missing ]] && return 0
        sleep 0.1
    done
    return 1
}

# e2e_new_game
# Starts the game of the folder $game (its output into $app_log, by default
# $work/game.log), takes "Nová hra" from the menu with Enter and waits for
# the game window: its id in $window_id, the process in $app_pid.
e2e_new_game() {
    local menu
    app_log=${app_log:-$work/game.log}
    (cd / && exec "$game/karvelun") >"$app_log" 2>&1 &
    app_pid=$!
    e2e_focus menu "$e2e_menu_title"
    xdotool key Return
    e2e_focus window_id "$e2e_game_title"
}

# e2e_layer_shown <class> / e2e_layer_hidden <class>
# Waits up to ten seconds until the layer of that class (game::Form5, the
# question) was last shown, or hidden, inside the full-screen window.
e2e_layer_state() { grep " $1\$" "$KARVELUN_LAYER_LOG" 2>/dev/null | tail -n1 | cut -d' ' -f1; }
e2e_layer_shown() {
    for _ in $(seq 100); do
        [[ $(e2e_layer_state "$1") == shown ]] && return 0
        sleep 0.1
    done
    return 1
}
e2e_layer_hidden() {
    for _ in $(seq 100); do
        [[ $(e2e_layer_state "$1") != shown ]] && return 0
        sleep 0.1
    done
    return 1
}

# e2e_top_levels <pid>
# The number of the program's windows on the screen now.
e2e_top_levels() {
    xdotool search --all --onlyvisible --pid "$1" --name '.*' 2>/dev/null | wc -l
}

# e2e_answer_question <window under it> <key>...
# The question asked over the window: its own window in a window, a layer
# of it in full screen; gives it the keys.
e2e_answer_question() {
    local under=$1 id
    shift
    for _ in $(seq 100); do
        id=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Karvelun$' 2>/dev/null |
            head -n1 || true)
        [[ -n $id ]] && { e2e_keys_to "$id" "$@"; return 0; }
        [[ $(e2e_layer_state game::Form5) == shown ]] && { e2e_keys_to "$under" "$@"; return 0; }
        sleep 0.1
    done
    return 1
}

# e2e_leave_game <game window> [<what>]
# Esc from the game to the menu, which opens at "Zpět"; then "Exit" (three
# down), and "Ano" (left of "Ne", where the question opens) to losing the
# game: the program $app_pid must end with status 0.
e2e_leave_game() {
    local what=${2:-the game} menu
    e2e_keys_to "$1" Escape
    menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "Esc did not bring the menu of $what"
    e2e_keys_to "$menu" Down Down Down Return
    e2e_answer_question "$menu" Left Return || fail "\"Exit\" during $what asked nothing"
    e2e_until_ended "$app_pid" || fail "$what still runs after \"Exit\""
    app_pid=""
    [[ $e2e_ended_with -eq 0 ]] || fail "$what ended with status $e2e_ended_with"
}

# e2e_refused <pid> <what>
# The program shows the game's box (title "Karvelun") and never its menu;
# Enter closes the box and the program ends with status 1.
e2e_refused() {
    local pid=$1 what=$2 box
    box=$(e2e_window '^Karvelun$' "$pid") || fail "$what showed no box"
    sleep 1
    [[ -z $(xdotool search --all --onlyvisible --pid "$pid" --name "$e2e_menu_title" 2>/dev/null) ]] ||
        fail "$what opened its menu"
    kill -0 "$pid" 2>/dev/null || fail "$what ended before its box was closed"
    e2e_keys_to "$box" Return
    e2e_until_ended "$pid" || fail "$what still runs after its box was closed"
    [[ $e2e_ended_with -eq 1 ]] || fail "$what ended with status $e2e_ended_with, not 1"
}

# e2e_shoot <file>
# The game window's client area, 779 x 516, as raw RGB bytes.
e2e_shot_width=779
e2e_shot_height=516
e2e_shoot() {
    import -window "$window_id" -depth 8 "rgb:$1" 2>>"$work/import.log" ||
        fail "no screenshot: $(cat "$work/import.log")"
    local size
    size=$(stat -c %s "$1")
    [[ $size -eq $((e2e_shot_width * e2e_shot_height * 3)) ]] ||
        fail "screenshot $1 of $size bytes, not $e2e_shot_width x $e2e_shot_height"
}

# e2e_region <file> <x> <y> <w> <h>
# The bytes of a rectangle (window pixels) of a screenshot, row by row.
e2e_region() {
    local file=$1 x=$2 y=$3 w=$4 h=$5 row
    for ((row = y; row < y + h; row++)); do
        od -An -v -tu1 -j $(((row * e2e_shot_width + x) * 3)) -N $((w * 3)) "$file"
    done
}

# e2e_colours <file> <x> <y> <w> <h>
# The number of distinct colours in a rectangle of a screenshot.
e2e_colours() {
    e2e_region "$@" | tr -s ' ' '\n' | grep -v '^$' | paste -d, - - - | sort -u | wc -l
}

# e2e_until_drawn <file>
# Takes screenshots of the game window $window_id into the file until its
# field shows the colours of a drawn level (10 s at most): a window on the
# screen is not yet a window painted.
e2e_until_drawn() {
    for _ in $(seq 50); do
        e2e_shoot "$1"
        (($(e2e_colours "$1" 8 8 500 500) >= 8)) && return 0
        sleep 0.2
    done
    return 1
}

# A new game puts the hero's 15 x 15 box at tile 591's corner + 2, that is
# (322, 462) in the play field, which sits at (8, 8) in the window.
e2e_hero_x=$((8 + 322))
e2e_hero_y=$((8 + 462))

# e2e_hero_walked_right <screenshot at the start> <screenshot after walking>
# Fails unless the hero left his starting place for the strip to its right
# while the floor away from his path stayed as it was.
e2e_hero_walked_right() {
    local before=$1 after=$2 x=$e2e_hero_x y=$e2e_hero_y
    [[ "$(e2e_region "$before" "$x" "$y" 15 15)" != "$(e2e_region "$after" "$x" "$y" 15 15)" ]] ||
        fail "the hero's starting place looks the same after walking"
    [[ "$(e2e_region "$before" $((x + 15)) "$y" 150 15)" != \
       "$(e2e_region "$after" $((x + 15)) "$y" 150 15)" ]] ||
        fail "the hero did not arrive to the right of his start"
    [[ "$(e2e_region "$before" 8 $((y - 60)) 500 20)" == \
       "$(e2e_region "$after" 8 $((y - 60)) 500 20)" ]] ||
        fail "the field changed away from the hero's path"
}
