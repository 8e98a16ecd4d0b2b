#!/usr/bin/env bash
# A Simplified Chinese install (its own skin, languagetype.ini value 1): the
# wheel's controls lie where the Chinese skin draws them. The lines-down
# arrow at its Chinese place takes the factory 3 lines to 2, which Windows
# gets on Apply.
# usage: button_page_chinese_install.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/button_page_lib.sh"

chinese_skins="$install/../skin-sets/sc/skins"
[ -f "$chinese_skins/languagetype.ini" ] || fail "no Chinese skin set at $chinese_skins"
cp -r "$install" "$work/install"
cp -r "$chinese_skins/." "$work/install/skins/"
install="$work/install"
fresh_data_folder
clear_vhid_log
plug mouse
start_driver
wait_window || fail "no main window in the Chinese install"
sleep 1  # the first paint, which leaves no outside sign, before the picture
pointer_away
screenshot e2e-button-page-chinese-install
# The lines-down arrow of the Chinese skin: (594, 341, 607, 350) on the page.
click_page 600 345
apply_and_wait
[ "$(pointer_line)" = "0 10 2" ] || fail "pointer settings (precision speed lines): $(pointer_line)"
[ "$(windows_setting Desktop WheelScrollLines)" = 2 ] || fail "Windows scrolls $(windows_setting Desktop WheelScrollLines) lines"
echo "the Chinese install's lines arrow lies on its skin's arrow: 2 lines"
