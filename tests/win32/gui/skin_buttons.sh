#!/usr/bin/env bash
# Skinned bitmap buttons under real input: the hover look follows the mouse
# from one button straight onto the next, a pressed button shows its down
# look, a latched one keeps it whatever the mouse does, and a toggle with
# notify-press reports press (513) and release (514) and flips once.
source "$(dirname "$0")/lib.sh" "$@"
command -v import >/dev/null || { echo "no imagemagick: skipped"; exit 77; }
normal='#282C34' over='#C87800' down='#0096DC'

start_probe
wait_for '^ready$' 30 >/dev/null || exit 1
xdotool mousemove 600 380
sleep 0.3
expect_pixel 70 40 "$normal" "toggle at rest" || exit 1

xdotool mousemove 70 40
sleep 0.3
expect_pixel 70 40 "$over" "toggle under the mouse" || exit 1
xdotool mousemove 180 40                                # straight onto the next button
sleep 0.3
expect_pixel 70 40 "$normal" "toggle after the mouse left it" || exit 1
expect_pixel 180 40 "$over" "plain under the mouse" || exit 1

xdotool mousedown 1
sleep 0.3
expect_pixel 180 40 "$down" "plain held down" || exit 1
xdotool mouseup 1
wait_for '^command plain latched 0$' 10 >/dev/null || exit 1

xdotool mousemove 290 40
sleep 0.3
expect_pixel 290 40 "$down" "latched under the mouse" || exit 1
xdotool mousemove 290 90
sleep 0.3
expect_pixel 290 40 "$down" "latched after the mouse left" || exit 1

xdotool mousemove 70 40
sleep 0.3
xdotool click 1
wait_for '^command toggle latched 1$' 10 >/dev/null || exit 1
notes=$(tr -d '\r' <"$out" | grep '^notify 1805' | tr '\n' ',')
[ "$notes" = "notify 1805 513 toggle,notify 1805 514 toggle," ] || { echo "press reports: $notes"; exit 1; }
sleep 0.3
expect_pixel 70 40 "$down" "toggle latched by the click, under the mouse" || exit 1

xdotool mousemove 600 380 click 3
wait_for '^bye$' 10 >/dev/null || exit 1
probe_status || exit 1
refuse 'command (latched|toggle latched 0)' || exit 1
echo "hover, press, latch and toggle reports as expected"
