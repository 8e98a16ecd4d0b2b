#!/usr/bin/env bash
# zk40ctl's upload commands on a copy of the factory data folder: their output
# must equal the recorded one (tools read the trace), and bad arguments or a
# missing folder must exit with 2.
# Usage: zk40ctl_upload_test.sh ZK40CTL FACTORY_FOLDER EXPECTED_FOLDER [RUNNER]
set -euo pipefail
ctl=$1 factory=$2 expected=$3
runner=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$factory" "$work/ZK40"

run() { $runner "$ctl" "$@" | tr -d '\r'; }

run upload-trace "$work/ZK40" >"$work/trace.txt"
diff -u "$expected/factory_upload_trace.txt" "$work/trace.txt"
run device-state "$work/ZK40" >"$work/state.txt"
diff -u "$expected/factory_device_state.txt" "$work/state.txt"

run upload-trace "$work/ZK40" --fail-feature 03A0 >"$work/rejected.txt"
[ "$(tail -n 2 "$work/rejected.txt" | head -n 1)" = "700 failure 4" ] || { echo "no failure 4 for 03A0"; exit 1; }

status_of() { set +e; $runner "$ctl" "$@" >/dev/null 2>&1; echo $?; set -e; }
for bad in "upload-trace" "upload-trace $work/missing" "upload-trace $work/ZK40 --fail-feature 0x" \
           "upload-trace $work/ZK40 --unplug-after -1" "device-state $work/ZK40 extra"; do
  # shellcheck disable=SC2086
  status=$(status_of $bad)
  [ "$status" = 2 ] || { echo "'$bad' exited with $status, not 2"; exit 1; }
done
echo "zk40ctl upload commands: ok"
