#!/usr/bin/env bash
# The function chooser with real clicks and key presses: each scenario opens
# it for one button, chooses one way and checks the result it hands back.
# usage: chooser.sh WINE_RUN PROBE SKIN_SET LANGUAGE_FILE SCENARIO
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/screen.sh"
skins=$3
language=$4
scenario=$5
button=3
[ "$scenario" = default ] && button=6
start_probe chooser "$skins" "$language" "$button"
read -r _ x y <<<"$(wait_for '^ready ' 30)" || exit 1
# The chooser's thread runs the hooks: keys typed while it still paints its
# first frame on a loaded machine can outwait the hooks' time limit and pass
# by them, so it is given time to settle.
sleep 1.5

click() { xdotool mousemove "$((x + $1))" "$((y + $2))" click 1; sleep 0.3; }
ok() { click 354 271; }
tab() { click "$1" 50; }
expect_result() {
  wait_for "^$1\$" 10 >/dev/null || exit 1
  wait_for '^keys 0$' 5 >/dev/null || { echo "the hooks still report keys after the chooser closed"; exit 1; }
}

case $scenario in
  keys)  # Ctrl held with K: Ctrl box on, K captured; device code 00 01 0E 00
    xdotool key ctrl+k
    sleep 0.3
    ok
    expect_result 'result 5 0x000E0100 0 -'
    ;;
  escape)  # Escape and Enter are keys like any other here: captured, not closing
    xdotool key Escape
    sleep 0.3
    xdotool key Return
    sleep 0.3
    refuse '^(result|cancelled)' || exit 1
    ok
    expect_result 'result 5 0x00280000 0 -'
    ;;
  keys-elsewhere)  # keys typed while another page shows are not captured
    tab 159
    xdotool key ctrl+k
    sleep 0.3
    tab 55
    ok
    expect_result 'cancelled'
    ;;
  basic)  # a click on the list, then Home: its first entry, Close window (81)
    tab 255
    click 120 84
    xdotool key Home
    sleep 0.3
    ok
    expect_result 'result 0 0x00000051 0 -'
    ;;
  basic-untouched)  # the list ends with FIRE selected
    tab 255
    ok
    expect_result 'result 0 0x0000008F 0 -'
    ;;
  macro)  # the player's own group opens with its last macro; a click picks the first
    tab 159
    ok
    expect_result 'result 6 0x15000002 0 -'
    ;;
  macro-click)
    tab 159
    click 260 85
    ok
    expect_result 'result 6 0x15000001 0 -'
    ;;
  disable)  # the switch hides every page; OK disables the button
    tab 255
    click 32 267
    ok
    expect_result 'result 121 0x00000007 0 -'
    ;;
  default)  # the wheel-backward button's factory function: Scroll down (22)
    click 276 271
    expect_result 'result 0 0x00000016 0 -'
    ;;
  program)  # the program row's browse button asks through the system's open-file dialog
    tab 358
    beside=$(pixel "$((x + 430))" "$((y + 290))")  # where the dialog will cover the owner
    click 332 144
    sleep 3
    xdotool type --delay 30 'C:\windows\notepad.exe'
    sleep 0.3
    # The dialog's Open button; the dialog opens at the page's corner.
    xdotool mousemove "$((x + 393))" "$((y + 264))"
    sleep 0.5
    xdotool click 1
    for _ in $(seq 50); do [ "$(pixel "$((x + 430))" "$((y + 290))")" = "$beside" ] && break; sleep 0.2; done
    ok
    expect_result 'result 19 0x00D30006 1 C:.windows.notepad.exe'
    ;;
  nothing)  # OK with nothing chosen cancels; so does the close button
    ok
    expect_result 'cancelled'
    ;;
  close)
    xdotool key ctrl+k
    click 397 12
    expect_result 'cancelled'
    ;;
  *)
    echo "unknown scenario $scenario"
    exit 2
    ;;
esac
probe_status || { echo "probe failed"; exit 1; }
echo "chooser $scenario: $(tr -d '\r' <"$out" | grep -E '^(result|cancelled)')"
