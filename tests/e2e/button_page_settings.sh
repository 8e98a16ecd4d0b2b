#!/usr/bin/env bash
# The button page's own settings end to end: DPI boxes (a sixth box stays
# off, one of five goes off), report rate, precision, both sliders, the
# wheel's lines field with a typed number, its arrows and the screen mode;
# after Apply the mouse holds the DPI stages and the report interval and
# Windows the pointer settings, as zk40ctl computes them from the saved profile.
# usage: button_page_settings.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/button_page_lib.sh"

first_start

# Hints: the hint line tells what lies under the cursor; the marker on the
# mouse picture lights while the cursor is over its button's entry.
hint_and_marker() { crop "$1-hint" 67 598 232 28; crop "$1-marker" 769 376 21 21; }
pointer_away
hint_and_marker away
move_page() { read -r -a o <<<"$(window_origin)"; xdotool mousemove $((o[0] + $1 + 15)) $((o[1] + $2 + 128)); sleep 0.6; }
move_page 158 73
hint_and_marker dpi
move_page 94 211
hint_and_marker precision
move_page 418 425
hint_and_marker back
same_picture away-hint dpi-hint && fail "no hint over a DPI box"
same_picture dpi-hint precision-hint && fail "the precision box shows the DPI boxes' hint"
same_picture dpi-marker back-marker && fail "the back button's marker did not light over its entry"
same_picture away-marker dpi-marker || fail "the back button's marker lit away from its entry"

# Factory stages: 750 1000 1500 2000 3000. A sixth box stays off; 750 goes
# off, then 500 comes on: 500 1000 1500 2000 3000.
click_dpi_box 0
click_dpi_box 1
click_dpi_box 0
click_report_rate 1
click_precision
# 134 pixels into the 169-pixel pointer-speed track (clear of the thumb at
# 10): 1 + 134 x 19 / 169 = 16; the left end of the lift-off track is 1.
click_page 238 173
click_page 423 173
# A typed 45 is checked at Apply: 30 lines.
click_page 561 366
xdotool key End BackSpace BackSpace BackSpace BackSpace type 45
sleep 0.3
apply_and_wait
state=$(device_state)
echo "$state" | grep -qx 'dpi stages 500 1000 1500 2000 3000 - - -' || fail "DPI stages: $(echo "$state" | grep dpi)"
echo "$state" | grep -qx 'report interval 2 ms' || fail "report rate: $(echo "$state" | grep interval)"
[ "$(pointer_line)" = "1 16 30" ] || fail "pointer settings (precision speed lines): $(pointer_line)"
windows="$(windows_setting Mouse MouseSpeed) $(windows_setting Mouse MouseSensitivity) $(windows_setting Desktop WheelScrollLines)"
[ "$windows" = "1 16 30" ] || fail "Windows' acceleration, speed and wheel lines: $windows"
profile_json | grep -q '"sheight_level": 1$' || fail "the lift-off level is not 1"
screenshot e2e-button-page-settings
echo "DPI boxes, report rate, precision, sliders and 45 lines (30) reached the mouse and the saved profile"

# The field is checked every four seconds as well: a typed 007 becomes 7
# without Apply. (The precision box takes the focus, and the caret, away
# from the field before each picture; clicked twice it stays as it was.)
type_lines() { click_page 561 366; xdotool key End BackSpace BackSpace BackSpace BackSpace type "$1"; click_precision; }
type_lines 7
crop seven 565 483 23 22
type_lines 007
checked_to_seven() { crop checked 565 483 23 22 && same_picture checked seven; }
wait_within 10 checked_to_seven || fail "the periodic check did not turn 007 into 7 in the field"

# The arrows step from the field's number within 1..30; the screen button
# turns the lines off.
click_page 580 366
click_page 580 366
click_page 580 355
apply_and_wait
[ "$(pointer_line)" = "1 16 6" ] || fail "7 lines, then down, down, up: $(pointer_line)"
click_page 440 384
apply_and_wait
[ "$(pointer_line)" = "1 16 -1" ] || fail "the screen button: $(pointer_line)"
[ "$(windows_setting Desktop WheelScrollLines)" = 4294967295 ] || fail "Windows does not scroll a screen per notch"
echo "the periodic check: 007 shows as 7; arrows: 6 lines; screen button: one screen per notch"

# Another profile shows its own record: profile 2 (never changed) has 750
# on and the lines mode; profile 1 comes back as it was applied.
box750() { xdotool mousemove 0 0; sleep 0.3; crop "$1" 145 190 60 20; }
box750 profile1
click_profile 2
sleep 1
box750 profile2
same_picture profile1 profile2 && fail "profile 2 shows profile 1's DPI boxes"
click_profile 1
sleep 1
box750 profile1-again
same_picture profile1 profile1-again || fail "profile 1 came back with other DPI boxes"
echo "profile switches show each profile's record"
