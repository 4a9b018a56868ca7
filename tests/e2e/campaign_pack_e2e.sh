#!/usr/bin/env bash
# A campaign pack end to end, as a designer makes one and a player gets it:
# two levels are exported to Tiled maps, `karvelun-levels campaign` builds a
# pack of them, and the pack is dropped into the game folder's
# data/campaigns beside a broken one.  "Nová hra" offers the choice, Down and
# Enter choose the pack, and it is played: the hero walks right onto the
# exit of its first hall and arrives in its second (its autosave says so).
# The broken pack is told on the error output in one line.
#
#   campaign_pack_e2e.sh <dist folder> <open_campaign program>
#
# Exits 77 (skipped) only when Xvfb, xdotool or ImageMagick's import is not
# installed.
set -euo pipefail

dist=${1:?usage: campaign_pack_e2e.sh <dist folder> <open_campaign program>}
open_campaign=${2:?usage: campaign_pack_e2e.sh <dist folder> <open_campaign program>}
[[ -x $dist/karvelun ]] || { echo "campaign_pack_e2e: no game at $dist/karvelun" >&2; exit 1; }

e2e_name=campaign_pack_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool import
app_log="$work/game.log"

game="$work/game"
e2e_game_folder "$dist" "$game" Ne
pack="$game/data/campaigns/haly"
sources="$work/sources"
mkdir -p "$sources" "$game/data/campaigns/rozbita"
"$open_campaign" "$work/two.all" two-levels || fail "the levels could not be written"
for level in 0 1; do
    "$dist/karvelun-levels" export "$work/two.all" --level "$level" --tilesets "$dist/data/tiled" \
        "$sources/level$level.tmx" || fail "level $level could not be exported"
done
printf 'Nazev=Dvě haly\nAutor=Zkouška\nVerze=1\nKonec=1,337\n' >"$sources/campaign.ini"
"$dist/karvelun-levels" campaign "$sources" "$pack" >"$work/campaign.log" 2>&1 ||
    { cat "$work/campaign.log" >&2; fail "karvelun-levels campaign did not build the pack"; }
printf 'Nazev=Rozbitá\nKonec=0,12\n' >"$game/data/campaigns/rozbita/campaign.ini"

e2e_start_xvfb 1024x768x24

(cd / && exec "$game/karvelun") >"$app_log" 2>&1 &
app_pid=$!
e2e_focus menu "$e2e_menu_title"
xdotool key Return
# The choice: the built-in campaign first, the pack below it.
choice=$(e2e_focused_box) || fail "Nová hra did not offer the campaigns"
e2e_keys_to "$choice" Down Return
e2e_focus window_id "$e2e_game_title"

e2e_until_drawn "$work/before.rgb" || fail "the pack's field is not drawn"
# The working levels are the pack's two halls, not the built-in campaign's.
levels=$(find "$game/data/levels" -name 'level*.sc' | wc -l)
[[ $levels -eq 2 ]] || fail "the game unpacked $levels levels, not the pack's two"
xdotool keydown Right
sleep 0.5
xdotool keyup Right
# The arrival in the second hall is autosaved; its description names the
# level and the pack.
arrived=""
for _ in $(seq 50); do
    if grep -qx 'level=1' "$game"/data/saves/about/*.desc 2>/dev/null; then arrived=yes; break; fi
    sleep 0.1
done
[[ -n $arrived ]] || fail "the hero did not arrive in the pack's second hall"
grep -qx 'campaign=haly' "$game"/data/saves/about/*.desc || fail "the autosave does not name its pack"
kill -0 "$app_pid" 2>/dev/null || fail "the game ended while the hero walked"
echo "campaign_pack_e2e: the pack built from two exported levels is chosen from Nová hra and played"

[[ $(grep -c "campaign .*/rozbita is left out" "$app_log") -eq 1 ]] ||
    fail "the broken pack was not told once on the error output"

e2e_leave_game "$window_id" "the pack's game"
echo "campaign_pack_e2e: PASS"
