#!/usr/bin/env bash
# A user makes a macro: New macro, types its name, records real key presses
# (a held key gives one press), stops; Macro.cfg then holds the keys with the
# measured gaps before every key after the first; with "Record delays"
# unticked, the keys alone. The same in a Simplified
# Chinese install, whose layout moves the editing controls.
# usage: macro_recording.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/macro_lib.sh"

open_macro_page
click_new_macro
xdotool type --delay 80 "Fire"
key Return
click_record
sleep 0.3
xdotool key a
sleep 0.4
# Held for 1.2 s: the X server repeats the press until it is let go.
xdotool keydown b
sleep 1.2
xdotool keyup b
sleep 0.3
xdotool mousemove 0 0
sleep 0.3
screenshot page-macro-en-recording
click_record
wait_until test -n "$(stored_macros)" || fail "nothing stored after the recording"
stored=$(stored_macros)
echo "stored: $(echo "$stored" | cut -c1-60)"
[ "$(echo "$stored" | wc -l)" = 1 ] || fail "expected one macro, found: $stored"
id=$(echo "$stored" | cut -d' ' -f1)
events=$(events_of "$id" | tr '\n' ',')
echo "events: $events"
[ "$(key_events_of "$id")" = "press 41 release 41 press 42 release 42" ] ||
  fail "recorded keys differ: $events"
[ "$(events_of "$id" | head -n 1)" = "press 41" ] || fail "the recording does not start with its first key: $events"
gap=$(events_of "$id" | sed -n 's/^delay //p' | sed -n 3p)
[ "${gap:-0}" -ge 1000 ] || fail "the held key's gap was not measured: $events"
[ "$(name_of "$id")" = Fire ] || fail "the in-place name was not stored: $(name_of "$id")"
screenshot page-macro-en-recorded

# "Record delays" unticked: a recording holds the keys alone.
click_delay_toggle
new_macro Keys
record a b
keys=$(macro_id_named Keys)
[ -n "$keys" ] && [ "$(events_of "$keys" | tr '\n' ' ')" = "press 41 release 41 press 42 release 42 " ] ||
  fail "with Record delays unticked the recording holds: $(events_of "$keys" | tr '\n' ,)"
echo "Record delays unticked: keys only"
stop_driver

# A Simplified Chinese install: the Chinese skins over skins\.
use_chinese_install
start_driver
wait_window || fail "no main window for the Chinese install"
click_tab 3
sleep 0.5
new_macro Chinese
click_record
sleep 0.3
xdotool key c
sleep 0.3
xdotool mousemove 0 0
sleep 0.3
screenshot page-macro-sc-recording
click_record
sleep 0.5
id=$(macro_id_named Chinese)
[ -n "$id" ] && [ "$(key_events_of "$id")" = "press 43 release 43" ] || fail "the Chinese page recorded: $(events_of "$id" | tr '\n' ,)"
# The Chinese layout: Insert at 361..391, the delay choice at 644..768 x 389..405.
step_row 1
page_click 376 426
page_click 700 397
xdotool type --delay 80 250
xdotool mousemove 0 0
sleep 0.3
screenshot page-macro-sc-editing
page_click 872 423
sleep 0.5
events_of "$id" | grep -q '^delay 2[5-9][0-9]$' || fail "the Chinese layout's delay insert failed: $(events_of "$id" | tr '\n' ,)"
stop_driver
