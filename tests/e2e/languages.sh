#!/usr/bin/env bash
# The language popup switches to each of the twelve languages: Language.cfg
# holds the number chosen, the flag changes, and the captions of the tabs,
# profile buttons and Apply are those of the language (English again gives
# the start's captions back, German and Chinese others). At start-up a
# Language.cfg holding 13 loads nothing but is written back with 13, and one
# holding 0 changes nothing and is left as it is.
# usage: languages.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"

captions() { xdotool mousemove 0 0; sleep 0.3; crop "$1" 30 85 900 37; crop "$1-bottom" 321 608 620 28; }
flag() { crop "flag-$1" 19 592 36 23; }

fresh_data_folder
plug mouse
start_driver
wait_window || fail "no main window"
sleep 1  # the first paint of the reference captions leaves no outside sign
captions start
flag start
for language in 1 2 3 4 5 6 7 8 9 10 11 12; do
  before=$(visible_windows)
  click_language
  wait_popup "$before" || fail "the language popup did not open for $language"
  # The popup opens 4 pixels left of the language button, 287 above its bottom; 22-pixel rows.
  click 71 $((348 + 6 + 22 * (language - 1) + 11))
  same_language() { [ "$(language_number)" = "$language" ]; }
  wait_until same_language || fail "Language.cfg holds $(language_number) after choosing $language"
  wait_within 10 window_closed "$popup" || fail "the language popup stayed after choosing $language"
  captions "l$language"
  flag "$language"
  [ "$language" -eq 5 ] && screenshot e2e-language-german
done
same_picture start l2 || fail "English again did not give the start's captions back"
same_picture start-bottom l2-bottom || fail "English again did not give the start's profile captions back"
same_picture flag-start flag-2 || fail "English again did not show the English flag"
for language in 1 5 10; do
  same_picture start "l$language" && fail "language $language left the English tab captions"
  same_picture flag-start "flag-$language" && fail "language $language left the English flag"
done
for language in 3 4 6 7 8 9 11 12; do
  same_picture "flag-$language" "flag-$((language - 1))" && fail "languages $((language - 1)) and $language show one flag"
done
echo "twelve languages: Language.cfg, flag and captions follow the choice"
stop_driver

# Language.cfg holding 13: no file loaded, written back with 13.
write_language_number 13
before=$(stat -c %Y.%y "$data/Language.cfg")
sleep 1.1
start_driver
wait_window || fail "no main window with Language.cfg 13"
rewritten() { [ "$(stat -c %Y.%y "$data/Language.cfg")" != "$before" ]; }
wait_until rewritten || fail "Language.cfg holding 13 was not written back"
[ "$(language_number)" = 13 ] || fail "Language.cfg holds $(language_number), not 13"
# Retried while the new window may still be painting.
start_captions() { captions "$1" && same_picture start "$1"; }
wait_within 5 start_captions thirteen || fail "with 13 the captions are not the start-up language's"
stop_driver

# Language.cfg holding 0: nothing happens, the file stays as it is.
write_language_number 0
before=$(stat -c %Y.%y "$data/Language.cfg")
start_driver
wait_window || fail "no main window with Language.cfg 0"
sleep 2  # time for a rewrite of the file, were there one
[ "$(stat -c %Y.%y "$data/Language.cfg")" = "$before" ] || fail "Language.cfg holding 0 was rewritten"
start_captions zero || fail "with 0 the captions are not the start-up language's"
echo "Language.cfg 13 is written back, 0 is left alone"
