#!/usr/bin/env bash
# With the recorder as hook target, keys arrive as 1034 with the hook's
# flags (0 pressed, 0x80 released), and mouse buttons as their codes.
source "$(dirname "$0")/lib.sh" "$@"
start_probe recorder
wait_for '^ready$' 30 >/dev/null || exit 1
xdotool mousemove 200 150
sleep 0.3
xdotool key a
wait_for '^recorder 1034 65 0$' 5 >/dev/null || exit 1
wait_for '^recorder 1034 65 128$' 5 >/dev/null || exit 1
xdotool click 1
wait_for '^recorder 1034 513 0$' 5 >/dev/null || exit 1
wait_for '^recorder 1034 514 0$' 5 >/dev/null || exit 1
refuse '^main 2027' || exit 1
echo "the recorder received the key and the click"
