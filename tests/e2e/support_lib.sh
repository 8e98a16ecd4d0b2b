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

wait_notice() { wait_until notice_shown || fail "no notice: $1"; }
# A question has OK and Cancel; a plain notice only OK, where a question's
# Cancel sits. A click where a question's OK sits tells the two apart.
# The next notice may show as soon as one closes: each is followed by its window.
answer_notice_at() {
  local notice
  wait_notice "$3"
  notice=$(notice_window)
  notice_click "$1" "$2"
  wait_until window_closed "$notice" || fail "$4: $3"
}
answer_question_ok() { answer_notice_at 211 143 "$1" "not a question (OK and Cancel)"; }
answer_question_cancel() { answer_notice_at 278 143 "$1" "the question stayed after Cancel"; }
expect_plain_notice() {
  wait_notice "$1"
  notice_click 211 143
  # A question closes on this click at once; a plain notice shows no sign of
  # having ignored it, so it is given the time a question would take.
  sleep 1
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
dialog_titled() { dialog=$(find_visible "$1") && [ -n "$dialog" ]; }
choose_file() {
  local dialog=""
  wait_within 10 dialog_titled "$1" || fail "no \"$1\" dialog"
  type_into_file_dialog "$dialog" "$2"
}
# The system message box ("Info") that reports an import or an export.
info_shown() { [ -n "$(find_visible Info)" ]; }
dismiss_info() {
  wait_until info_shown || fail "no Info message box: $1"
  local box
  box=$(find_visible Info)
  xdotool windowfocus --sync "$box" 2>/dev/null
  xdotool key Return
  wait_until window_closed "$box" || fail "the Info message box stayed: $1"
}
