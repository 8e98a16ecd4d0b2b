# The button page's places and what the mouse holds after an upload; sourced
# after lib.sh. Page points are the page's client coordinates: the page lies
# at (15, 128) in the main window. The function chooser opens centred over
# the page, its client area at (271, 204) in the main window.

click_page() { click $(($1 + 15)) $(($2 + 128)); }
click_chooser() { click $(($1 + 271)) $(($2 + 204)); }

dpi_box_x=(90 158 230 301 370 441 510 581)  # 500, 750, 1000, 1250, 1500, 1750, 2000, 3000
click_dpi_box() { click_page "${dpi_box_x[$1]}" 73; }
rate_x=(93 162 231)  # 125, 500, 1000 per second
click_report_rate() { click_page "${rate_x[$1]}" 310; }
click_precision() { click_page 94 211; }
entry_x=(60 156 244 331 418 515 622)  # button index order
# open_chooser BUTTON: clicks the button's entry and waits for the chooser; sets chooser.
chooser=""
open_chooser() {
  local before
  before=$(visible_windows)
  click_page "${entry_x[$1]}" 425
  wait_popup "$before" || fail "no function chooser for button $1"
  chooser=$popup
}
# wait_chooser_closed: the last chooser opened is gone from the screen.
wait_chooser_closed() { wait_within 10 window_closed "$chooser" || fail "the function chooser stayed open"; }
chooser_tab() { local xs=(55 159 255 358); click_chooser "${xs[$1 - 1]}" 50; }
chooser_ok() { click_chooser 354 271; }
chooser_disable() { click_chooser 32 267; }

# matrix_slot N: key-matrix slot N (0..15) as the mouse last received it,
# eight hex digits, byte 0 first. The matrix follows the 0x0112 command in
# two output reports of 32 bytes each after the report id.
matrix_slot() {
  local matrix
  matrix=$(vhid_reports | grep -A2 '^feature 051201' | tail -n 2 | sed 's/^output 05//' | tr -d '\n')
  echo "${matrix:$(($1 * 8)):8}"
}
# The settings of the saved profile, as the mouse and Windows get them.
device_state() { timeout 60 "$wine_run" "$bin/zk40ctl.exe" device-state "$data" 2>/dev/null | tr -d '\r'; }
pointer_line() {
  timeout 60 "$wine_run" "$bin/zk40ctl.exe" upload-trace "$data" 2>/dev/null | tr -d '\r' | sed -n 's/^[0-9]* pointer //p'
}
# windows_setting KEY NAME: a value of the user's Windows settings in Wine's registry.
windows_setting() {
  timeout 60 "$wine_run" reg query "HKCU\\Control Panel\\$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v n="$2" '$1 == n { print $3 }'
}

le32() {
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)))"
}
# write_macro_file ID NAME: Macro.cfg with one macro (A pressed and
# released) of that id and name in its first record, the other 499 empty.
write_macro_file() {
  {
    le32 4104; le32 0xE8E80010; le32 "$1"; le32 0; le32 1; le32 2
    le32 0xC0000041; le32 0xE0000041
    head -c $((4024 - 32)) /dev/zero
    printf '%s' "$2" | iconv -t UTF-16LE
    head -c $((80 - 2 * ${#2})) /dev/zero
    head -c $((4104 * 499)) /dev/zero
  } >"$data/Macro.cfg"
}
# A refusal's notice: shown, then dismissed.
expect_notice() {
  wait_until notice_shown || fail "no notice for $1"
  screen_shot "e2e-button-page-$1"
  dismiss_notice
  wait_until notice_gone || fail "the notice for $1 did not close"
}
# The saved current profile as zk40ctl exports it (JSON).
profile_json() {
  timeout 60 "$wine_run" "$bin/zk40ctl.exe" profile-export "$data" 'C:\windows\temp\zk40page.json' >/dev/null 2>&1
  tr -d '\r' <"$prefix/drive_c/windows/temp/zk40page.json"
}
