#!/usr/bin/env bash
# Start-up and Apply end to end: the driver starts with the virtual ZK40
# plugged in, shows its 959 x 639 window and reads the firmware version
# (the mouse receives the version query); Apply sends the current profile,
# and the mouse receives exactly what zk40ctl's upload of the same data
# folder sends, report for report; Profile1.cfg and ConfigInfo.cfg are
# written only once the upload succeeded. Then profile 2 and Apply send
# profile 2, and the profile table marks profile 2.
# usage: apply_uploads_current_profile.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"

fresh_data_folder
clear_vhid_log
plug mouse
start_driver
wait_window || fail "no main window"
[ "$(window_size)" = "959x639" ] || fail "the main window is $(window_size), not 959x639"
# The version query: command 0x80 in a feature report (report id 5).
wait_until grep -q '^feature 0580' "$vhid_log" || fail "the firmware version was not read: $(vhid_reports)"
screenshot e2e-start

# Apply: the upload of profile 1.
sleep 1  # the start-up's last reports must not fall into the upload's log
clear_vhid_log
expected=$(expected_upload)
[ -n "$expected" ] || fail "zk40ctl upload-trace gave no reports"
before=$(fingerprint)
click_apply
sleep 0.3
[ "$(fingerprint)" = "$before" ] || fail "profile files were written before the upload ended"
count=$(echo "$expected" | wc -l)
wait_until reports_at_least "$count" || fail "the upload did not finish: $(vhid_reports | wc -l) of $count reports"
if [ "$(vhid_reports)" != "$expected" ]; then
  diff <(echo "$expected") <(vhid_reports)
  fail "the mouse received other reports than zk40ctl's upload of the same data folder"
fi
changed() { [ "$(fingerprint)" != "$before" ]; }
wait_until changed || fail "Profile1.cfg and ConfigInfo.cfg were not written after the upload"
[ -f "$data/Profile/Profile1.cfg" ] && [ -f "$data/Profile/ConfigInfo.cfg" ] || fail "profile files missing"
echo "apply: $count reports as zk40ctl sends them; the profile files written after success"

# Profile 2, then Apply: profile 2 goes to the mouse.
click_profile 2
sleep 0.5
clear_vhid_log
click_apply
sleep 0.3
# zk40ctl's upload-trace sends the profile the table marks current: after
# the successful upload that is profile 2, the one the driver just sent.
wait_until test -f "$data/Profile/Profile2.cfg" || fail "no Profile2.cfg"
wait_until reports_at_least "$count" || fail "the second upload did not finish"
expect_saved_profile_upload "profile 2's upload is not what zk40ctl sends for profile 2"
echo "profile 2 and Apply: profile 2 sent"
