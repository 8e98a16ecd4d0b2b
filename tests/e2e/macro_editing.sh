#!/usr/bin/env bash
# Editing a recorded macro step by step: a delay inserted next to a delay is
# merged into it, a key is modified by pressing the new one, a step is
# deleted; a game chosen from the game menu files new macros under that game;
# switching macro or tab while recording saves the recording in the macro it
# was made for; the mouse pictures record mouse buttons; a row renamed in
# place keeps its name on Enter or a click elsewhere and drops it on Escape.
# usage: macro_editing.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/macro_lib.sh"

open_macro_page
new_macro Edit
record a b
id=$(macro_id_named Edit)
[ -n "$id" ] || fail "the recording was not stored: $(stored_macros)"
[ "$(key_events_of "$id")" = "press 41 release 41 press 42 release 42" ] || fail "recorded: $(events_of "$id")"
first_gap=$(events_of "$id" | sed -n 2p | cut -d' ' -f2)

# Rows: 0 press A, 1 delay, 2 release A, 3 delay, 4 press B, 5 delay, 6 release B.
step_row 2
click_insert
click_delay_choice
xdotool type --delay 80 100
xdotool mousemove 0 0
sleep 0.3
screenshot page-macro-en-editing
click_delay_ok
sleep 0.5
[ "$(events_of "$id" | grep -c '^delay')" = 3 ] || fail "the inserted delay was not merged: $(events_of "$id" | tr '\n' ,)"
[ "$(events_of "$id" | sed -n 2p)" = "delay $((first_gap + 100))" ] ||
  fail "the merged delay is not $first_gap + 100: $(events_of "$id" | tr '\n' ,)"
echo "a delay inserted below a delay was merged into it"

step_row 0
click_modify
key c
click_key_ok
sleep 0.5
[ "$(key_events_of "$id")" = "press 43 release 41 press 42 release 42" ] ||
  fail "the modified key was not stored: $(events_of "$id" | tr '\n' ,)"
echo "a key was modified"

step_row 6
click_delete_step
sleep 0.5
[ "$(key_events_of "$id")" = "press 43 release 41 press 42" ] || fail "the step was not deleted: $(events_of "$id" | tr '\n' ,)"
echo "a step was deleted"

# Switching to another macro while recording saves the recording.
new_macro Other
click_record
sleep 0.3
xdotool key x
sleep 0.3
macro_row 0
sleep 0.5
other=$(macro_id_named Other)
[ -n "$other" ] && [ "$(key_events_of "$other")" = "press 58 release 58" ] ||
  fail "switching macro while recording lost the recording: $(stored_macros | cut -c1-40)"
echo "switching macro while recording saved it"

# Another tab while recording saves it too.
macro_row 1
click_record
sleep 0.3
xdotool key y
sleep 0.3
click_tab 1
sleep 0.5
[ "$(key_events_of "$other")" = "press 59 release 59" ] || fail "another tab while recording lost it: $(events_of "$other" | tr '\n' ,)"
echo "another tab while recording saved it"

# A game from the game menu: new macros belong to it.
click_tab 3
sleep 0.5
choose_game 3 || fail "the game menu did not open or close"
new_macro Game
record z
game=$(macro_id_named Game)
[ "${game:0:2}" = 03 ] || fail "a macro made under the third game is filed as $game"
echo "the game menu chose the third game"

# The mouse pictures record mouse buttons: left is key code 1, right 2.
click_record
sleep 0.3
page_click 727 196
page_click 813 197
click_record
sleep 0.5
[ "$(key_events_of "$game")" = "press 1 release 1 press 2 release 2" ] ||
  fail "the mouse pictures recorded: $(events_of "$game" | tr '\n' ,)"
echo "the mouse pictures record mouse buttons"

# Renaming in place: Escape keeps the name the row had, a click elsewhere
# on the page keeps what was typed (Enter was used above).
macros_before=$(stored_macros | wc -l)
click_new_macro
xdotool type --delay 80 Dropped
xdotool key Escape
sleep 0.5
record x
[ "$(stored_macros | wc -l)" -gt "$macros_before" ] || fail "the new macro was not stored"
[ -z "$(macro_id_named Dropped)" ] || fail "Escape kept the typed name"
click_new_macro
xdotool type --delay 80 Clicked
page_click 480 20
sleep 0.5
record y
[ -n "$(macro_id_named Clicked)" ] || fail "a click elsewhere did not keep the typed name"
echo "in-place rename: Enter and a click elsewhere keep the name, Escape drops it"
stop_driver
