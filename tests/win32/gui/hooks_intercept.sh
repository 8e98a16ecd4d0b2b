#!/usr/bin/env bash
# Real X input through the low-level mouse hook: intercepted buttons are
# reported and never reach the window underneath, press nor release; other
# buttons and the wheel are reported and pass.
source "$(dirname "$0")/lib.sh" "$@"
start_probe intercept
wait_for '^ready$' 30 >/dev/null || exit 1
xdotool mousemove 200 150
sleep 0.3
xdotool click 3                      # right: intercepted
wait_for '^main 2027 516$' 5 >/dev/null || exit 1
xdotool click 8                      # first extra button (X1, back): intercepted
wait_for '^main 2027 66059$' 5 >/dev/null || exit 1
xdotool click 1                      # left: reported for the statistics, passes
wait_for '^main 2027 513$' 5 >/dev/null || exit 1
wait_for '^under lbuttonup' 5 >/dev/null || exit 1
xdotool click 4                      # wheel forward
wait_for '^main 2027 133633$' 5 >/dev/null || exit 1
wait_for '^under mousewheel 120$' 5 >/dev/null || exit 1
xdotool click 5                      # wheel backward
wait_for '^main 2027 133632$' 5 >/dev/null || exit 1
sleep 0.5
refuse '^under rbutton' || exit 1
refuse '^under xbutton' || exit 1
echo "intercepted presses and their releases were swallowed"
