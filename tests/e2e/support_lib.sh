# Steps of the support page's end-to-end tests, on top of lib.sh: its
# buttons, the notice's two forms, and an update server of the test's own.
# usage: source support_lib.sh (after lib.sh)

firmware_folder="$install/FWUpdate/new_version"
www="$work/www"
requests="$work/requests.log"
server_pid=""
port=""

# The page's buttons, at their centres in the main window (page origin 15, 128).
press_update() { click 477 406; }
press_import() { click 194 532; }
press_export() { click 294 532; }
press_restore() { click 844 530; }
press_web_site() { click 783 406; }

# notice_click X Y: a click at the notice's own point (X, Y).
notice_click() {
  local notice geometry
  notice=$(notice_window)
  [ -n "$notice" ] || return 1
  geometry=$(xdotool getwindowgeometry --shell "$notice")
  xdotool mousemove $(($(echo "$geometry" | sed -n 's/^X=//p') + $1)) \
    $(($(echo "$geometry" | sed -n 's/^Y=//p') + $2)) sleep 0.2 click 1
  sleep 0.5
}
wait_notice() { wait_until notice_shown || fail "no notice: $1"; }
# A question has OK and Cancel; a plain notice only OK, where a question's
# Cancel sits. A click where a question's OK sits tells the two apart.
# Without a window manager Wine unmaps a closed notice a second or two late,
# and the next notice may show meanwhile: each is followed by its window.
notice_closed() { ! xdotool search --onlyvisible --name '^(OstrelZK40InfoDlg|Tips|Info)$' 2>/dev/null | grep -qx "$1"; }
answer_notice_at() {
  local notice
  wait_notice "$3"
  notice=$(notice_window)
  notice_click "$1" "$2"
  wait_until notice_closed "$notice" || fail "$4: $3"
}
answer_question_ok() { answer_notice_at 211 143 "$1" "not a question (OK and Cancel)"; }
answer_question_cancel() { answer_notice_at 278 143 "$1" "the question stayed after Cancel"; }
expect_plain_notice() {
  wait_notice "$1"
  notice_click 211 143
  sleep 3
  notice_shown || fail "a question instead of a notice: $1"
  answer_notice_at 273 143 "$1" "the notice stayed after OK"
}
expect_no_notice_for() {
  sleep "$1"
  notice_shown && fail "a notice showed: $2"
  return 0
}

start_server() {
  mkdir -p "$www"
  rm -f "$work/port"
  python3 "$(dirname "${BASH_SOURCE[0]}")/update_server.py" "$www" "$work/port" "$requests" $port >/dev/null 2>&1 &
  server_pid=$!
  wait_for_file "$work/port" 10 || fail "the test's update server did not start"
  port=$(cat "$work/port")
}
stop_server() {
  [ -n "$server_pid" ] || return 0
  kill "$server_pid" 2>/dev/null
  wait "$server_pid" 2>/dev/null
  server_pid=""
}
server_delay() { echo "$1" >"$www/.delay"; }
# describe CURRENT NEWFILE: the update description the server hands out.
describe() {
  mkdir -p "$www/software/zk40"
  printf '<?xml version="1.0" encoding="utf-8"?>\r\n<update>\r\n  <firmware>\r\n    <current>%s</current>\r\n    <newfile>%s</newfile>\r\n  </firmware>\r\n</update>\r\n' \
    "$1" "$2" >"$www/software/zk40/update.xml"
}
requests_for() { grep -c "^GET $1" "$requests" 2>/dev/null; }
clear_requests() { : >"$requests"; }

support_finish() {
  # What the screen showed when a step failed.
  [ -n "$driver_pid" ] && screen_shot e2e-support-last
  stop_server
  # The install image is shared: no downloaded description or image stays behind.
  rm -rf "$firmware_folder"
  e2e_finish
}
trap support_finish EXIT

# choose_file TITLE WINDOWS_PATH: types the path into the system's file
# dialog of that title and confirms it.
choose_file() {
  local dialog=""
  for _ in $(seq 100); do
    dialog=$(find_visible "$1") && [ -n "$dialog" ] && break
    sleep 0.1
  done
  [ -n "$dialog" ] || fail "no \"$1\" dialog"
  sleep 0.5
  xdotool windowfocus --sync "$dialog" 2>/dev/null
  xdotool type --delay 20 "$2"
  xdotool key Return
  sleep 0.5
}
# The system message box ("Info") that reports an import or an export.
info_shown() { [ -n "$(find_visible Info)" ]; }
dismiss_info() {
  wait_until info_shown || fail "no Info message box: $1"
  local box
  box=$(find_visible Info)
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key Return
  wait_until notice_closed "$box" || fail "the Info message box stayed: $1"
}
