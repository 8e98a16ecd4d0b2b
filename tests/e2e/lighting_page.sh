#!/usr/bin/env bash
# The lighting page end to end: each effect button, a preset swatch, the
# green slider, a click on the colour wheel, the brightness slider and the
# proximity buttons, each followed by Apply; the colour (050c01 G R B),
# effect (050d01 effect level variant) and touch (0503 a0/b0) reports the
# virtual mouse receives carry what was chosen, and the colour picked on the
# wheel is the colour drawn under the click. With the lighting off the wheel
# picks nothing. Screenshots of the page in English and Simplified Chinese.
# usage: lighting_page.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"

# Page coordinates to the main window's: the pages sit at (15, 128).
page_click() { click $((15 + $1)) $((128 + $2)); }
# report PREFIX N: the N hex digits after PREFIX in the first feature report that begins with it.
report() { vhid_reports | grep "^feature $1" | head -n 1 | cut -c$((9 + ${#1}))-$((8 + ${#1} + $2)); }
expect_report() {  # PREFIX HEX WHAT
  local got
  got=$(report "$1" ${#2})
  [ "$got" = "$2" ] || fail "$3: the mouse received '${got:-nothing}', not '$2'"
}
hex2() { printf '%02x' "$1"; }
# pixel X Y: the colour drawn at the window's client point, as "R G B".
pixel() {
  local origin
  read -r -a origin <<<"$(window_origin)"
  import -window root -crop "1x1+$((origin[0] + $1))+$((origin[1] + $2))" +repage -depth 8 txt:- |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p' | head -n 1
}
# The record's led_color (red, green, blue) in the saved current profile.
saved_colour() { od -An -tu1 -j 22124 -N 3 "$data/Profile/Profile1.cfg" | xargs; }

fresh_data_folder
plug mouse
start_driver
wait_window || fail "no main window"
click_tab 2
sleep 0.5

# Hints: the cursor over a control of the page puts that control's hint into the hint line.
hint_over() {  # NAME X Y (page coordinates)
  read -r -a origin <<<"$(window_origin)"
  xdotool mousemove $((origin[0] + 15 + $2)) $((origin[1] + 128 + $3)) sleep 0.2 mousemove_relative 1 0
  sleep 0.5
  crop "hint-$1" 67 598 233 30
}
hint_over tab 290 -25
hint_over off_effect 722 44
hint_over proximity_label 60 170
hint_over red_slider 600 283
hint_over empty 600 440
same_picture hint-off_effect hint-tab && fail "the lighting-off button showed no hint of its own"
same_picture hint-proximity_label hint-off_effect && fail "the proximity label showed the effect's hint"
same_picture hint-red_slider hint-proximity_label && fail "the red slider showed no hint of its own"
same_picture hint-empty hint-red_slider || fail "a place without a control changed the hint"
echo "hints: the page's controls and label areas put their own hints into the hint line"

# Effects, in the order of their buttons: the report carries effect, level, variant.
declare -A effect_point=([4]="210 44" [3]="462 43" [5]="722 44" [2]="208 78" [1]="208 110")
declare -A effect_report=([4]="040a02" [3]="030203" [5]="000000")
for effect in 4 3 5 2 1; do
  read -r -a at <<<"${effect_point[$effect]}"
  page_click "${at[0]}" "${at[1]}"
  apply_and_wait
  case $effect in
    2) expect_report 050d01 "02$(hex2 "$(od -An -tu4 -j 22152 -N 4 "$data/Profile/Profile1.cfg" | xargs)")01" "breathing"
       # Breathing speed: the right end of its slider is level 5.
       page_click 711 77
       apply_and_wait
       expect_report 050d01 020501 "breathing speed 5" ;;
    1) expect_report 050d01 "01$(hex2 "$(od -An -tu4 -j 22148 -N 4 "$data/Profile/Profile1.cfg" | xargs)")01" "always on" ;;
    *) expect_report 050d01 "${effect_report[$effect]}" "effect $effect" ;;
  esac
  # Proximity sensing is on by default, and off whenever the lighting is.
  if [ "$effect" = 5 ]; then expect_report 0503 b0 "touch with the lighting off"; else expect_report 0503 a0 "touch"; fi
done
echo "effects 4, 3, 5, 2, 1: the effect reports carry them"

# Brightness (always on): the right end of its slider is level 10.
page_click 711 110
apply_and_wait
expect_report 050d01 010a01 "brightness 10"

# Preset swatch 9 (row 1, column 2): red 1, green 193, blue 250; wire order green, red, blue.
page_click $((177 + 80 + 15)) $((258 + 41 + 15))
apply_and_wait
expect_report 050c01 c101fa "preset 9"

# The green slider near its left end: green changes, red and blue stay the preset's.
page_click 575 331
apply_and_wait
read -r r g b <<<"$(saved_colour)"
[ "$r $b" = "1 250" ] || fail "the green slider changed red or blue: $r $g $b"
[ "$g" -lt 20 ] || fail "the green slider's left end gave green $g"
expect_report 050c01 "$(hex2 "$g")01fa" "green slider"
# Red near its right end, blue in its middle.
page_click 688 283
page_click 631 374
apply_and_wait
read -r r g2 b <<<"$(saved_colour)"
[ "$r" -gt 240 ] && [ "$g2" = "$g" ] && [ "$b" -gt 100 ] && [ "$b" -lt 155 ] ||
  fail "red right and blue middle gave $r $g2 $b"
expect_report 050c01 "$(hex2 "$g")$(hex2 "$r")$(hex2 "$b")" "red and blue sliders"
echo "preset and colour sliders: the colour report carries them"

# The colour wheel: the colour sent is the pixel drawn under the click.
xdotool mousemove 0 0
sleep 0.3
wheel_x=$((771 + 30)) wheel_y=$((264 + 40))
read -r r g b <<<"$(pixel $((15 + wheel_x)) $((128 + wheel_y)))"
[ -n "$b" ] || fail "no pixel read under the wheel"
page_click $wheel_x $wheel_y
apply_and_wait
expect_report 050c01 "$(hex2 "$g")$(hex2 "$r")$(hex2 "$b")" "the wheel's pixel ($r $g $b)"
[ "$(saved_colour)" = "$r $g $b" ] || fail "the saved colour $(saved_colour) is not the wheel's pixel $r $g $b"
echo "colour wheel: picked $r $g $b, the pixel under the click"

# Proximity off, then on.
page_click 463 142
apply_and_wait
expect_report 0503 b0 "proximity off"
page_click 335 143
apply_and_wait
expect_report 0503 a0 "proximity on"
echo "proximity: the touch report follows the buttons"
pointer_away
screenshot e2e-lighting-en

# Lighting off: the wheel picks nothing.
page_click 722 44
before=$(saved_colour)
page_click $((771 + 60)) $((264 + 20))
apply_and_wait
[ "$(saved_colour)" = "$before" ] || fail "with the lighting off the wheel changed the colour to $(saved_colour)"
echo "lighting off: the wheel picks nothing"
stop_driver

# A Simplified Chinese install: its own places for the controls.
use_chinese_install
start_driver
wait_window || fail "no main window for the Chinese install"
click_tab 2
page_click 205 111  # always on
page_click $((140 + 40 * 5 - 1 + 15)) $((256 + 15))  # preset 5: red 39, green 249, blue 0
apply_and_wait
expect_report 050c01 f92700 "preset 5 on the Chinese page"
expect_report 050d01 01 "always on on the Chinese page"
pointer_away
screenshot e2e-lighting-sc
echo "Chinese page: preset and effect at the Chinese places"
