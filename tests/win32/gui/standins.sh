#!/usr/bin/env bash
# The stand-ins for the product's flasher and updater, started as the driver
# starts them: the updater ends at once without a window; the flasher tells
# the user in the language it was given (its caption shows which) and waits
# for OK, or closes by itself after ZK40_STANDIN_NOTICE_MS. Each leaves one
# trace line with its arguments.
# usage: standins.sh WINE_RUN BIN_DIR WINEPREFIX ARTIFACT_DIR
set -u
wine_run=$1
bin=$2
prefix=$3
artifacts=$4
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  echo "no X display or xdotool: skipped"
  exit 77
fi
log="$prefix/drive_c/windows/temp/zk40standins.log"
# Only the lines written from here on count.
start=$(stat -c %s "$log" 2>/dev/null || echo 0)
flasher_pid=""
trap '[ -n "$flasher_pid" ] && kill "$flasher_pid" 2>/dev/null' EXIT

fail() {
  echo "$1"
  exit 1
}

# wait_window CAPTION PRESENT: waits up to 20 s for a window with exactly
# that caption to be there (1) or gone (0).
wait_window() {
  for _ in $(seq 200); do
    if xdotool search --name "^$1\$" >/dev/null 2>&1; then [ "$2" = 1 ] && return 0; else [ "$2" = 0 ] && return 0; fi
    sleep 0.1
  done
  return 1
}

timeout 30 "$wine_run" "$bin/ostrel_update/OstrelUpdate.exe" </dev/null || fail "the updater failed or did not end"

ZK40_STANDIN_NOTICE_MS=300 timeout 30 "$wine_run" "$bin/FWUpdate/ZizedoRI.exe" 0 </dev/null ||
  fail "the flasher did not close its notice by itself"

# A user's run: the notice stays until OK, in the language the driver chose.
for run in "1:ZK40 固件更新" "0:ZK40 firmware update"; do
  language=${run%%:*}
  caption=${run#*:}
  "$wine_run" "$bin/FWUpdate/ZizedoRI.exe" "$language" </dev/null >/dev/null 2>&1 &
  flasher_pid=$!
  wait_window "$caption" 1 || fail "the flasher started with $language showed no notice captioned '$caption'"
  sleep 0.5
  kill -0 "$flasher_pid" 2>/dev/null || fail "the flasher ended before the user pressed OK"
  [ "$language" = 0 ] && mkdir -p "$artifacts" && import -window root "$artifacts/flasher_notice.png" 2>/dev/null
  # Without a window manager nothing gives the notice the keyboard by itself.
  notice=$(xdotool search --name "^$caption\$" 2>/dev/null | head -n1)
  [ -n "$notice" ] && xdotool windowfocus --sync "$notice" 2>/dev/null
  xdotool key Return
  wait_window "$caption" 0 || fail "OK did not close the flasher's notice"
  wait "$flasher_pid" || fail "the flasher failed"
  flasher_pid=""
done

expected="OstrelUpdate.exe
ZizedoRI.exe 0
ZizedoRI.exe 1
ZizedoRI.exe 0"
actual=$(tail -c +$((start + 1)) "$log" 2>/dev/null | tr -d '\r')
if [ "$actual" != "$expected" ]; then
  echo "the trace is not what the runs should have left"
  diff <(echo "$expected") <(echo "$actual")
  exit 1
fi
echo "the updater ended quietly, the flasher told the user in each language, each left its trace"
