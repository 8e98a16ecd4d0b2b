#!/usr/bin/env bash
# An irregular tab under real input: it hovers and presses inside its
# outline, reports its click on the press, and a click on its cut corner
# (inside its box, outside its outline) reaches the page underneath.
source "$(dirname "$0")/lib.sh" "$@"
command -v import >/dev/null || { echo "no imagemagick: skipped"; exit 77; }
normal='#5A1414' over='#147814' down='#141496'

start_probe
wait_for '^ready$' 30 >/dev/null || exit 1
xdotool mousemove 600 380
sleep 0.3
expect_pixel 60 130 "$normal" "tab at rest" || exit 1
xdotool mousemove 60 130
sleep 0.3
expect_pixel 60 130 "$over" "tab under the mouse" || exit 1
xdotool mousedown 1
wait_for '^command tab latched 0$' 10 >/dev/null || exit 1   # before the release
sleep 0.3
expect_pixel 60 130 "$down" "tab held down" || exit 1
xdotool mouseup 1
sleep 0.3
[ "$(tr -d '\r' <"$out" | grep -c '^command tab')" = 1 ] || { echo "the release reported a second click"; exit 1; }

xdotool mousemove 212 104
sleep 0.3
expect_pixel 212 104 '#282C34' "the cut corner shows the page" || exit 1
xdotool click 1
wait_for '^under lbuttondown 212 104$' 10 >/dev/null || exit 1
expect_pixel 60 130 "$normal" "tab after the mouse left it" || exit 1

xdotool mousemove 600 380 click 3
wait_for '^bye$' 10 >/dev/null || exit 1
probe_status || exit 1
[ "$(tr -d '\r' <"$out" | grep -c '^command tab')" = 1 ] || { echo "the corner click reached the tab"; exit 1; }
echo "tab hover, press and cut corner as expected"
