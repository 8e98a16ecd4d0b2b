# Shared steps of the end-to-end tests: the real ZK40Driver.exe from the
# install folder image under Wine, the virtual ZK40 plugged in and pulled
# out with vhid_install.exe, real input from xdotool at the main window's
# client coordinates, and what the mouse received (its report log) and the
# program saved (the data folder).
# usage: source lib.sh WINE_RUN BIN_DIR INSTALL_DIR WINEPREFIX ARTIFACTS_DIR
set -u
wine_run=$1
bin=$2
install=$3
prefix=$4
artifacts=$5
title="Ostrel ZK40 Gaming Mouse Driver"
vhid_log="$prefix/drive_c/windows/temp/zk40vhid.log"
standins_log="$prefix/drive_c/windows/temp/zk40standins.log"
# A program that only leaves its name and arguments in the stand-ins' log,
# as Windows names it: for the driver to start in place of another.
marker="Z:$(echo "$bin/host_action_marker.exe" | tr / '\\')"
data="$prefix/drive_c/users/$(id -un)/Temp/OSTREL/ZK40"
driver_pid=""
window=""
work=$(mktemp -d)

if [ -z "${DISPLAY:-}" ] || ! command -v xdotool >/dev/null; then
  echo "no X display or xdotool: skipped"
  exit 77
fi

e2e_finish() {
  stop_driver
  unplug all >/dev/null 2>&1
  [ -n "${KEEP_WORK:-}" ] && cp -r "$work" "$KEEP_WORK"; rm -rf "$work"
}
trap e2e_finish EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# plug [mouse|update-mode]: exits 77 when the virtual mouse cannot be installed here.
plug() {
  if ! timeout 60 "$wine_run" "$bin/vhid_install.exe" install "${1:-mouse}" >"$work/plug.txt" 2>&1; then
    echo "the virtual mouse could not be installed on this machine: skipped"
    cat "$work/plug.txt"
    exit 77
  fi
}
# unplug [mouse|update-mode|all]
unplug() {
  if [ "${1:-all}" = all ]; then
    timeout 60 "$wine_run" "$bin/vhid_install.exe" remove >/dev/null 2>&1
  else
    timeout 60 "$wine_run" "$bin/vhid_install.exe" remove "$1" >/dev/null 2>&1
  fi
}

# A first start's data folder: the program copies the factory files again.
fresh_data_folder() { rm -rf "$data"; }
# first_start: a first start with the mouse plugged in and an empty report
# log, up to its main window.
first_start() {
  fresh_data_folder
  clear_vhid_log
  plug mouse
  start_driver
  wait_window || fail "no main window"
}
clear_vhid_log() { rm -f "$vhid_log"; }
vhid_reports() { [ -f "$vhid_log" ] && tr -d "\r" <"$vhid_log"; }

start_driver() {
  "$wine_run" "$install/ZK40Driver.exe" </dev/null >"${DRIVER_OUT:-$work/driver.txt}" 2>&1 &
  driver_pid=$!
}
driver_running() { [ -n "$driver_pid" ] && kill -0 "$driver_pid" 2>/dev/null; }
driver_ended() { ! driver_running; }
# wait_driver_end [SECONDS]: true when the program ended by itself in time.
wait_driver_end() { wait_within "${1:-20}" driver_ended && driver_pid=""; }
# no_driver_process: true when Wine runs no ZK40Driver.exe any more; ends one
# that is still there on the way (taskkill fails only when it finds none).
no_driver_process() { ! "$wine_run" taskkill /f /im ZK40Driver.exe >/dev/null 2>&1; }
# Asks the program's windows to close (as "Exit" does), then makes sure it is
# gone: ending only the wrapper would leave the program running, and the next
# start would then just bring that one up and end.
stop_driver() {
  driver_running || return 0
  "$wine_run" taskkill /im ZK40Driver.exe >/dev/null 2>&1
  wait_driver_end 10 && return 0
  echo "the program did not end within 10 s of being asked to close: ended by force" >&2
  wait_within 10 no_driver_process || fail "ZK40Driver.exe still runs after taskkill /f"
  kill "$driver_pid" 2>/dev/null
  driver_pid=""
}

# find_visible NAME: the first visible X window of that exact title.
find_visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
# wait_window [SECONDS]: waits for the main window to show; sets window.
main_window_or_end() { window=$(find_visible "$title"); [ -n "$window" ] || driver_ended; }
wait_window() {
  wait_within "${1:-30}" main_window_or_end
  [ -n "$window" ] && return 0
  echo "the main window did not show; the program printed:" >&2
  cat "$work/driver.txt" >&2
  return 1
}
window_visible() { [ -n "$(find_visible "$title")" ]; }
window_hidden() { ! window_visible; }
# visible_windows: the ids of the X windows shown now, one a line, sorted.
visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
# new_popups BEFORE: the windows shown now that were not among BEFORE (a visible_windows list).
new_popups() { comm -13 <(echo "$1") <(visible_windows); }
no_new_popups() { [ -z "$(new_popups "$1")" ]; }
# window_closed ID: the X window ID is not shown (any more).
window_closed() { ! visible_windows | grep -qx "$1"; }
# wait_popup BEFORE [SECONDS]: waits for a window not among BEFORE to show; sets popup.
popup=""
popup_shown() { popup=$(new_popups "$1" | head -n 1); [ -n "$popup" ]; }
wait_popup() { wait_within "${2:-10}" popup_shown "$1"; }
# window_origin: "X Y" of the main window on the screen.
window_origin() {
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$window")
  echo "$(echo "$geometry" | sed -n 's/^X=//p') $(echo "$geometry" | sed -n 's/^Y=//p')"
}
window_size() {
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$window")
  echo "$(echo "$geometry" | sed -n 's/^WIDTH=//p')x$(echo "$geometry" | sed -n 's/^HEIGHT=//p')"
}
# click X Y: a real left click at the main window's client point (X, Y).
click() {
  local origin
  read -r -a origin <<<"$(window_origin)"
  xdotool mousemove $((origin[0] + $1)) $((origin[1] + $2)) sleep 0.2 click 1 sleep 0.3
}
# Points inside the main window's controls.
click_tab() { local xs=(110 290 475 660 840); click "${xs[$1 - 1]}" 103; }
click_profile() { local xs=(378 475 570 665 760); click "${xs[$1 - 1]}" 621; }
click_apply() { click 890 611; }
# The window is made active first: without a window manager Wine activates
# a clicked window only when X's focus event arrives, which can be after the
# click opened the popup, and the popup then closes as it loses activation.
click_language() {
  click 480 60
  sleep 0.5
  click 36 626
}
key() {
  [ -n "$window" ] && xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --clearmodifiers "$@"
  sleep 0.5
}

# pointer_away: the pointer off the window, and a moment for the program to
# repaint what the pointer lit: a finished repaint leaves no outside sign.
pointer_away() {
  xdotool mousemove 0 0
  sleep 0.5
}
# type_into_file_dialog DIALOG WINDOWS_PATH: types the path into the shown
# file dialog's name field, confirms it and waits for the dialog to close.
# The dialog fills its folder view after it shows: a moment for that, which
# leaves no outside sign, before the keys.
type_into_file_dialog() {
  sleep 0.5
  xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool type --delay 20 "$2"
  xdotool key Return
  wait_within 10 window_closed "$1" || fail "the file dialog stayed open after $2"
}
# screenshot NAME: the main window's part of the screen into the artifacts.
screenshot() {
  mkdir -p "$artifacts"
  local origin
  read -r -a origin <<<"$(window_origin)"
  import -window root -crop "959x639+${origin[0]}+${origin[1]}" +repage "$artifacts/$1.png"
}
# screen_shot NAME: the whole screen (notices sit apart from the window).
screen_shot() {
  mkdir -p "$artifacts"
  import -window root "$artifacts/$1.png"
}

# wait_within SECONDS COMMAND...: true as soon as COMMAND succeeds, false
# once SECONDS (whole) have passed without; COMMAND is tried every tenth of a second.
wait_within() {
  local deadline=$((${EPOCHREALTIME/./} + $1 * 1000000))
  shift
  until "$@"; do
    [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}
# wait_until COMMAND... : up to 20 s for COMMAND to succeed.
wait_until() { wait_within 20 "$@"; }
# wait_for_file FILE [SECONDS]: true once FILE exists.
wait_for_file() { wait_within "${2:-20}" test -e "$1"; }
# The reports zk40ctl's upload of the data folder's current profile sends, in order.
expected_upload() {
  timeout 60 "$wine_run" "$bin/zk40ctl.exe" upload-trace "$data" 2>/dev/null | tr -d '\r' |
    grep -E '^[0-9]+ (feature|output) ' | cut -d' ' -f2-
}
# expect_saved_profile_upload WHAT: the mouse received exactly what zk40ctl
# sends for the saved current profile. The profile's files are written one
# after the other: a comparison made between two writes is made again.
upload_of_saved_profile() { expected=$(expected_upload) && [ -n "$expected" ] && [ "$(vhid_reports)" = "$expected" ]; }
expect_saved_profile_upload() {
  local expected
  wait_within 5 upload_of_saved_profile && return 0
  [ -n "$expected" ] || fail "zk40ctl upload-trace gave no reports"
  diff <(echo "$expected") <(vhid_reports) >&2
  fail "$1"
}
# apply_and_wait: Apply, then waits for the upload to end (the profile files
# are written only after success), checks that the mouse received exactly
# what zk40ctl sends for the saved profile, and waits for the progress
# window, which closes by its timer a moment after the upload, to go.
apply_and_wait() {
  local before windows
  before=$(fingerprint)
  windows=$(visible_windows)
  clear_vhid_log
  click_apply
  saved() { [ "$(fingerprint)" != "$before" ]; }
  wait_until saved || fail "the upload did not end with the profile saved"
  expect_saved_profile_upload "the mouse received other reports than zk40ctl's upload of the saved profile"
  wait_within 10 no_new_popups "$windows" || fail "the progress window stayed after the upload"
}
# reports_at_least N: the mouse has received N reports or more.
reports_at_least() { [ "$(vhid_reports | wc -l)" -ge "$1" ]; }
fingerprint() { (cd "$data" && md5sum Profile/*.cfg Language.cfg 2>/dev/null; stat -c '%n %Y.%y' Profile/*.cfg Language.cfg 2>/dev/null); }

# The notice: the program's own notice window (or a system message box).
notice_window() { xdotool search --onlyvisible --name '^(OstrelZK40InfoDlg|Tips|Info)$' 2>/dev/null | head -n 1; }
notice_shown() { [ -n "$(notice_window)" ]; }
notice_gone() { ! notice_shown; }
# notice_click X Y: a click at the notice's point (X, Y).
notice_click() {
  local notice geometry x y
  notice=$(notice_window)
  [ -n "$notice" ] || return 1
  geometry=$(xdotool getwindowgeometry --shell "$notice")
  x=$(echo "$geometry" | sed -n 's/^X=//p')
  y=$(echo "$geometry" | sed -n 's/^Y=//p')
  xdotool mousemove $((x + $1)) $((y + $2)) sleep 0.2 click 1
}
# dismiss_notice: presses the notice's OK.
dismiss_notice() {
  local notice
  notice=$(notice_window)
  [ -n "$notice" ] || return 1
  if [ "$(xdotool getwindowname "$notice")" = OstrelZK40InfoDlg ]; then
    notice_click 273 143
  else
    xdotool windowactivate --sync "$notice" key Return 2>/dev/null || xdotool key Return
  fi
}
# press_notice ok|cancel: a button of the program's notice that asks (OK and Cancel).
press_notice() { if [ "$1" = ok ]; then notice_click 211 143; else notice_click 278 143; fi; }
# The Language.cfg number, in decimal.
language_number() { od -An -tu4 -N4 "$data/Language.cfg" | tr -d ' '; }
# write_language_number N: the number the next start finds in Language.cfg.
write_language_number() {
  mkdir -p "$data"
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) 0 0)" >"$data/Language.cfg"
}
# use_chinese_install: the next starts run a Simplified Chinese install (the
# Chinese skins copied over skins\) whose user chose Simplified Chinese.
use_chinese_install() {
  local chinese="$work/install-sc"
  cp -r "$install" "$chinese"
  cp -r "$(dirname "$install")/skin-sets/sc/skins/." "$chinese/skins/"
  install=$chinese
  write_language_number 1
}
# crop NAME X Y W H: a part of the main window (client coordinates) as a file in the work folder.
crop() {
  local origin
  read -r -a origin <<<"$(window_origin)"
  import -window root -crop "$4x$5+$((origin[0] + $2))+$((origin[1] + $3))" +repage "$work/$1.png"
}
same_picture() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" = 0 ]; }
