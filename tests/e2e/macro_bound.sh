#!/usr/bin/env bash
# A recorded macro with a typed loop count, bound to a mouse button: deleting it is refused with the
# in-use notice and it stays stored; Apply sends it, and the macro block the
# mouse receives plays the recorded keys with the recorded gaps (to the
# mouse's 10 ms steps).
# usage: macro_bound.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/macro_lib.sh"
ctl() { timeout 60 "$wine_run" "$bin/zk40ctl.exe" "$@" 2>/dev/null | tr -d '\r'; }

fresh_data_folder
plug mouse
start_driver
wait_window || fail "no main window"
sleep 1
click_tab 3
sleep 0.5
new_macro Bound
record a b
id=$(macro_id_named Bound)
[ -n "$id" ] || fail "the recording was not stored"
# A loop count typed as 007 is stored as 7.
page_click 872 94
xdotool key End BackSpace BackSpace
xdotool type --delay 80 007
sleep 5
[ "$(stored_macros | grep "^$id " | cut -d' ' -f2)" = 00000007 ] || fail "loop count 007 stored as: $(stored_macros | cut -c1-30)"
echo "loop count 007 stored as 7"
stop_driver

# The forward button plays the macro (the binding a chooser choice stores).
ctl profile-export "$data" "$work/profile.json" >/dev/null ||
  fail "profile export failed"
sed -i "/\"forward\"/,/}/{s/\"function\": \"[^\"]*\"/\"function\": \"macro\"/;s/\"label\": \"[^\"]*\"/\"label\": \"Bound\"/;s/\"macro_id\": 0/\"macro_id\": $((16#$id))/}" \
  "$work/profile.json"
ctl profile-import "$data" "$work/profile.json" >/dev/null || fail "profile import failed"
# The ids of the bound macros live in profile 1's entry of ConfigInfo.cfg
# (bytes 1572.., one per button; forward is the fourth).
le32() { printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)))"; }
le32 $((16#$id)) | dd of="$data/Profile/ConfigInfo.cfg" bs=1 seek=$((1572 + 4 * 3)) conv=notrunc status=none

start_driver
wait_window || fail "no main window after the binding"
sleep 1
click_tab 3
sleep 0.5
macro_row 0
click_delete_macro
wait_until notice_shown || fail "deleting a bound macro showed no notice"
screen_shot page-macro-en-in-use
dismiss_notice
[ -n "$(macro_id_named Bound)" ] || fail "the bound macro was deleted"
echo "deleting the bound macro was refused"

click_tab 1
sleep 0.5
clear_vhid_log
expected=$(expected_upload)
count=$(echo "$expected" | wc -l)
click_apply
wait_until reports_at_least "$count" || fail "the upload did not finish"
sleep 1
if [ "$(vhid_reports)" != "$expected" ]; then
  diff <(echo "$expected") <(vhid_reports)
  fail "the mouse received other reports than the upload of the stored macro table"
fi
played=$(ctl device-state "$data" | grep '^macro slot' | head -n 1)
echo "the mouse plays: $played"
steps=$(echo "${played#*: }" | tr ',' '\n' | sed 's/^ *//')
[ "$(echo "$steps" | grep -v ' ms$' | tr '\n' ' ')" = "press A release A press B release B " ] ||
  fail "the mouse plays other keys: $played"
# Each recorded gap reaches the mouse in whole 10 ms steps; one shorter
# than a step is no wait at all.
recorded=$(events_of "$id" | sed -n 's/^delay //p' | awk '$1 >= 10')
played_gaps=$(echo "$steps" | sed -n 's/ ms$//p')
[ "$(echo "$played_gaps" | wc -l)" = "$(echo "$recorded" | wc -l)" ] || fail "gaps $recorded became $played_gaps"
off=$(paste <(echo "$recorded") <(echo "$played_gaps") | awk '$1 - $2 > 10 || $2 - $1 > 10')
[ -z "$off" ] || fail "recorded and played gaps differ by more than a step: $off"
stop_driver
