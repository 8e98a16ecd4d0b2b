#!/usr/bin/env bash
# Tabs 3 to 5 disable the profile buttons and Apply (a click on them sends
# nothing and switches nothing), tabs 1 and 2 enable them again; each tab
# shows its page. Screenshots of the window under each tab, for an English
# install and for a Simplified Chinese one (its skins copied over skins\).
# usage: tabs_and_profiles.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
names=(buttons lighting macros statistics support)

fresh_data_folder
plug mouse
start_driver
wait_window || fail "no main window"
for tab in 1 2 3 4 5; do
  click_tab $tab
  xdotool mousemove 0 0
  sleep 0.5
  screenshot "e2e-en-${names[$tab - 1]}"
done

for tab in 3 4 5; do
  click_tab $tab
  before=$(fingerprint)
  clear_vhid_log
  click_profile 3
  click_apply
  sleep 2  # time for an upload to begin, were Apply to work here
  [ -z "$(vhid_reports)" ] || fail "Apply under tab $tab sent reports: $(vhid_reports)"
  [ "$(fingerprint)" = "$before" ] || fail "a profile button under tab $tab changed the profile files"
done
echo "tabs 3..5: the profile buttons and Apply do nothing"

click_tab 2
apply_and_wait
click_tab 1
apply_and_wait
echo "tabs 1 and 2: Apply uploads"
stop_driver

# A Simplified Chinese install; the factory's Language.cfg says English, this user chose Simplified Chinese.
use_chinese_install
start_driver
wait_window || fail "no main window for the Chinese install"
for tab in 1 2 3 4 5; do
  click_tab $tab
  xdotool mousemove 0 0
  sleep 0.5
  screenshot "e2e-sc-${names[$tab - 1]}"
done
echo "screenshots of each tab, English and Chinese, in $artifacts"
