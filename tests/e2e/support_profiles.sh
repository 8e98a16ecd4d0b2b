#!/usr/bin/env bash
# Profiles on the support page: the current profile exported through the
# save dialog is the record of Profile1.cfg; a changed copy imported through
# the open dialog becomes the current record (an export gives it back byte
# for byte) without being saved; restore defaults answered with Cancel
# changes nothing and sends nothing, answered with OK sends the factory
# profile, which is then saved. The web-site button opens the maker's site
# with the program registered for http addresses.
# usage: support_profiles.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/support_lib.sh"

temp="$prefix/drive_c/users/$(id -un)/Temp"
windows_temp="C:\\users\\$(id -un)\\Temp"
rm -f "$temp"/zk40-*.cfg
# export_to NAME: the current record, exported to Temp\NAME.
export_to() {
  press_export
  choose_file "Save As" "$windows_temp\\$1"
  dismiss_info "export of $1"
  [ -f "$temp/$1" ] || fail "nothing exported to $1"
}

fresh_data_folder
plug mouse
start_driver
wait_window || fail "no main window"
click_tab 5

export_to zk40-first.cfg
cmp -s "$temp/zk40-first.cfg" "$data/Profile/Profile1.cfg" || fail "the export is not the current profile"
echo "export: the current profile"

# A copy with other bytes in its first button's fields.
cp "$temp/zk40-first.cfg" "$temp/zk40-changed.cfg"
printf 'ZK40' | dd of="$temp/zk40-changed.cfg" bs=1 seek=2000 conv=notrunc status=none
saved=$(fingerprint)
press_import
choose_file "Open" "$windows_temp\\zk40-changed.cfg"
dismiss_info "import"
export_to zk40-again.cfg
cmp -s "$temp/zk40-changed.cfg" "$temp/zk40-again.cfg" || fail "the imported profile did not come back from an export"
[ "$(fingerprint)" = "$saved" ] || fail "the import saved a profile file"
echo "import: the changed profile is the current one, nothing saved"

# open_web_site: the web-site button, with our marker program standing in
# for the browser the prefix has registered for http addresses.
http_command='HKCR\http\shell\open\command'
open_web_site() {
  local browser
  browser=$("$wine_run" reg query "$http_command" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p')
  "$wine_run" reg add "$http_command" /ve /d "\"$marker\" \"%1\"" /f >/dev/null 2>&1
  rm -f "$standins_log"
  press_web_site
  wait_for_file "$standins_log" 10
  local opened=$?
  "$wine_run" reg add "$http_command" /ve /d "$browser" /f >/dev/null 2>&1
  return $opened
}
open_web_site || fail "the web-site button opened nothing"
grep -qx 'host_action_marker.exe http://www.ostrel.com' <(tr -d '\r' <"$standins_log") ||
  fail "the web-site button opened: $(cat "$standins_log")"
echo "web site: the maker's site opened with the http program"

clear_vhid_log
press_restore
answer_question_cancel "restore defaults"
export_to zk40-kept.cfg
cmp -s "$temp/zk40-changed.cfg" "$temp/zk40-kept.cfg" || fail "Cancel changed the current profile"
sleep 1  # time for reports to go out, were Cancel to send any
[ -z "$(vhid_reports)" ] || fail "Cancel sent reports: $(vhid_reports)"
[ "$(fingerprint)" = "$saved" ] || fail "Cancel saved a profile file"
echo "restore defaults, Cancel: nothing changed"

clear_vhid_log
press_restore
answer_question_ok "restore defaults"
changed() { [ "$(fingerprint)" != "$saved" ]; }
wait_until changed || fail "the factory profile was not saved after its upload"
expect_saved_profile_upload "the mouse did not receive the factory profile"
cmp -s "$data/Profile/Profile1.cfg" "$install/Profile/Profile1.cfg" || fail "Profile1.cfg is not the factory profile"
echo "restore defaults, OK: the factory profile sent and saved"
xdotool mousemove 0 0
rm -f "$temp"/zk40-*.cfg
