#!/bin/bash
# Takes the screenshots of the first two levels as a player sees them after
# walking in: copies a dist folder into a scratch game folder (a player's
# saves are never touched), starts the game under a virtual X server, starts
# a new game from the menu (Enter on "Nová hra") and walks a few steps in
# level 0; then quick-saves, turns the quick save into one that stands on the
# arrival tile of level 1 ("1" in campaign/level1.txt), quick-loads it and
# walks a few steps there.
#
#   take-level-screenshots.sh <dist folder> <output folder>
#
# writes <output folder>/level0.png and level1.png (the whole game window).
set -euo pipefail

usage="usage: take-level-screenshots.sh <dist folder> <output folder>"
dist=$(cd "${1:?$usage}" && pwd)
out=$(realpath -m "${2:?$usage}")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
level1_source="$here/../../campaign/level1.txt"
[[ -x $dist/karvelun ]] || { echo "take-level-screenshots: no game in $dist" >&2; exit 1; }
for tool in xvfb-run xdotool import perl; do
    command -v "$tool" >/dev/null || { echo "take-level-screenshots: $tool is missing" >&2; exit 1; }
done

# The arrival tile of level 1: where "1" stands in its map.
arrival=$(awk '/^\[map\]/ { inmap = 1; row = 0; next }
               /^\[/ { inmap = 0 }
               inmap && length($0) == 25 { col = index($0, "1");
                   if (col) { print col - 1, row; exit } row++ }' "$level1_source")
[[ -n $arrival ]] || { echo "take-level-screenshots: no arrival tile in $level1_source" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/karvelun-screens.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
game="$scratch/game"
mkdir -p "$game/data" "$out"
cp "$dist/karvelun" "$game/"
[[ -f $dist/libtembra.so ]] && cp "$dist/libtembra.so" "$game/"
for item in "$dist"/data/*; do
    case $(basename "$item") in
        saves | levels) ;;
        *) cp -r "$item" "$game/data/" ;;
    esac
done
printf 'Zvuky=Ne\r\nHlasitost=100\r\nTick=0\r\n' >"$game/setup.ini"

export game out arrival
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    set -u
    fail() { echo "take-level-screenshots: $*" >&2; kill "$pid" 2>/dev/null; exit 1; }
    cd "$game"
    ALSOFT_DRIVERS=null ./karvelun >"$game/log" 2>&1 &
    pid=$!
    menu=$(timeout 60 xdotool search --sync --onlyvisible --name "^Orvane Karvelun v1\.01\$" | head -n 1)
    [[ -n $menu ]] || fail "the main menu did not appear"
    xdotool windowfocus --sync "$menu"
    xdotool key Return
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "^Orvane Karvelun v1\.02\$" | head -n 1)
    [[ -n $window ]] || fail "the game window did not appear"
    xdotool windowfocus --sync "$window"
    sleep 1

    # walk <key> <seconds>: holds a direction key as a player would.
    walk() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 0.3; }

    # Level 0: a few steps out of the alcove where the hero starts.
    walk Left 0.6
    walk Up 0.5
    import -window "$window" "$out/level0.png" || fail "no screenshot of level 0"

    # Level 1: the quick save moved onto the arrival tile, then loaded.
    xdotool key F5
    sleep 1
    pos="$game/data/saves/quick.pos"
    [[ -f $pos ]] || fail "the quick save was not written"
    read -r column row <<<"$arrival"
    perl -e '"'"'
        my ($path, $column, $row) = @ARGV;
        open(my $f, "+<:raw", $path) or die "$path: $!";
        read($f, my $head, 2) == 2 or die "short file";
        my $fields = 4 + 2 * unpack("s<", $head);    # after the header string
        seek($f, $fields, 0);
        # the level, then the hero box at the tile corner + 2
        print $f pack("l<f<f<", 1, $column * 20 + 2, $row * 20 + 2);
        close($f) or die "$path: $!";
    '"'"' "$pos" "$column" "$row" || fail "the quick save could not be changed"
    xdotool key F7
    sleep 1.5
    walk Right 0.6
    walk Down 0.4
    import -window "$window" "$out/level1.png" || fail "no screenshot of level 1"

    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
'
echo "take-level-screenshots: wrote $out/level0.png and $out/level1.png"
