#!/usr/bin/env bash
# A recorded macro with a typed loop count, bound to the forward button
# through the function chooser: deleting it is refused with the in-use
# notice and it stays stored; Apply sends it, and the macro block the mouse
# receives plays the recorded keys with the recorded gaps (to the mouse's
# 10 ms steps).
# usage: macro_bound.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/macro_lib.sh"
source "$(dirname "$0")/button_page_lib.sh"
ctl() { timeout 60 "$wine_run" "$bin/zk40ctl.exe" "$@" 2>/dev/null | tr -d '\r'; }

open_macro_page
new_macro Bound
record a b
id=$(macro_id_named Bound)
[ -n "$id" ] || fail "the recording was not stored"
# A loop count typed as 007 is stored as 7.
page_click 872 94
xdotool key End BackSpace BackSpace
xdotool type --delay 80 007
loop_count() { stored_macros | grep "^$id " | cut -d' ' -f2; }
loop_count_seven() { [ "$(loop_count)" = 00000007 ]; }
wait_within 10 loop_count_seven || fail "loop count 007 stored as: $(loop_count)"
echo "loop count 007 stored as 7"

# The forward button plays the macro, chosen in the function chooser's
# macro page, which opens on the last macro of the player's own group.
click_tab 1
sleep 0.5
open_chooser 3
chooser_tab 2
sleep 0.5
chooser_ok
wait_chooser_closed

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
apply_and_wait
[[ $(matrix_slot 5) =~ ^090001..$ ]] || fail "forward holds $(matrix_slot 5), not a macro"
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
