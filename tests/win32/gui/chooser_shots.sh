#!/usr/bin/env bash
# Screenshots of the chooser's four pages and of the disable switch, in one
# language: artifacts/chooser-LANG-PAGE.png. Checks that each tab shows its
# page (the page areas differ) and that the close button cancels.
# usage: chooser_shots.sh WINE_RUN PROBE SKIN_SET LANGUAGE_FILE LANG [--chinese]
source "$(dirname "$0")/lib.sh" "$@"
source "$(dirname "$0")/screen.sh"
skins=$3
language=$4
name=$5
start_probe chooser "$skins" "$language" ${6:-} 3
read -r _ x y <<<"$(wait_for '^ready ' 30)" || exit 1
sleep 0.5
click() { xdotool mousemove "$((x + $1))" "$((y + $2))" click 1; sleep 0.4; }
page_sum() { import -window root -crop "370x169+$((x + 21))+$((y + 74))" -depth 8 rgb:- | md5sum | cut -d' ' -f1; }

xdotool key ctrl+k
sleep 0.4
xdotool mousemove "$((x + 200))" "$((y + 290))"
sleep 0.3
declare -A sums
for page in combo:55 macro:159 basic:255 advanced:358; do
  [ "${page%%:*}" != combo ] && click "${page##*:}" 50
  xdotool mousemove "$((x + 200))" "$((y + 290))"
  sleep 0.3
  shot "chooser-$name-${page%%:*}" "$x" "$y" 413 300
  sums[${page%%:*}]=$(page_sum)
done
click 32 267
xdotool mousemove "$((x + 200))" "$((y + 290))"
sleep 0.3
shot "chooser-$name-disabled" "$x" "$y" 413 300
distinct=$(printf '%s\n' "${sums[@]}" "$(page_sum)" | sort -u | wc -l)
[ "$distinct" -eq 5 ] || { echo "only $distinct different page areas among the four pages and the disabled state"; exit 1; }
click 397 12
wait_for '^cancelled$' 10 >/dev/null || exit 1
probe_status || { echo "probe failed"; exit 1; }
echo "screenshots in $artifacts/chooser-$name-*.png"
