#!/usr/bin/env bash
# The main window as a user handles it: the hint line follows the cursor
# over the tabs; Enter, Esc and Space do nothing;
# Alt+F4 hides it to the tray (the program runs on); a second start wakes
# it and ends at once; a double-click on the tray icon shows it too; the
# tray menu's "Exit" ends the program. The window can be dragged by its
# background. The updater is started once, three seconds after start-up.
# usage: window_and_tray.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"

rm -f "$standins_log"
plug mouse
start_driver
wait_window || fail "no main window"
click 480 60
for k in Return Escape space; do key "$k"; done
window_visible || fail "Enter, Esc or Space closed or hid the window"
driver_running || fail "Enter, Esc or Space ended the program"

# The hint line: the cursor over a tab shows its hint, over the background none.
hover() {
  local origin
  read -r -a origin <<<"$(window_origin)"
  xdotool mousemove $((origin[0] + $1)) $((origin[1] + $2)) sleep 0.2 mousemove_relative 1 1 sleep 0.6
}
hover 480 60
crop hint-none 67 598 233 30
hover 290 103
crop hint-tab2 67 598 233 30
screenshot e2e-hint-lighting
same_picture hint-none hint-tab2 && fail "no hint with the cursor over the lighting tab"
hover 480 60
crop hint-after 67 598 233 30
same_picture hint-none hint-after || fail "the hint stayed after the cursor left the tab"
echo "the hint line follows the cursor"

# Dragging by the background moves the window.
read -r x0 y0 <<<"$(window_origin)"
xdotool mousemove $((x0 + 480)) $((y0 + 60)) mousedown 1 sleep 0.3 mousemove_relative 40 30 sleep 0.3 \
  mousemove_relative 20 10 sleep 0.3 mouseup 1
sleep 0.5
read -r x1 y1 <<<"$(window_origin)"
[ "$x1" -ne "$x0" ] || [ "$y1" -ne "$y0" ] || fail "dragging the background did not move the window"

key alt+F4
wait_until window_hidden || fail "Alt+F4 did not hide the window"
driver_running || fail "Alt+F4 ended the program"
echo "keys do nothing, Alt+F4 hides to the tray"

# A second start wakes the first and ends.
"$wine_run" "$install/ZK40Driver.exe" </dev/null >/dev/null 2>&1 &
second=$!
for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second start did not end"
wait_until window_visible || fail "the second start did not wake the first window"
echo "a second start wakes the first"

grep -q '^OstrelUpdate.exe' "$standins_log" 2>/dev/null || fail "the updater was not started"
[ "$(grep -c '^OstrelUpdate.exe' "$standins_log")" -eq 1 ] || fail "the updater was started more than once"

# The tray icon: Wine's own tray window holds it when no tray is on the desktop.
tray=$(find_visible "Wine System Tray")
[ -n "$tray" ] || { echo "no tray window on this desktop: the tray steps are skipped"; exit 0; }
eval "$(xdotool getwindowgeometry --shell "$tray" | sed 's/^/tray_/')"
# The icon is the first in the tray's one row of icons, along its bottom
# edge: a title bar Wine draws itself, on a display without a window
# manager, lies above the row.
icon_x=$((tray_X + 8)) icon_y=$((tray_Y + tray_HEIGHT - 12))
key alt+F4
wait_until window_hidden || fail "Alt+F4 did not hide the window again"
xdotool mousemove $icon_x $icon_y click --repeat 2 --delay 80 1
wait_until window_visible || fail "a double-click on the tray icon did not show the window"
before=$(visible_windows)
xdotool mousemove $icon_x $icon_y click 3
wait_popup "$before" || fail "a right click on the tray icon opened no menu"
screen_shot e2e-tray-menu
# "Config" first, "Exit" second: one item down from where the menu opened.
xdotool key Down Down Return
wait_driver_end 15 || fail "\"Exit\" did not end the program"
echo "tray: double-click shows the window, \"Exit\" ends the program"
