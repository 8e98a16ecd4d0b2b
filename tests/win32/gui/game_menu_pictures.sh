#!/usr/bin/env bash
# The game menu draws its rows from the skin pictures, the hovered row from
# the "over" picture, and closes by itself when the user clicks elsewhere.
source "$(dirname "$0")/lib.sh" "$@"
command -v convert >/dev/null && command -v import >/dev/null || { echo "no imagemagick: skipped"; exit 77; }
pictures=$(mktemp -d)
trap 'finish; rm -rf "$pictures"' EXIT
for name in MenuNorL MenuDownL MenuNorHaveSub MenuOverHaveSub MenuDownHaveSub; do
  convert -size 160x24 xc:'rgb(10,20,30)' "BMP3:$pictures/$name.BMP"
done
convert -size 160x24 xc:'rgb(200,50,50)' "BMP3:$pictures/MenuOverL.BMP"

start_probe "Z:${pictures//\//\\}"
read -r _ x y h <<<"$(wait_for '^ready ' 30)" || exit 1
xdotool mousemove $((x + 80)) $((y + 2 * h + h / 2))   # over the third row
sleep 0.5
hovered=$(pixel $((x + 150)) $((y + 2 * h + 4)))
normal=$(pixel $((x + 150)) $((y + 6 * h + 4)))
echo "hovered row $hovered, normal row $normal"
[ "$hovered" = "#C83232" ] || { echo "hovered row not drawn from its picture"; exit 1; }
[ "$normal" = "#0A141E" ] || { echo "normal row not drawn from its picture"; exit 1; }
xdotool mousemove 20 20 click 1                        # on the owner window, outside the menu
wait_for '^menu gone$' 10 || exit 1
probe_status || exit 1
