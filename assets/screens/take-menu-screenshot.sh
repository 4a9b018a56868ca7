#!/bin/sh
# Takes the screenshot of the main menu: starts the game from a dist folder
# under a virtual X server, waits for the menu and captures its window.
#
#   take-menu-screenshot.sh <dist folder> <output png>
set -eu

dist=$(cd "${1:?usage: take-menu-screenshot.sh <dist folder> <output png>}" && pwd)
out=$(realpath -m "${2:?usage: take-menu-screenshot.sh <dist folder> <output png>}")

exec xvfb-run -a -s "-screen 0 800x600x24" sh -c '
    cd "$1"
    ALSOFT_DRIVERS=null ./karvelun >/dev/null 2>&1 &
    game=$!
    sleep 6
    window=$(xdotool search --onlyvisible --name "^Orvane Karvelun v1.01\$" | head -n 1)
    status=1
    if [ -n "$window" ]; then
        /usr/bin/import -window "$window" "$2" && status=0
    else
        echo "take-menu-screenshot: the main menu did not appear" >&2
    fi
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    exit $status
' sh "$dist" "$out"
