#!/usr/bin/env bash
# An install without MenuEx.dll: the program has no game menus, but the
# button page stays and works (a DPI box clicked and Apply reach the mouse).
# usage: button_page_without_menu_library.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/button_page_lib.sh"

cp -r "$install" "$work/install"
rm -f "$work/install/MenuEx.dll"
install="$work/install"
fresh_data_folder
clear_vhid_log
plug mouse
start_driver
wait_window || fail "no main window without MenuEx.dll"
click_dpi_box 1
apply_and_wait
state=$(device_state)
echo "$state" | grep -qx 'dpi stages 1000 1500 2000 3000 - - - -' || fail "DPI stages: $(echo "$state" | grep dpi)"
screenshot e2e-button-page-without-menu-library
echo "without MenuEx.dll the button page stays and its settings reach the mouse"
