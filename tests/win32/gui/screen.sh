# Reading the screen in the GUI tests (imagemagick). Source after lib.sh.
if ! command -v import >/dev/null || ! command -v convert >/dev/null; then
  echo "no imagemagick: skipped"
  exit 77
fi
# Screenshots are kept beside the build's other artifacts.
artifacts="$(dirname "$wine_run")/artifacts"
mkdir -p "$artifacts"

# pixel X Y: the screen's colour there as #RRGGBB.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-F]\{6\}'; }

# count_not COLOUR X Y W H: how many pixels of the rectangle differ from COLOUR.
count_not() {
  import -window root -crop "$4x$5+$2+$3" -depth 8 txt:- | tail -n +2 | grep -v -c "$1"
}

# shot NAME X Y W H: keeps that part of the screen as artifacts/NAME.png.
shot() { import -window root -crop "$4x$5+$2+$3" "$artifacts/$1.png"; }

# expect_pixel WHAT X Y COLOUR
expect_pixel() {
  local got
  got=$(pixel "$2" "$3")
  if [ "$got" != "$4" ]; then
    echo "$1: pixel ($2, $3) is $got, expected $4"
    return 1
  fi
}
