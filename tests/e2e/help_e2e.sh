#!/usr/bin/env bash
# The three programs' help, version and command-line mistakes with no
# display at all (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM unset): each
# answers and ends without asking for one, in the terminal's language (the
# Jazyk line of setup.ini, else the desktop's).
#
#   help_e2e.sh <dist folder>
set -euo pipefail

dist=${1:?usage: help_e2e.sh <dist folder>}
[[ -x $dist/karvelun && -x $dist/setup && -x $dist/karvelun-levels ]] ||
    { echo "help_e2e: no programs in $dist" >&2; exit 1; }

e2e_name=help_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

game="$work/game"
e2e_game_folder "$dist" "$game" Ne
cp "$dist/setup" "$dist/karvelun-levels" "$game/"

# <program and arguments> | <Jazyk line or -> | <LANGUAGE or -> | <status> |
# <stream> | <its first line begins>
cases='
karvelun --help             | -        | -  | 0 | out | Usage: karvelun
karvelun -h                 | -        | -  | 0 | out | Usage: karvelun
karvelun --help             | -        | cs | 0 | out | Použití: karvelun
karvelun --help             | Jazyk=en | cs | 0 | out | Usage: karvelun
karvelun --help             | Jazyk=cs | -  | 0 | out | Použití: karvelun
karvelun --version          | -        | -  | 0 | out | karvelun 1.
karvelun --level x --help   | -        | -  | 0 | out | Usage: karvelun
karvelun -platform xcb --version | -   | -  | 0 | out | karvelun 1.
karvelun --bogus            | -        | -  | 2 | err | karvelun: Unknown option --bogus
karvelun --bogus            | -        | cs | 2 | err | karvelun: Neznámá volba --bogus
karvelun --tile 3           | Jazyk=en | cs | 2 | err | karvelun: --tile goes with --level
karvelun --level            | -        | -  | 2 | err | karvelun: The option --level needs a value
setup --help                | -        | -  | 0 | out | Usage: setup
setup --help                | -        | cs | 0 | out | Použití: setup
setup --help                | Jazyk=en | cs | 0 | out | Usage: setup
setup --bogus               | -        | -  | 2 | err | setup: Unknown option --bogus
karvelun-levels --help      | -        | -  | 0 | out | Usage: karvelun-levels
karvelun-levels bogus       | -        | -  | 2 | err | Usage: karvelun-levels
'
checked=0
while IFS='|' read -r command jazyk language status stream begins; do
    command=$(xargs <<<"$command")
    [[ -n $command ]] || continue
    jazyk=$(xargs <<<"$jazyk") language=$(xargs <<<"$language") status=$(xargs <<<"$status")
    stream=$(xargs <<<"$stream") begins=$(sed 's/^ *//; s/ *$//' <<<"$begins")
    printf 'Zvuky=Ne\r\nHlasitost=100\r\nTick=0\r\n' >"$game/setup.ini"
    [[ $jazyk != - ]] && printf '%s\r\n' "$jazyk" >>"$game/setup.ini"
    read -r -a words <<<"$command"
    got=0
    if [[ $language == - ]]; then
        (cd "$work" && timeout 20 "$game/${words[0]}" "${words[@]:1}") >"$work/out" 2>"$work/err" || got=$?
    else
        (cd "$work" && LANGUAGE=$language timeout 20 "$game/${words[0]}" "${words[@]:1}") \
            >"$work/out" 2>"$work/err" || got=$?
    fi
    what="$command (${jazyk}, LANGUAGE=${language})"
    [[ $got -eq $status ]] || fail "$what ended with status $got, not $status: $(cat "$work/err")"
    first=$(head -n1 "$work/$stream")
    [[ $first == "$begins"* ]] || fail "$what: its $stream begins \"$first\", not \"$begins\""
    checked=$((checked + 1))
done <<<"$cases"
echo "help_e2e: PASS ($checked cases)"
