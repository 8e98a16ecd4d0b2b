# Steps of the macro page's end-to-end tests, on top of lib.sh: clicks at the
# page's own coordinates and a reader of the stored Macro.cfg.

page_x=15
page_y=128
# page_click X Y: a click at the macro page's client point (X, Y).
page_click() { click $((page_x + $1)) $((page_y + $2)); }
click_new_macro() { page_click 46 426; }
click_delete_macro() { page_click 108 426; }
click_record() { page_click 840 37; }
click_delay_toggle() { page_click 740 67; }
# Insert, delete step and modify sit elsewhere in the Chinese layout.
click_insert() { page_click 358 426; }
click_delete_step() { page_click 391 426; }
click_modify() { page_click 424 426; }
click_key_ok() { page_click 872 349; }
click_delay_choice() { page_click 700 373; }
click_delay_ok() { page_click 872 398; }
# step_row N: a click on row N (from 0) of the step list.
step_row() { page_click 420 $((51 + 9 + 18 * $1)); }
macro_row() { page_click 150 $((89 + 9 + 18 * $1)); }

# The stored Macro.cfg, read with one python3 call each (macro_cfg.py).
macro_cfg() { python3 "$(dirname "${BASH_SOURCE[0]}")/macro_cfg.py" "$data/Macro.cfg" "$@"; }
# stored_macros: "id loop_count event_count event..." (hexadecimal) per stored macro.
stored_macros() { macro_cfg list; }
# events_of ID: "press 41", "release 41" or "delay 250" a line.
events_of() { macro_cfg events "$1"; }
# key_events_of ID: the events without the delays.
key_events_of() { events_of "$1" | grep -v '^delay' | tr '\n' ' ' | sed 's/ $//'; }
name_of() { macro_cfg name "$1"; }
# macro_id_named NAME: the id of the stored macro called NAME.
macro_id_named() { macro_cfg named "$1"; }
# open_macro_page: a first start, on the macro page.
open_macro_page() {
  first_start
  click_tab 3
  sleep 0.5
}
# new_macro NAME: a new macro row, renamed to NAME in place.
new_macro() {
  click_new_macro
  xdotool type --delay 80 "$1"
  xdotool key Return
  sleep 0.5
}
# record KEY...: a recording of the keys, each typed once, 0.3 s apart.
record() {
  click_record
  sleep 0.3
  local k
  for k in "$@"; do
    xdotool key "$k"
    sleep 0.3
  done
  click_record
  sleep 0.5
}
# choose_game N: game N from the game menu below the game button. Under Wine
# without a window manager the menu may take the first click as its
# activation only; while the menu still shows, the click is made again.
choose_game() {
  local before menu origin
  before=$(visible_windows)
  page_click 176 60
  wait_popup "$before" || return 1
  menu=$popup
  read -r -a origin <<<"$(window_origin)"
  xdotool mousemove $((origin[0] + page_x + 100)) $((origin[1] + page_y + 72 + 24 * ($1 - 1) + 12))
  sleep 0.3
  for _ in 1 2 3; do
    xdotool click 1
    wait_within 1 window_closed "$menu" && return 0
  done
  return 1
}
