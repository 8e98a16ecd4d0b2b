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

# stored_macros: one line per stored macro of Macro.cfg:
# "id loop_count event_count event..." in hexadecimal.
stored_macros() {
  [ -f "$data/Macro.cfg" ] || return 0
  local words
  od -An -v -tx4 -w4104 "$data/Macro.cfg" | while read -r -a words; do
    [ "${words[1]}" = e8e80010 ] || continue
    echo "${words[2]} ${words[4]} ${words[5]} ${words[*]:6:$((16#${words[5]}))}"
  done
}
# events_of ID: the events of the stored macro ID, one per line, as
# "press 41", "release 41" or "delay 250" (key codes hexadecimal, delays in ms).
events_of() {
  local fields event
  read -r -a fields <<<"$(stored_macros | grep "^$1 ")"
  for event in "${fields[@]:3}"; do
    case ${event:0:2} in
      c0) printf 'press %x\n' $((16#${event:2})) ;;
      e0) printf 'release %x\n' $((16#${event:2})) ;;
      a0) printf 'delay %d\n' $((16#${event:2})) ;;
      *) echo "unknown $event" ;;
    esac
  done
}
# key_events_of ID: the events without the delays.
key_events_of() { events_of "$1" | grep -v '^delay' | tr '\n' ' ' | sed 's/ $//'; }
# name_of ID: the stored name of macro ID (ASCII names).
name_of() {
  local words
  od -An -v -tx2 -w4104 "$data/Macro.cfg" | while read -r -a words; do
    [ "${words[3]}${words[2]}" = e8e80010 ] || continue
    [ "${words[5]}${words[4]}" = "$1" ] || continue
    local name="" unit
    for unit in "${words[@]:2012:40}"; do
      [ "$unit" = 0000 ] && break
      name+=$(printf "\\x${unit:2:2}")
    done
    echo "$name"
  done
}
# open_macro_page: a first start, on the macro page.
open_macro_page() {
  first_start
  sleep 1
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
# macro_id_named NAME: the id of the stored macro called NAME.
macro_id_named() {
  local id
  for id in $(stored_macros | cut -d' ' -f1); do
    [ "$(name_of "$id")" = "$1" ] && echo "$id"
  done
}
# untitled_windows: the visible windows without a title (the game menu's popup is one).
untitled_windows() { xdotool search --onlyvisible --name '^$' 2>/dev/null | sort; }
# choose_game N: game N from the game menu below the game button. Under Wine
# without a window manager the menu may take the first click as its
# activation only; while the menu still shows, the click is made again.
choose_game() {
  local before menu origin
  before=$(untitled_windows)
  page_click 176 60
  sleep 0.8
  menu=$(comm -13 <(echo "$before") <(untitled_windows) | head -n 1)
  [ -n "$menu" ] || return 1
  read -r -a origin <<<"$(window_origin)"
  xdotool mousemove $((origin[0] + page_x + 100)) $((origin[1] + page_y + 72 + 24 * ($1 - 1) + 12))
  sleep 0.3
  for _ in 1 2 3; do
    xdotool click 1
    sleep 0.6
    untitled_windows | grep -qx "$menu" || return 0
  done
  return 1
}
