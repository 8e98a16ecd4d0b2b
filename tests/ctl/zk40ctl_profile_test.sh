#!/usr/bin/env bash
# zk40ctl's readable profiles and its device commands, end to end on a copy of
# the factory data folder: export and import give back the same bytes, a
# refused file leaves every file of the folder as it was, and apply on the
# emulated mouse behind the hidraw layer sends what upload-trace's mouse
# receives.
# Usage: zk40ctl_profile_test.sh ZK40CTL FACTORY_FOLDER [RUNNER]
set -euo pipefail
ctl=$1 factory=$2
runner=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$factory" "$work/ZK40"
data=$work/ZK40

run() { $runner "$ctl" "$@" | tr -d '\r'; }
status_of() { set +e; $runner "$ctl" "$@" >"$work/out.txt" 2>"$work/err.txt"; echo $?; set -e; }
fail() { echo "$*"; exit 1; }
snapshot() { (cd "$data" && find . -type f -exec cksum {} + | sort); }

# The active profile out and in again: the same bytes.
cp "$data/Profile/Profile1.cfg" "$work/before.cfg"
run profile-export "$data" "$work/p1.json" >/dev/null
run profile-import "$data" "$work/p1.json" >/dev/null
cmp "$work/before.cfg" "$data/Profile/Profile1.cfg" || fail "export and import changed Profile1.cfg"

# An edited file into another entry, and out again unchanged.
sed 's/"report_rate_hz": 1000/"report_rate_hz": 500/' "$work/p1.json" >"$work/p3.json"
run profile-import "$data" "$work/p3.json" --entry 3 >/dev/null
run profile-export "$data" "$work/back3.json" --entry 3 >/dev/null
cmp "$work/p3.json" "$work/back3.json" || fail "profile 3 did not keep the edited file"

# A profile with data in an unused byte, or a value the format refuses, is
# exported with a warning; the import writes the unused byte as zero.
poke() { printf "\\x$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }
cp "$data/Profile/Profile2.cfg" "$work/before2.cfg"
poke "$data/Profile/Profile2.cfg" 22072 01
status=$(status_of profile-export "$data" "$work/p2.json" --entry 2)
[ "$status" = 0 ] || fail "export of a profile with reserved data exited with $status"
grep -q "warning: .*Profile2.cfg holds data in bytes the driver does not use" "$work/err.txt" || fail "no warning of unused data"
run profile-import "$data" "$work/p2.json" --entry 2 >/dev/null
cmp "$work/before2.cfg" "$data/Profile/Profile2.cfg" || fail "the unused byte was not written as zero"
poke "$data/Profile/Profile2.cfg" 22144 19
status=$(status_of profile-export "$data" "$work/p2.json" --entry 2)
[ "$status" = 0 ] || fail "export of a profile with pointer speed 25 exited with $status"
grep -q "warning: .*pointer.speed: 25 is out of range" "$work/err.txt" || fail "no warning naming pointer.speed"
cp "$work/before2.cfg" "$data/Profile/Profile2.cfg"

# Refused files: the field is named, nothing in the folder changes.
long=$(printf 'p%.0s' $(seq 300))
before=$(snapshot)
refuse() {  # FIELD SED-EXPRESSION
  sed "$2" "$work/p1.json" >"$work/bad.json"
  status=$(status_of profile-import "$data" "$work/bad.json")
  [ "$status" = 2 ] || fail "a file with a bad $1 was taken (status $status)"
  grep -q "$1" "$work/err.txt" || fail "the refusal does not name $1: $(cat "$work/err.txt")"
  [ "$(snapshot)" = "$before" ] || fail "a refused file ($1) changed the data folder"
}
refuse pointer.speed 's/"speed": 10/"speed": 25/'
refuse buttons.left.target_path "0,/\"target_path\": \"\"/s//\"target_path\": \"C:\\\\\\\\$long\"/"
refuse buttons.left.function '0,/"Click",/s//"Clik",/'
refuse buttons.left.macro_id '0,/"macro_id": 0/s//"macro_id": "none"/'
refuse report_rate_hz 's/"report_rate_hz": 1000/"report_rate_hz": 300/'

# apply on the emulated mouse, behind the hidraw layer, sends what the
# emulated mouse of upload-trace receives, at the same times.
run upload-trace "$data" >"$work/trace.txt"
run apply "$data" --emulated-mouse --trace >"$work/apply.txt"
diff -u "$work/trace.txt" "$work/apply.txt" || fail "apply and upload-trace differ"
run apply "$data" --emulated-mouse >"$work/steps.txt"
grep -v -E ' (feature|output) |^intercept' "$work/trace.txt" | diff -u - "$work/steps.txt" || fail "apply's steps"
run upload-trace "$data" --fail-feature 03A0 >"$work/trace-failed.txt"
status=$(status_of apply "$data" --emulated-mouse --trace --fail-feature 03A0)
[ "$status" = 1 ] || fail "a failed upload exited with $status, not 1"
tr -d '\r' <"$work/out.txt" | diff -u "$work/trace-failed.txt" - || fail "failed apply and upload-trace differ"
grep -q "proximity sensing" "$work/err.txt" || fail "the failed step is not named"
[ "$(run info --emulated-mouse)" = "firmware 17" ] || fail "info"

for bad in "apply" "apply $data --fail-feature 03A0" "info --trace" "profile-export $data" \
           "profile-export $work/missing $work/x.json" "profile-import $data $work/p1.json --entry 6" \
           "profile-import $data $work/missing.json"; do
  # shellcheck disable=SC2086
  status=$(status_of $bad)
  [ "$status" = 2 ] || fail "'$bad' exited with $status, not 2"
done
echo "zk40ctl profiles and device commands: ok"
