#!/usr/bin/env bash
# A campaign pack end to end: a pack of one open hall is dropped into the
# game folder's data/campaigns beside a broken one; "Nová hra" offers the
# choice, Down and Enter choose the pack, and its hall is played: the hero
# walks right across the open hall of the pack.
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
pack="$game/data/campaigns/hala"
mkdir -p "$pack" "$game/data/campaigns/rozbita"
"$open_campaign" "$pack/levels.all" || fail "the pack's levels could not be written"
printf 'Nazev=Otevřená hala\nAutor=Zkouška\nVerze=1\nKonec=0,12\n' >"$pack/campaign.ini"
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
# The working levels are the pack's one hall, not the built-in campaign's.
levels=$(find "$game/data/levels" -name 'level*.sc' | wc -l)
[[ $levels -eq 1 ]] || fail "the game unpacked $levels levels, not the pack's one"
xdotool keydown Right
sleep 1
xdotool keyup Right
sleep 0.3
kill -0 "$app_pid" 2>/dev/null || fail "the game ended while the hero walked"
e2e_shoot "$work/after.rgb"
e2e_hero_walked_right "$work/before.rgb" "$work/after.rgb"
echo "campaign_pack_e2e: the pack chosen from Nová hra is played"

[[ $(grep -c "campaign .*/rozbita is left out" "$app_log") -eq 1 ]] ||
    fail "the broken pack was not told once on the error output"

e2e_leave_game "$window_id" "the pack's game"
echo "campaign_pack_e2e: PASS"
