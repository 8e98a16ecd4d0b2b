#!/usr/bin/env bash
# Plugging the virtual ZK40 in and pulling it out, as the program sees it: the
# USB device broadcasts reach a window registered for them with the mouse's
# ids in the device name, and presence opens the real link after the arrival
# (firmware 1.7, then the found notice) and closes it after the removal (the
# lost notice, then the program's close). The mouse in firmware-update mode
# is another USB device to the program: its broadcasts change nothing, and
# the USB device scan finds it exactly while it is plugged in. After the
# removal the link cannot open the mouse.
# Skipped when the virtual devices cannot be installed.
# usage: hot_plug.sh WINE_RUN PROBE_EXE
set -u
wine_run=$1
probe=$2
out=$(mktemp)
trap 'rm -f "$out"' EXIT

timeout 120 "$wine_run" "$probe" >"$out" 2>&1 </dev/null
status=$?
tr -d '\r' <"$out" >"$out.lines" && mv "$out.lines" "$out"
if [ $status -eq 77 ]; then
  cat "$out"
  exit 77
fi
if [ $status -ne 0 ]; then
  echo "the probe failed ($status); it printed:"
  cat "$out"
  exit 1
fi

# The device names of the USB device interfaces of the two devices.
mouse='#VID_3E7A&PID_6D3B#[^#]+#\{a5dcbf10-6530-11d2-901f-00c04fb951ed\}$'
update='\\USB#VID_04D9&PID_8022#[^#]+#\{a5dcbf10-6530-11d2-901f-00c04fb951ed\}$'
# Each pattern must match a line below the line the one before matched.
expect_in_order() {
  local from=0 pattern found
  for pattern in "$@"; do
    found=$(tail -n +$((from + 1)) "$out" | grep -n -m1 -E "$pattern" | cut -d: -f1)
    if [ -z "$found" ]; then
      echo "did not see '$pattern' in its place; the probe printed:"
      cat "$out"
      exit 1
    fi
    from=$((from + found))
  done
}
expect_in_order '^registered 1$' "^arrival .*$mouse" '^presence firmware 17$' \
  '^presence install hooks$' '^presence notice The ZK40 gaming mouse is found\.$' \
  "^arrival .*$update" '^scan 1$' '^link open 1$' \
  "^removal .*$update" '^scan 0$' '^link open 1$' \
  "^removal .*$mouse" '^presence remove hooks$' \
  '^presence notice The ZK40 gaming mouse cannot be found\.$' '^presence close$' '^link open 0$' '^open 0$'
expect_in_order '^plug mouse 0$' '^plug update-mode 0$' '^unplug update-mode 0$' '^unplug mouse 0$'

# Every broadcast named one of the two devices, each came and went once, and
# presence did nothing beyond the lines above.
if [ "$(grep -c -E '^(arrival|removal) ' "$out")" -ne 4 ] || [ "$(grep -c '^presence ' "$out")" -ne 6 ]; then
  echo "other broadcasts or other presence steps than expected; the probe printed:"
  cat "$out"
  exit 1
fi
echo "plugging in and pulling out reached presence; the other USB device changed nothing"
