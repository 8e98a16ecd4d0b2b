#!/usr/bin/env bash
# The support page on its own: its seven controls post their hint numbers
# (update 56, web site 57, import 58, export 59, restore 60, driver version
# 89, firmware version 90); restore defaults asks first: Cancel sends
# nothing, OK sends 2054 to the main window. A screenshot of the page in
# artifacts/page-support-NAME.png.
# usage: support_page.sh WINE_RUN PROBE INSTALL_FOLDER LANGUAGE_FILE NAME FIRMWARE|- [--chinese]
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/screen.sh"
start_probe "$3" "$4" "$6" ${7:-}
read -r _ x y <<<"$(wait_for '^ready ' 30)" || exit 1
sleep 1
# Page coordinates: the page sits at (15, 128) in the owner.
at() { xdotool mousemove "$((x + 15 + $1))" "$((y + 128 + $2))"; sleep 0.3; }
xdotool mousemove 0 0
sleep 0.3
shot "page-support-$5" "$((x + 15))" "$((y + 128))" 925 452

for control in 462:278:56 768:278:57 179:404:58 279:404:59 829:402:60 175:125:89 470:126:90; do
  IFS=: read -r px py hint <<<"$control"
  at "$px" "$py"
  at "$((px + 2))" "$((py + 1))"
  last=$(tr -d '\r' <"$out" | grep '^hint ' | tail -n 1)
  [ "$last" = "hint $hint" ] || { echo "over ($px, $py): '$last', not hint $hint"; exit 1; }
done
echo "hints: 56 57 58 59 60 89 90"

notice() { xdotool search --onlyvisible --name '^OstrelZK40InfoDlg$' 2>/dev/null | head -n 1; }
# answer X: a click at the notice's point (X, 143); then waits for it to go.
answer() {
  local id geometry
  for _ in $(seq 100); do id=$(notice) && [ -n "$id" ] && break; sleep 0.1; done
  [ -n "$id" ] || { echo "no question"; exit 1; }
  geometry=$(xdotool getwindowgeometry --shell "$id")
  xdotool mousemove $(($(echo "$geometry" | sed -n 's/^X=//p') + $1)) \
    $(($(echo "$geometry" | sed -n 's/^Y=//p') + 143)) sleep 0.2 click 1
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^OstrelZK40InfoDlg$' 2>/dev/null | grep -qx "$id" || return 0
    sleep 0.1
  done
  echo "the question stayed"
  exit 1
}
at 829 402
xdotool click 1
answer 278
sleep 1
grep -q '^restore' "$out" && { echo "Cancel restored the defaults"; exit 1; }
at 829 402
xdotool click 1
answer 211
wait_for '^restore' 10 >/dev/null || exit 1
echo "restore defaults: Cancel sends nothing, OK sends 2054"
# A right click on the owner, outside the page, ends the probe.
xdotool mousemove "$((x + 5))" "$((y + 5))" sleep 0.3 click 3
probe_status || { echo "probe failed"; exit 1; }
