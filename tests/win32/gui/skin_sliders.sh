#!/usr/bin/env bash
# Picture sliders under real input: a click on the track posts the value
# under it (the short range snaps to its top value near the right end), a
# drag of the thumb posts the value it lands on, and a disabled slider posts
# nothing. Tracks start at page x 20 and are 200 pixels long.
source "$(dirname "$0")/lib.sh" "$@"

start_probe
wait_for '^ready$' 30 >/dev/null || exit 1

xdotool mousemove 120 215 click 1                 # speed, d = 100: 1 + 100 x 19 / 200
wait_for '^slider 10 2560$' 10 >/dev/null || exit 1
xdotool mousemove 206 255 click 1                 # breath 1..5, d = 186: 4.72, no snap
wait_for '^slider 4 777$' 10 >/dev/null || exit 1
xdotool mousemove 210 255 click 1                 # d = 190: 4.8 > 4.75 snaps to 5
wait_for '^slider 5 777$' 10 >/dev/null || exit 1

# The speed thumb (20 wide) now sits at the place of 10, 94 pixels into the
# bar; 53 pixels to the right is the place of 15.
xdotool mousemove 124 215 mousedown 1
sleep 0.3
xdotool mousemove 150 215
sleep 0.2
xdotool mousemove 177 215
sleep 0.3
xdotool mouseup 1
sleep 0.3
last=$(tr -d '\r' <"$out" | grep '^slider .* 2560$' | tail -n 1)
[ "$last" = "slider 15 2560" ] || { echo "after the drag: '$last'"; cat "$out"; exit 1; }

xdotool mousemove 150 295 click 1                 # the disabled slider's track
xdotool mousemove 30 295 mousedown 1 mousemove 130 295 mouseup 1
sleep 0.5
xdotool mousemove 600 380 click 3
wait_for '^bye$' 10 >/dev/null || exit 1
probe_status || exit 1
refuse '^slider .* 778$' || exit 1
echo "track clicks, drag and the disabled slider as expected"
