#!/usr/bin/env bash
# Assigning functions through the function chooser end to end: a key
# combination typed with real keys (Ctrl+K on forward), a basic function
# (the basic list untouched: FIRE on back), a macro (the player's own list
# on right) and "disable" (middle) each end in their key-matrix code on the
# mouse after Apply. Taking Click from the only button that has it, and the
# sniper function on the wheel, are refused with a notice and change nothing.
# While the chooser is open the main window takes no clicks.
# usage: button_page_functions.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/button_page_lib.sh"

# A first start lays out the data folder; the second finds a macro in the
# player's own group (21).
first_start
stop_driver
write_macro_file 0x15000001 Jump
start_driver
wait_window || fail "no main window after the macro was added"

# Refused: Ctrl+K for the only Click button, SNIPE (the basic list's
# next-to-last entry) for the wheel.
open_chooser 0
xdotool key ctrl+k
sleep 0.3
chooser_ok
expect_notice left-click-refused
open_chooser 5
chooser_tab 3
click_chooser 120 84
xdotool key End Up
sleep 0.3
screen_shot e2e-button-page-chooser-basic
chooser_ok
expect_notice sniper-refused

# An entry shows itself latched while its button differs from the factory
# function: FIRE latches wheel-down, the default button unlatches it.
entry6() { pointer_away; crop "$1" 570 538 90 26; }
entry6 factory
open_chooser 6
chooser_tab 3
chooser_ok
wait_chooser_closed
entry6 fire
same_picture factory fire && fail "the wheel-down entry did not latch with FIRE"
open_chooser 6
click_chooser 276 271
wait_chooser_closed
entry6 default
same_picture factory default || fail "the wheel-down entry stayed latched after the default"

open_chooser 3
xdotool key ctrl+k
sleep 0.5
screen_shot e2e-button-page-chooser
# The main window takes no clicks under the chooser: Apply sends nothing.
clear_vhid_log
click_apply
sleep 1  # time for an upload to begin, were Apply to work under the chooser
[ -z "$(vhid_reports)" ] || fail "Apply worked under the open chooser"
chooser_ok
open_chooser 4
chooser_tab 3
chooser_ok
open_chooser 2
chooser_tab 2
screen_shot e2e-button-page-chooser-macro
chooser_ok
open_chooser 1
chooser_disable
screen_shot e2e-button-page-chooser-disabled
chooser_ok
wait_chooser_closed
pointer_away
screenshot e2e-button-page-functions
apply_and_wait

check_slot() {
  local got
  got=$(matrix_slot "$1")
  [[ $got =~ ^$2$ ]] || fail "$3: slot $1 holds $got, not $2"
}
check_slot 0 0100f000 "left keeps Click"
check_slot 1 090001.. "right plays the first macro slot"
check_slot 2 07000000 "middle is disabled"
check_slot 4 0af01802 "back fires"
check_slot 5 00010e00 "forward sends Ctrl+K"
check_slot 14 04000100 "the wheel keeps scrolling up"
check_slot 15 04000200 "wheel-down is back to scrolling down"
echo "Ctrl+K, FIRE, the macro and disable reached the key matrix; the two refusals changed nothing"
