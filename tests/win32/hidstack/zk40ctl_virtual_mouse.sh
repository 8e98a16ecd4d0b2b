#!/usr/bin/env bash
# zk40ctl's device commands on Windows, against the virtual ZK40 on Wine's
# device stack: info reads firmware 1.7, and apply sends the factory profile
# with every report reaching the mouse, byte for byte and in the order the
# trace names them. Skipped when the virtual mouse cannot be installed.
# usage: zk40ctl_virtual_mouse.sh WINE_RUN BIN_DIR WINEPREFIX FACTORY_FOLDER
set -u
wine_run=$1
bin=$2
prefix=$3
factory=$4
log="$prefix/drive_c/windows/temp/zk40vhid.log"
work=$(mktemp -d)
finish() {
  # The device goes whatever happened: the other tests expect no mouse.
  timeout 60 "$wine_run" "$bin/vhid_install.exe" remove >/dev/null 2>&1 ||
    echo "warning: removing the virtual mouse failed" >&2
  rm -rf "$work"
}
trap finish EXIT
cp -r "$factory" "$work/ZK40"

if ! timeout 60 "$wine_run" "$bin/vhid_install.exe" >"$work/out.txt" 2>&1; then
  echo "the virtual mouse could not be installed on this machine: skipped"
  cat "$work/out.txt"
  exit 77
fi

info=$(timeout 60 "$wine_run" "$bin/zk40ctl.exe" info 2>&1 | tr -d '\r')
[ "$info" = "firmware 17" ] || { echo "info printed: $info"; exit 1; }

rm -f "$log"
if ! timeout 60 "$wine_run" "$bin/zk40ctl.exe" apply "$work/ZK40" --trace >"$work/trace.txt" 2>"$work/err.txt"; then
  echo "apply failed:"
  cat "$work/trace.txt" "$work/err.txt"
  exit 1
fi
tr -d '\r' <"$work/trace.txt" | grep -q '^[0-9]* success$' || { echo "no success in:"; cat "$work/trace.txt"; exit 1; }
sent=$(tr -d '\r' <"$work/trace.txt" | grep -E '^[0-9]+ (feature|output) ' | cut -d' ' -f2-)
received=$(tr -d '\r' <"$log" 2>/dev/null)
if [ -z "$sent" ] || [ "$sent" != "$received" ]; then
  echo "the mouse received other reports than apply sent"
  diff <(echo "$sent") <(echo "$received")
  exit 1
fi
echo "zk40ctl info and apply on the virtual mouse: $(echo "$sent" | wc -l) reports received as sent"
