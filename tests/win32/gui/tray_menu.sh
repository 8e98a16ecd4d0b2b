#!/usr/bin/env bash
# The tray-style menu with real input: "Config" and "Exit" drawn in the
# light look, the item under the cursor framed in black and filled with the
# highlight colour, and a click on "Exit" gives its command.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/screen.sh"
start_probe tray
read -r _ _ l0 t0 r0 b0 <<<"$(wait_for '^item 0 ' 30)" || exit 1
read -r _ _ l1 t1 r1 b1 <<<"$(wait_for '^item 1 ' 5)" || exit 1
[ $((b0 - t0)) -eq 22 ] && [ $((b1 - t1)) -eq 22 ] || { echo "items are not 22 pixels high"; exit 1; }
fill="#DBD8D1" lit="#B1B9CF"
sleep 0.3
expect_pixel "Config" "$((l0 + 20))" "$((t0 + 11))" "$fill" || exit 1
expect_pixel "Exit" "$((l1 + 20))" "$((t1 + 11))" "$fill" || exit 1
[ "$(count_not "$fill" "$((l0 + 33))" "$t0" "$((r0 - l0 - 33))" 22)" -gt 10 ] || { echo "no text on Config"; exit 1; }

xdotool mousemove "$((l1 + 20))" "$((t1 + 11))"
wait_for '^select 24577$' 5 >/dev/null || exit 1
sleep 0.4
shot tray_menu "$((l0 - 10))" "$((t0 - 10))" "$((r1 - l0 + 20))" "$((b1 - t0 + 20))"
expect_pixel "highlighted Exit" "$((l1 + 20))" "$((t1 + 11))" "$lit" || exit 1
expect_pixel "highlight frame" "$l1" "$((t1 + 11))" "#000000" || exit 1
expect_pixel "Config after the highlight left" "$((l0 + 20))" "$((t0 + 11))" "$fill" || exit 1
[ "$(count_not "$lit" "$((l1 + 33))" "$((t1 + 1))" "$((r1 - l1 - 34))" 20)" -gt 10 ] || { echo "no text on Exit"; exit 1; }

xdotool click 1
wait_for '^command 24577$' 5 >/dev/null || exit 1
wait_for '^done$' 5 >/dev/null || exit 1
probe_status || { echo "probe failed"; exit 1; }
echo "Config and Exit drawn; Exit highlighted and chosen"
