#!/usr/bin/env bash
# The game menu library's popup, clicked with real X input: the owner gets
# message 1281 with the entry's id, and closing afterwards is harmless.
source "$(dirname "$0")/lib.sh" "$@"
start_probe
read -r _ x y h <<<"$(wait_for '^ready ' 30)" || exit 1
entry=5
xdotool mousemove $((x + 40)) $((y + (entry - 1) * h + h / 2))
sleep 0.3
xdotool click 1
wait_for "^chosen $entry\$" 10 || exit 1
wait_for '^closed$' 5 || exit 1
probe_status || { echo "probe failed"; exit 1; }
echo "entry $entry chosen"
