#!/usr/bin/env bash
# The racer's timer and the records window end to end, under Xvfb: a new
# game with Casomira=Ano shows the run's time in white, ringed in black, in
# the play field's top right corner, and it runs on; a few seconds in, the
# help's Z opens the records window, which tells this game's figures and
# the achievements still to earn.  The screenshots (the timer twice, the
# records) are left in $KARVELUN_E2E_SHOTS when that is set.
#
#   records_e2e.sh <dist folder>
#
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick or tesseract is not
# installed.
set -euo pipefail

dist=${1:?usage: records_e2e.sh <dist folder>}
[[ -x $dist/karvelun && -x $dist/karvelun-levels ]] ||
    { echo "records_e2e: no programs in $dist" >&2; exit 1; }

e2e_name=records_e2e
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_skip_without Xvfb xdotool import convert tesseract
shots=${KARVELUN_E2E_SHOTS:-$work}
mkdir -p "$shots"

game="$work/game"
e2e_game_folder "$dist" "$game" Ne
cp "$dist/karvelun-levels" "$game/"
printf 'Casomira=Ano\r\n' >>"$game/setup.ini"

# ocr <png> <crop WxH+X+Y or ""> [dark]: the text tesseract reads, enlarged
# four times; light letters on dark are turned black on white.
ocr() {
    local crop=() look=(-colorspace Gray -negate -threshold 50%)
    [[ -n $2 ]] && crop=(-crop "$2" +repage)
    convert "$1" "${crop[@]}" -resize 400% "${look[@]}" "$work/ocr.png"
    tesseract "$work/ocr.png" - -l eng --psm 6 2>/dev/null | tr '\n' ' '
}

# The timer's corner of the field (at (8, 8) in the window): 110 x 22.
timer_crop=110x22+398+8
# white_pixels <rgb shot>: how many white pixels the corner has.
white_pixels() {
    e2e_region "$1" 398 8 110 22 | tr -s ' ' '\n' | grep -v '^$' | paste -d, - - - |
        grep -c '^255,255,255$' || true
}

e2e_start_xvfb 1024x768x24
e2e_new_game
e2e_until_drawn "$work/first.rgb" || fail "the field was never drawn"
sleep 2
e2e_shoot "$work/timer1.rgb"
convert -size "${e2e_shot_width}x${e2e_shot_height}" -depth 8 "rgb:$work/timer1.rgb" "$shots/timer1.png"
sleep 2
e2e_shoot "$work/timer2.rgb"
convert -size "${e2e_shot_width}x${e2e_shot_height}" -depth 8 "rgb:$work/timer2.rgb" "$shots/timer2.png"

white=$(white_pixels "$work/timer2.rgb")
((white >= 40)) || fail "the field's corner shows $white white pixels: no timer"
[[ "$(e2e_region "$work/timer1.rgb" 398 8 110 22)" != "$(e2e_region "$work/timer2.rgb" 398 8 110 22)" ]] ||
    fail "the timer stood still for two seconds of play"
read1=$(ocr "$shots/timer1.png" "$timer_crop")
read2=$(ocr "$shots/timer2.png" "$timer_crop")
[[ $read1 =~ 0:00:0[1-9] ]] || fail "the timer reads \"$read1\", not a few seconds"
[[ $read2 =~ 0:00:0[3-9] ]] || fail "two seconds on, the timer reads \"$read2\""
echo "records_e2e: the timer reads \"${read1// /}\" then \"${read2// /}\" ($white white pixels)"

# The help over the game (F1), and its Z: the records, this game so far.
e2e_keys_to "$window_id" F1
help_id=$(e2e_window '^Karvelun - nápověda$') || fail "F1 opened no help"
e2e_keys_to "$help_id" z
e2e_focus records '^Karvelun - záznamy$'
sleep 0.5
import -window "$records" "$shots/records.png" 2>>"$work/import.log" || fail "no screenshot of the records"
text=$(ocr "$shots/records.png" "")
for word in "Tato hra" "0:00:0" "13"; do
    grep -qiF "$word" <<<"$text" || fail "the records window does not say \"$word\"; read: $text"
done
echo "records_e2e: the records window tells this game and the thirteen achievements"
e2e_keys_to "$records" Escape
e2e_keys_to "$help_id" Escape
e2e_leave_game "$window_id"
echo "records_e2e: PASS"
