#!/usr/bin/env bash
# The program's own HID link (CUSBDriver on HidSystemWin32 and the system's
# HID functions) against the virtual ZK40 on Wine's device stack: the link
# finds and opens the mouse, reads firmware 1.7, and a key matrix reaches the
# mouse as its command report and two data blocks, byte for byte and in order.
# Skipped when the virtual mouse cannot be installed.
# usage: virtual_mouse.sh WINE_RUN BIN_DIR WINEPREFIX
set -u
wine_run=$1
bin=$2
prefix=$3
# Where the virtual mouse logs the reports it receives (C:\windows\temp).
log="$prefix/drive_c/windows/temp/zk40vhid.log"
out=$(mktemp)
finish() {
  # The device goes whatever happened: the other tests expect no mouse.
  timeout 60 "$wine_run" "$bin/vhid_install.exe" remove >/dev/null 2>&1 ||
    echo "warning: removing the virtual mouse failed" >&2
  rm -f "$out"
}
trap finish EXIT

rm -f "$log"
if ! timeout 60 "$wine_run" "$bin/vhid_install.exe" >"$out" 2>&1; then
  echo "the virtual mouse could not be installed on this machine: skipped"
  cat "$out"
  exit 77
fi
tr -d '\r' <"$out"

if ! timeout 60 "$wine_run" "$bin/hid_probe.exe" >"$out" 2>&1; then
  echo "the probe failed; it printed:"
  cat "$out"
  exit 1
fi
for line in "open 1" "report 5 64" "version 17" "keymatrix 1"; do
  tr -d '\r' <"$out" | grep -qx "$line" || { echo "probe did not print '$line':"; cat "$out"; exit 1; }
done

# A feature report is the report id and 64 bytes, an output report the id
# and one 32-byte block of the matrix the probe sends, (i * 7 + 3) & 0xFF.
feature() { local hex="05$1"; while [ ${#hex} -lt 130 ]; do hex+="00"; done; echo "feature $hex"; }
block() {
  local hex="05" i
  for ((i = $1; i < $1 + 32; i++)); do hex+=$(printf "%02x" $(((i * 7 + 3) & 255))); done
  echo "output $hex"
}
expected="$(feature 80)
$(feature 1201004000)
$(block 0)
$(block 32)"
actual=$(tr -d '\r' <"$log" 2>/dev/null)
if [ "$actual" != "$expected" ]; then
  echo "the mouse received other reports than expected"
  diff <(echo "$expected") <(echo "$actual")
  exit 1
fi
echo "the mouse received the version query, the key matrix command and both blocks"
