#!/usr/bin/env bash
# Renaming a row of the list in place: Enter commits (1136), Escape keeps the
# old name and sends nothing, a click elsewhere commits.
# usage: list_rename.sh WINE_RUN PROBE SKIN_SET
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/screen.sh"
start_probe list "$3"
read -r _ x y <<<"$(wait_for '^ready ' 30)" || exit 1
sleep 0.5
row() { echo "$((x + 60)) $((y + 10 + 20 * $1))"; }
rename() {  # rename ROW TEXT: double-click the row and type over its name
  xdotool mousemove $(row "$1") click --repeat 2 --delay 80 1
  sleep 0.4
  xdotool type --delay 40 "$2"
  sleep 0.3
}

rename 1 Reload
wait_for '^editor open 1$' 5 >/dev/null || exit 1
shot list-rename-editing "$((x - 10))" "$((y - 10))" 220 120
xdotool key Return
wait_for '^edited 10002 1$' 5 >/dev/null || exit 1
wait_for '^rows Alpha\|Reload\|Gamma\|Delta$' 5 >/dev/null || exit 1

rename 2 Nothing
xdotool key Escape
sleep 0.5
wait_for '^editor closed$' 5 >/dev/null || exit 1
[ "$(tr -d '\r' <"$out" | grep -c '^edited')" -eq 1 ] || { echo "Escape sent a rename"; cat "$out"; exit 1; }
refuse '^rows .*Nothing' || exit 1

rename 0 Burst
xdotool mousemove $(row 3) click 1
wait_for '^edited 10002 0$' 5 >/dev/null || exit 1
wait_for '^rows Burst\|Reload\|Gamma\|Delta$' 5 >/dev/null || exit 1
sleep 0.3
shot list-rename-done "$((x - 10))" "$((y - 10))" 220 120
xdotool mousemove 350 250 click 3
probe_status || { echo "probe failed"; exit 1; }
echo "renamed with Enter and with a click elsewhere; Escape kept the name"
