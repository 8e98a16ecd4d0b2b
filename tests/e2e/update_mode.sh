#!/usr/bin/env bash
# The mouse in firmware-update mode at start-up: the driver starts the
# flasher FWUpdate\ZizedoRI.exe with "0" (an English interface) and ends
# without showing its window.
# usage: update_mode.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"
# The flasher stand-in closes its own notice after a moment, unattended.
export ZK40_STANDIN_NOTICE_MS=1500

unplug all
rm -f "$standins_log"
plug update-mode
start_driver
wait_driver_end 30 || fail "the driver did not end with the mouse in firmware-update mode"
wait_for_file "$standins_log" 10 || fail "the flasher was not started"
[ "$(tr -d '\r' <"$standins_log")" = "ZizedoRI.exe 0" ] || fail "the stand-ins' log holds: $(cat "$standins_log")"
window_visible && fail "the main window showed"
echo "firmware-update mode: the flasher started with 0, the driver ended"
