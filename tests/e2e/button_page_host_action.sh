#!/usr/bin/env bash
# A host action end to end, in the Simplified Chinese interface: the forward
# button is bound to a program through the chooser's advanced page and the
# system's open-file dialog; after Apply the mouse keeps the button's own
# code, and a real click of the forward button (X button 2) starts the
# program. The page and the chooser over it are photographed in Chinese, the
# left-click refusal speaks Chinese, and opening the chooser turns the left
# button's English factory label into the Chinese one.
# usage: button_page_host_action.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/button_page_lib.sh"

first_start
stop_driver
write_language_number 1
start_driver
wait_window || fail "no main window in Chinese"
# The saved language is applied once the window's message loop runs.
sleep 2
xdotool mousemove 0 0
sleep 0.5
screenshot e2e-button-page-chinese

open_chooser 0
xdotool key ctrl+k
sleep 0.3
chooser_ok
expect_notice left-click-refused-chinese

open_chooser 3
screen_shot e2e-button-page-chooser-keys-chinese
chooser_tab 2
screen_shot e2e-button-page-chooser-macro-chinese
chooser_tab 3
screen_shot e2e-button-page-chooser-basic-chinese
chooser_tab 4
screen_shot e2e-button-page-chooser-advanced-chinese
# The program row's browse button opens the open-file dialog.
before=$(visible_windows)
click_chooser 332 144
wait_popup "$before" || fail "the browse button opened no file dialog"
type_into_file_dialog "$popup" "$marker"
screen_shot e2e-button-page-chooser-program-chinese
chooser_ok
wait_chooser_closed
apply_and_wait
[ "$(matrix_slot 5)" = 0100f400 ] || fail "forward should keep its own code for the host: slot 5 holds $(matrix_slot 5)"
# Opening the chooser put the left button's English factory label into Chinese.
left_label=$(profile_json | sed -n '/"left"/,/}/s/^ *"label": "\(.*\)",$/\1/p')
[ "$left_label" = "单击" ] || fail "the left button's label is $left_label, not 单击"

sleep 1  # the program settles after the upload; that shows no outside sign
rm -f "$standins_log"
read -r -a origin <<<"$(window_origin)"
xdotool mousemove $((origin[0] + 600)) $((origin[1] + 300)) sleep 0.3 click 9
wait_for_file "$standins_log" 10 || fail "the forward button did not start the program"
grep -q '^host_action_marker.exe' <(tr -d '\r' <"$standins_log") || fail "the log holds: $(cat "$standins_log")"
echo "forward bound to a program: the mouse keeps 01 00 F4 00 and a click of forward starts it"
