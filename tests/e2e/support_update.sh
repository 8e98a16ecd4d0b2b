#!/usr/bin/env bash
# The firmware update from the support page, against an update server of the
# test's own on 127.0.0.1 (the program's server comes from ZK40_UPDATE_SERVER):
# up to date, server down, a server slower than the 2-second answer timer
# (the timer answers and the late answer shows nothing), two quick presses
# (one check), hostile answers (an oversized or malformed description, an
# image address that is a file path), then a newer version: question, OK,
# the image downloaded whole, the flasher started with "0" and the program
# ended. A second start in Chinese finds a cached description naming a newer
# version: it asks at once without asking the server; Cancel does nothing,
# OK fetches the image and starts the flasher with "1".
# usage: support_update.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/support_lib.sh"
export ZK40_STANDIN_NOTICE_MS=1500

rm -rf "$firmware_folder" "$standins_log"
start_server
export ZK40_UPDATE_SERVER="http://127.0.0.1:$port"
image="/fw/zk40-18.bin"
mkdir -p "$www/fw"
head -c 150000 /dev/urandom >"$www$image"

fresh_data_folder
plug mouse
start_driver
wait_window || fail "no main window"
click_tab 5
xdotool mousemove 0 0
sleep 1  # the page's first paint leaves no outside sign
screenshot page-support-en
# The virtual ZK40 reports firmware 17.

describe 17 "$ZK40_UPDATE_SERVER$image"
clear_requests
press_update
expect_plain_notice "up to date"
[ "$(requests_for /software/zk40/update.xml)" = 1 ] || fail "the description was asked for $(requests_for /software/zk40/update.xml) times"
cmp -s "$www/software/zk40/update.xml" "$firmware_folder/update.xml" || fail "the description was not kept"
echo "up to date: the latest text"

stop_server
press_update
expect_plain_notice "server down"
start_server
echo "server down: the latest text"

server_delay 6
clear_requests
started=$(date +%s)
press_update
wait_notice "slow server"
[ $(($(date +%s) - started)) -le 5 ] || fail "the timer did not answer before the slow server"
screen_shot e2e-support-latest
expect_plain_notice "slow server"
expect_no_notice_for 7 "the late answer of the slow server"
echo "slow server: the timer answered, the late answer showed nothing"

server_delay 1
clear_requests
press_update
press_update
expect_plain_notice "two presses"
expect_no_notice_for 3 "a second check"
[ "$(requests_for /software/zk40/update.xml)" = 1 ] || fail "two presses asked $(requests_for /software/zk40/update.xml) times"
server_delay 0
echo "two quick presses: one check"

kept=$(md5sum <"$firmware_folder/update.xml")
{
  printf '<?xml version="1.0"?><update><firmware><current>99</current><newfile>%s</newfile></firmware><pad>' \
    "$ZK40_UPDATE_SERVER$image"
  head -c 200000 /dev/zero | tr '\0' 'x'
  printf '</pad></update>'
} >"$www/software/zk40/update.xml"
press_update
expect_plain_notice "an oversized description"
printf '<update><firmware><current>99</current><newfile>%s</newfile></firmware>' "$ZK40_UPDATE_SERVER$image" \
  >"$www/software/zk40/update.xml"
press_update
expect_plain_notice "a malformed description"
[ "$(md5sum <"$firmware_folder/update.xml")" = "$kept" ] || fail "a hostile description replaced the kept one"
describe 99 'C:\windows\win.ini'
press_update
answer_question_ok "a newer version with a file path for its image"
expect_plain_notice "the image download failed"
[ -e "$firmware_folder/OstrelGameDevice.bin" ] && fail "an image was written from a file path"
grep -q ZizedoRI "$standins_log" 2>/dev/null && fail "the flasher was started without an image"
driver_running || fail "the program ended after a refused image"
echo "hostile answers: refused"

# The refused description was well formed, so it is the cached one now and
# would answer at once: the check goes to the server again without it.
rm -f "$firmware_folder/update.xml"
describe 18 "$ZK40_UPDATE_SERVER$image"
clear_requests
press_update
wait_notice "a newer version"
screen_shot e2e-support-question
answer_question_ok "a newer version"
wait_driver_end 30 || fail "the program did not end after the flasher was started"
cmp -s "$www$image" "$firmware_folder/OstrelGameDevice.bin" || fail "the image on disk is not the one served"
[ "$(requests_for "$image")" = 1 ] || fail "the image was asked for $(requests_for "$image") times"
wait_until grep -q '^ZizedoRI.exe 0' "$standins_log" || fail "the flasher was not started with 0: $(cat "$standins_log")"
echo "newer version: image downloaded whole, flasher started with 0, program ended"

# Chinese, with a cached description that names a newer version.
rm -f "$firmware_folder/OstrelGameDevice.bin" "$standins_log"
printf '<?xml version="1.0"?><update><firmware><current>99</current><newfile>%s</newfile></firmware></update>' \
  "$ZK40_UPDATE_SERVER$image" >"$firmware_folder/update.xml"
write_language_number 1
clear_requests
start_driver
wait_window || fail "no main window in Chinese"
click_tab 5
xdotool mousemove 0 0
sleep 1  # the page's first paint leaves no outside sign
screenshot page-support-sc
press_update
answer_question_cancel "the cached newer version"
[ "$(requests_for /)" = 0 ] || fail "the cached answer asked the server: $(cat "$requests")"
driver_running || fail "the program ended after Cancel"
press_update
answer_question_ok "the cached newer version"
wait_driver_end 30 || fail "the program did not end after the flasher was started"
[ "$(requests_for /software/zk40/update.xml)" = 0 ] || fail "the cached answer downloaded the description"
cmp -s "$www$image" "$firmware_folder/OstrelGameDevice.bin" || fail "the cached version's image was not fetched whole"
wait_until grep -q '^ZizedoRI.exe 1' "$standins_log" || fail "the flasher was not started with 1: $(cat "$standins_log")"
echo "cached newer version in Chinese: asked at once, Cancel kept the program, OK started the flasher with 1"
# The next test starts in English again.
fresh_data_folder
