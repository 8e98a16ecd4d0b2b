# Shared steps of the GUI tests: run a probe under Wine in the background and
# wait for the lines it prints.
# usage: source lib.sh WINE_RUN PROBE_EXE
set -u
wine_run=$1
probe=$2
if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  echo "no X display or xdotool: skipped"
  exit 77
fi
out=$(mktemp)
probe_pid=""
finish() {
  [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null
  rm -f "$out"
}
trap finish EXIT

start_probe() {
  "$wine_run" "$probe" "$@" >"$out" 2>&1 </dev/null &
  probe_pid=$!
}

# wait_for PATTERN [SECONDS]: prints the first matching line.
wait_for() {
  local pattern=$1 seconds=${2:-20} line
  for _ in $(seq $((seconds * 20))); do
    line=$(tr -d "\r" <"$out" | grep -m1 -E "$pattern") && { echo "$line"; return 0; }
    kill -0 "$probe_pid" 2>/dev/null || break
    sleep 0.05
  done
  line=$(tr -d "\r" <"$out" | grep -m1 -E "$pattern") && { echo "$line"; return 0; }
  echo "did not see '$pattern'; the probe printed:" >&2
  cat "$out" >&2
  return 1
}

probe_status() {
  wait "$probe_pid"
  local status=$?
  probe_pid=""
  return $status
}

# refuse PATTERN: fails when the probe printed a matching line.
refuse() {
  if tr -d "\r" <"$out" | grep -q -E "$1"; then
    echo "unexpected '$1'; the probe printed:" >&2
    cat "$out" >&2
    return 1
  fi
}

# pixel X Y: the screen's colour at (X, Y) as #RRGGBB (needs imagemagick).
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-F]\{6\}'; }

# expect_pixel X Y COLOUR WHAT: fails, naming WHAT, unless (X, Y) shows COLOUR.
expect_pixel() {
  local seen
  seen=$(pixel "$1" "$2")
  [ "$seen" = "$3" ] && return 0
  echo "$4: ($1, $2) shows $seen, expected $3" >&2
  return 1
}
