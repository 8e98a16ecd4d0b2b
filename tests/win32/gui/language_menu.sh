#!/usr/bin/env bash
# The language menu with real input: the item under the cursor is
# highlighted and loses the highlight when the cursor leaves the menu; a
# click on an item sends 1025 with its language number; a click elsewhere
# closes the menu with 1025 (0, 0). "plain": no frame picture in the
# program, so the plain accent frame; "framed": the tests' own frame
# picture, whose transparent corners show the window underneath.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/screen.sh"
look=$3
start_probe language "$look"
read -r _ x y w h <<<"$(wait_for '^ready ' 30)" || exit 1
[ "$w" -eq 116 ] && [ "$h" -eq 273 ] || { echo "menu is ${w}x$h, expected 116x273 for twelve items"; exit 1; }
item_y() { echo $((y + 6 + 22 * $1 + 11)); }
accent="#0093D1"

if [ "$look" = framed ]; then
  expect_pixel "transparent corner" "$((x + 1))" "$((y + 1))" "#808080" || exit 1
  expect_pixel "frame ring" "$((x + 58))" "$((y + 1))" "$accent" || exit 1
  inside="#202428"
  # Where the stretched middle meets the corners: no seam.
  expect_pixel "first stretched column" "$((x + 32))" "$((y + 100))" "$inside" || exit 1
  expect_pixel "first stretched row" "$((x + 20))" "$((y + 32))" "$inside" || exit 1
else
  expect_pixel "plain frame" "$x" "$((y + 100))" "$accent" || exit 1
  inside="#FFFFFF"
fi

xdotool mousemove "$((x + 60))" "$(item_y 2)"
sleep 0.4
shot "language_menu_$look" "$((x - 10))" "$((y - 10))" "$((w + 20))" "$((h + 20))"
expect_pixel "hovered item" "$((x + 20))" "$(item_y 2)" "$accent" || exit 1
expect_pixel "item below" "$((x + 20))" "$(item_y 3)" "$inside" || exit 1
[ "$(count_not "$accent" "$((x + 40))" "$(($(item_y 2) - 8))" 60 16)" -gt 10 ] || { echo "no text on the hovered item"; exit 1; }
[ "$(count_not "$inside" "$((x + 40))" "$(($(item_y 7) - 8))" 60 16)" -gt 10 ] || { echo "no text on a plain item"; exit 1; }

xdotool mousemove "$((x + 60))" "$(item_y 4)"           # down two items
sleep 0.4
expect_pixel "new hovered item" "$((x + 20))" "$(item_y 4)" "$accent" || exit 1
expect_pixel "old hovered item" "$((x + 20))" "$(item_y 2)" "$inside" || exit 1

xdotool mousemove "$((x - 40))" "$(item_y 4)"           # out of the menu
sleep 0.4
expect_pixel "item after leaving" "$((x + 20))" "$(item_y 4)" "$inside" || exit 1

xdotool mousemove "$((x + 60))" "$(item_y 5)" click 1   # sixth item: Italian
wait_for '^notify 0 6$' 5 >/dev/null || exit 1
wait_for '^gone$' 5 >/dev/null || exit 1
refuse '^notify 0 0$' || exit 1

for _ in $(seq 100); do                                 # opened again
  [ "$(tr -d '\r' <"$out" | grep -c '^ready ')" -ge 2 ] && break
  sleep 0.1
done
sleep 0.3
xdotool mousemove 30 380 click 1                        # on the window underneath
wait_for '^notify 0 0$' 5 >/dev/null || exit 1
probe_status || { echo "probe failed"; exit 1; }
[ "$(tr -d '\r' <"$out" | grep -c '^gone$')" -eq 2 ] || { echo "the menu did not close"; exit 1; }
[ "$(tr -d '\r' <"$out" | grep -c '^notify ')" -eq 2 ] || { echo "unexpected notifications"; cat "$out"; exit 1; }
echo "highlight followed the cursor; a click chose 6; a click elsewhere closed the menu"
