#!/usr/bin/env bash
# A list box wrapped in the skinned frame, with real input: the list's own
# bar is nowhere to be seen (the skin's cells are), and the skinned bar's
# arrow, thumb and track scroll the list.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/screen.sh"
start_probe list
read -r _ x y w h <<<"$(wait_for '^ready ' 30)" || exit 1
read -r _ fx fy fw fh <<<"$(wait_for '^frame ' 5)" || exit 1
read -r _ page _ rows <<<"$(wait_for '^page ' 5)" || exit 1
shot scroll_list "$((fx - 10))" "$((fy - 10))" "$((fw + 20))" "$((fh + 20))"
[ "$w" -eq 18 ] || { echo "skinned bar is $w wide, expected one cell (18)"; exit 1; }
[ $((x + w)) -le $((fx + fw)) ] && [ "$x" -ge "$fx" ] || { echo "skinned bar outside its frame"; exit 1; }
cx=$((x + w / 2))
expect_pixel "up arrow" "$cx" "$((y + 9))" "#0A14C8" || exit 1
expect_pixel "down arrow" "$cx" "$((y + h - 9))" "#2814C8" || exit 1
expect_pixel "track" "$cx" "$((y + h - 24))" "#6414C8" || exit 1
# Nothing of the platform's own bar shows anywhere in the strip.
strip=$(count_not '#[0-9A-F][0-9A-F][0-9A-F][0-9A-F]C8' "$x" "$y" "$w" "$h")
[ "$strip" -eq 0 ] || { echo "$strip pixels of the bar's strip are not the skin's"; exit 1; }

xdotool mousemove "$cx" "$((y + h - 9))" click 1      # down arrow: one row
wait_for '^top 1$' 5 >/dev/null || exit 1

last=$((rows - page))
track=$((h - 36))
thumb=$((page * track / rows))
[ "$thumb" -lt 6 ] && thumb=6
offset=$((1 * (track - thumb) / (rows - page)))
ty=$((y + 18 + offset + thumb / 2))
expect_pixel "thumb" "$cx" "$ty" "#4614C8" || exit 1
xdotool mousemove "$cx" "$ty" mousedown 1             # drag the thumb to the end
for step in 20 40 60 80 100 120 140 160 180 200; do
  xdotool mousemove "$cx" "$((ty + step))"
  sleep 0.05
done
xdotool mouseup 1
wait_for "^top $last\$" 5 >/dev/null || exit 1

xdotool mousemove "$cx" "$((y + 22))" click 1          # track above the thumb: one page up
wait_for "^top $((last - page))\$" 5 >/dev/null || exit 1
sleep 0.7                                              # the bar follows the list
expect_pixel "track above the thumb" "$cx" "$((y + 22))" "#6414C8" || exit 1
xdotool mousemove 300 300 click 3
probe_status || { echo "probe failed"; exit 1; }
echo "the list scrolled by arrow ($((1))), drag (to $last) and page (to $((last - page)))"
