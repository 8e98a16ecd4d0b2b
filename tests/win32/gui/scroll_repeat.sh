#!/usr/bin/env bash
# Holding the skinned bar's down arrow with real input. "rate": one step at
# once, the next after 500 ms, then one every 100 ms, with the arrow drawn
# pressed while held. "end": from 15 of 0..20 the repeat stops by itself
# where the last page begins. Times are checked with generous margins.
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/screen.sh"
scenario=$3
start=0
[ "$scenario" = end ] && start=15
start_probe bar "$start"
read -r _ x y w h <<<"$(wait_for '^ready ' 30)" || exit 1
ax=$((x + w / 2)) ay=$((y + h - w / 2))
xdotool mousemove "$ax" "$ay"
sleep 0.3
expect_pixel "hovered down arrow" "$ax" "$ay" "#2864C8" || exit 1
xdotool mousedown 1
if [ "$scenario" = end ]; then
  # Reading the screen slows everything down: only where timing does not count.
  sleep 0.3
  expect_pixel "pressed down arrow" "$ax" "$ay" "#28B4C8" || exit 1
  shot scroll_bar_pressed "$((x - 20))" "$((y - 20))" "$((w + 40))" "$((h + 40))"
  sleep 1
else
  sleep 1.5
fi
xdotool mouseup 1
sleep 0.6
steps=$(tr -d '\r' <"$out" | grep '^scroll 1 ')
sleep 0.4
after=$(tr -d '\r' <"$out" | grep -c '^scroll 1 ')
xdotool mousemove 300 300 click 3   # ends the probe
probe_status || { echo "probe failed"; exit 1; }
echo "$steps"
n=$(echo "$steps" | grep -c .)
[ "$after" -eq "$n" ] || { echo "steps went on after the button was released"; exit 1; }
[ "$(echo "$steps" | grep -c '^scroll 1 .* 0$')" -eq 1 ] || { echo "no single step at once"; exit 1; }

if [ "$scenario" = end ]; then
  [ "$n" -eq 5 ] || { echo "expected 5 steps (16 to 20), got $n"; exit 1; }
  [ "$(echo "$steps" | tail -n 1 | awk '{print $3}')" -eq 20 ] || { echo "did not reach 20"; exit 1; }
  echo "the repeat stopped at the last page"
  exit 0
fi

read -r -a times <<<"$(echo "$steps" | awk '{printf "%s ", $4}')"
[ "$n" -ge 6 ] || { echo "expected about 11 steps in 1.5 s, got $n"; exit 1; }
second=${times[1]}
[ "$second" -ge 400 ] && [ "$second" -le 800 ] || { echo "second step after $second ms, expected about 500"; exit 1; }
last=${times[$((n - 1))]}
mean=$(((last - second) / (n - 2)))
[ "$mean" -ge 60 ] && [ "$mean" -le 200 ] || { echo "repeat every $mean ms, expected about 100"; exit 1; }
echo "first step at once, the second after $second ms, then every $mean ms"
