#!/usr/bin/env bash
# The upload progress dialog under real keys: Esc, Enter, Space and Alt+F4
# reach it and are dropped, and it stays until progress 100 closes it.
source "$(dirname "$0")/lib.sh" "$@"
hold=4000
start_probe "$hold"
read -r _ x y w h <<<"$(wait_for '^ready ' 30)" || exit 1
# The keyboard goes to the window under the pointer (no window manager).
xdotool mousemove "$((x + w / 2))" "$((y + h / 2))" click 1
sleep 0.3
for key in Escape Return space alt+F4; do
  xdotool key "$key"
  sleep 0.3
done
wait_for '^dropped 0x100 0x1b$' 5 >/dev/null || exit 1   # Esc down
wait_for '^dropped 0x101 0xd$' 5 >/dev/null || exit 1    # Enter up
wait_for '^dropped 0x100 0x20$' 5 >/dev/null || exit 1   # Space down
wait_for '^dropped 0x104 0x73$' 5 >/dev/null || exit 1   # Alt+F4
read -r _ ms result <<<"$(wait_for '^closed ' 20)" || exit 1
probe_status || { echo "probe failed"; exit 1; }
[ "$result" -eq 1 ] || { echo "closed with $result, expected 1 (after progress 100)"; exit 1; }
[ "$ms" -ge $((hold + 400)) ] || { echo "closed after $ms ms, before progress 100 and its half second"; exit 1; }
echo "Esc, Enter, Space and Alt+F4 were dropped; the dialog closed ${ms} ms after opening"
