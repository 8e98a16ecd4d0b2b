#!/usr/bin/env bash
# The mouse coming and going, end to end:
#  - without the mouse the "cannot be found" notice counts down and the
#    program ends, its window never shown;
#  - unplugging the mouse while idle shows the lost notice, then the program ends;
#  - unplugging it during an upload is quiet until the upload fails: then the
#    failure notice, and nothing is saved; plugging it back while idle shows
#    the found notice, which closes by itself, and the program runs on;
#  - another USB device coming and going changes nothing.
# usage: presence.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"

# No mouse.
unplug all
fresh_data_folder
start_driver
wait_until notice_shown || fail "no notice without the mouse"
window_visible && fail "the main window showed without the mouse"
screen_shot e2e-notice-not-found
wait_driver_end 20 || fail "the program did not end after the not-found notice"
echo "no mouse: the notice counted down and the program ended"

# Unplugged while idle.
plug mouse
start_driver
wait_window || fail "no main window"
sleep 1  # the program settles after its start; that shows no outside sign
unplug mouse
wait_until notice_shown || fail "no notice after the mouse was unplugged"
wait_driver_end 20 || fail "the program did not end after the lost notice"
echo "unplugged while idle: the lost notice, then the program ended"

# Unplugged during an upload, plugged back while idle.
plug mouse
start_driver
wait_window || fail "no main window"
sleep 1  # the program settles after its start; that shows no outside sign
before=$(fingerprint)
click_apply
unplug mouse
wait_until notice_shown || fail "no notice after the upload lost its mouse"
screen_shot e2e-notice-upload-failed
[ "$(fingerprint)" = "$before" ] || fail "a failed upload saved the profile files"
dismiss_notice
wait_until notice_gone || fail "the failure notice did not close"
driver_running || fail "the program ended after a failed upload"
plug mouse
wait_until notice_shown || fail "no found notice after the mouse came back"
screen_shot e2e-notice-found
wait_within 9 notice_gone || fail "the found notice did not close by itself"
driver_running || fail "the program ended after the mouse came back"
window_visible || fail "the main window is gone after the mouse came back"
echo "unplugged during an upload: quiet, then the failure notice, nothing saved; plugged back: the found notice"

# Another USB device (the firmware-update device stands in) coming and going changes nothing.
plug update-mode
sleep 3  # a notice would show within moments; its absence gives no sign
notice_shown && fail "another USB device's arrival showed a notice"
unplug update-mode
sleep 3  # a notice would show within moments; its absence gives no sign
notice_shown && fail "another USB device's removal showed a notice"
driver_running || fail "another USB device ended the program"
window_visible || fail "another USB device hid the window"
echo "another USB device changes nothing"
