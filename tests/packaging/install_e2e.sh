#!/usr/bin/env bash
# The installed game played by an ordinary player, on its own Xvfb display.
#
# The build is installed into a temporary prefix owned by root, which the
# player (uid and gid 65534, no other groups) cannot write, and played with
# a home folder of his own, XDG_DATA_HOME set and the other XDG variables
# unset.  The game reaches its menu, a new game's quick save (F5) lands in
# $XDG_DATA_HOME/karvelun/saves/, its working levels in
# ~/.local/state/karvelun/levels/, both folders readable only by him.  A
# second copy started meanwhile shows "Karvelun už běží.", is closed with
# Enter and ends with status 1 while the first plays on; the first ends
# through "Exit".  A level tried with --level from the installed game opens
# straight into play, leaves the player's saves alone and takes its
# temporary folders with it.  Started with neither HOME nor any XDG folder,
# the game has no folder of the player's to work in: it says so in a box
# and ends with status 1, never falling back to "/".  Nothing under the
# prefix changed.
#
#   install_e2e.sh <build folder>
#
# Exits 77 (skipped) when Xvfb, xdotool or setpriv is not installed, or when
# it does not run as root and so cannot become another user.
set -euo pipefail

build=${1:?usage: install_e2e.sh <build folder>}

e2e_name=install_e2e
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
e2e_skip_without Xvfb xdotool setpriv
if [[ $(id -u) -ne 0 ]]; then
    echo "$e2e_name: not root, so the game cannot be run as another user; skipping"
    exit 77
fi

# Copies other than the first, ended with the rest at the end.
others=()
trap 'for pid in "${others[@]}"; do kill "$pid" 2>/dev/null || true; done; e2e_cleanup' EXIT

player_uid=65534
# The player may pass through the scratch folder, but write only his home.
chmod 711 "$work"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }
chmod -R go-w,go+rX "$prefix"
player="$work/player"
mkdir -p "$player/data" "$player/runtime" "$player/tmp"
chown -R "$player_uid:$player_uid" "$player"
chmod 700 "$player/runtime"
if setpriv --reuid=$player_uid --regid=$player_uid --clear-groups test -w "$prefix/bin"; then
    fail "the player can write the prefix"
fi

# Every path under the prefix with its type, mode, size and checksum.
prefix_tree() {
    (cd "$prefix" && find . -printf '%p %y %m %s\n' | sort &&
        find . -type f -print0 | sort -z | xargs -0 md5sum)
}
before=$(prefix_tree)

e2e_start_xvfb 1024x768x24
# The game sees only what a player's desktop session would give it: his
# home and data folder ($player_folders) and the session's basics.
player_folders=(HOME="$player" XDG_DATA_HOME="$player/data")
# A sanitized build keeps the run's sanitizer settings (make test-sanitize).
sanitizer_settings=()
for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [[ -n ${!name:-} ]] && sanitizer_settings+=("$name=${!name}")
done
# start_copy <log name> [<argument>...]
start_copy() {
    local log=$1
    shift
    (cd / && exec setpriv --reuid=$player_uid --regid=$player_uid --clear-groups \
        env -i PATH=/usr/bin:/bin "${player_folders[@]}" \
        XDG_RUNTIME_DIR="$player/runtime" TMPDIR="$player/tmp" DISPLAY="$DISPLAY" \
        QT_QPA_PLATFORM=xcb ALSOFT_DRIVERS=null "${sanitizer_settings[@]}" \
        "$prefix/bin/karvelun" "$@") >"$work/$log.log" 2>&1 &
}

saves="$player/data/karvelun/saves"
levels="$player/.local/state/karvelun/levels"

# 1. The first copy: the menu, a new game, a quick save.
app_log="$work/first.log"
start_copy first
app_pid=$!
menu=$(e2e_window "$e2e_menu_title" "$app_pid") || fail "the installed game showed no menu"
echo "install_e2e: the installed game reached its menu as uid $player_uid"
e2e_keys_to "$menu" Return
game_window=$(e2e_window "$e2e_game_title" "$app_pid") || fail "the installed game started no game"
e2e_keys_to "$game_window" F5
e2e_until_files "$saves/quick.pos" "$saves/quick.lev" || true
[[ -s $saves/quick.pos && -s $saves/quick.lev ]] || fail "F5 wrote no quick save into $saves"
for folder in "$saves" "$levels"; do
    [[ $(stat -c '%u %a' "$folder") == "$player_uid 700" ]] ||
        fail "$folder is not the player's own with mode 700: $(stat -c '%u %a' "$folder")"
done
echo "install_e2e: the quick save landed in \$XDG_DATA_HOME/karvelun/saves"

# 2. A second copy: the box, Enter, status 1; the first plays on.
start_copy second
second_pid=$!
others+=("$second_pid")
e2e_refused "$second_pid" "the second copy"
kill -0 "$app_pid" 2>/dev/null || fail "the first copy ended with the second"
echo "install_e2e: a second copy said so and ended with status 1; the first plays on"

# 3. The first copy ends through "Exit" (one up from the top of the menu).
e2e_leave_game "$game_window"

# 4. A level tried from the installed game: level 0 as a Tiled map, made by
#    the installed level tool from the installed campaign and tilesets.
saves_before=$(cd "$saves" && md5sum quick.pos quick.lev)
map="$player/tmp/level0.tmx"
setpriv --reuid=$player_uid --regid=$player_uid --clear-groups "$prefix/bin/karvelun-levels" \
    export "$prefix/share/karvelun/levels.all" --level 0 --tilesets "$prefix/share/karvelun/tiled" \
    "$map" >"$work/export.log" 2>&1 || { cat "$work/export.log" >&2; fail "level 0 could not be exported"; }
app_log="$work/tryout.log"
start_copy tryout --level "$map"
app_pid=$!
game_window=$(e2e_window "$e2e_game_title" "$app_pid") || fail "the try-out opened no game window"
[[ -n $(find "$player/tmp" -maxdepth 1 -name 'karvelun-*') ]] || fail "the try-out made no temporary folder"
e2e_leave_game "$game_window" "the try-out"
[[ -z $(find "$player/tmp" -maxdepth 1 -name 'karvelun-*') ]] || fail "the try-out left its folders"
[[ "$(cd "$saves" && md5sum quick.pos quick.lev)" == "$saves_before" ]] ||
    fail "the try-out changed the player's quick save"
echo "install_e2e: a level tried with --level from the installed game played and cleaned up"

# 5. Neither HOME nor any XDG folder: no folder of the player's to work in.
player_folders=()
app_log="$work/homeless.log"
start_copy homeless
app_pid=$!
e2e_refused "$app_pid" "a game without a home"
app_pid=""
[[ ! -e /.local && ! -e /.config && ! -e /karvelun ]] || fail "something was made under /"
echo "install_e2e: without HOME the game said it has no folder to work in and ended with status 1"

[[ "$(prefix_tree)" == "$before" ]] || fail "something under the prefix changed"
echo "install_e2e: nothing under the prefix changed"
echo "install_e2e: PASS"
