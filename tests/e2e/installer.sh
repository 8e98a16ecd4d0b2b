#!/usr/bin/env bash
# ZK40Setup.exe under Wine: a silent install in English and one in Simplified
# Chinese each lay down every file of the install image, the matching skin
# set, skins\languagetype.ini and the factory language choice, a Start-menu
# folder and the uninstall entry; the installed program starts with the
# virtual ZK40 and shows its window in the chosen language. The uninstaller
# removes what was installed, keeps a file the user put there and never
# touches the data folder. An unknown language, or a running driver, is
# refused without installing anything.
# usage: installer.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS INSTALLER
source "$(dirname "$0")/lib.sh"
setup=$6
image=$install
sc_skins="$(dirname "$image")/skin-sets/sc/skins"
installed="$prefix/drive_c/Program Files/Ostrel/ZK40"
start_menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Ostrel ZK40"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\OstrelZK40'
[ -f "$setup" ] || fail "no installer at $setup"

registry_value() { "$wine_run" reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n {print $3}'; }
uninstall_entry() { "$wine_run" reg query "$uninstall_key" >/dev/null 2>&1; }
# The uninstaller runs from a copy of itself and returns at once.
uninstall() {
  timeout 60 "$wine_run" "C:\\Program Files\\Ostrel\\ZK40\\Uninstall.exe" /S || fail "the uninstaller failed"
  gone() { [ ! -e "$installed/Uninstall.exe" ] && ! uninstall_entry; }
  wait_until gone || fail "the uninstaller did not finish"
}
clean_install() {
  [ -e "$installed/Uninstall.exe" ] && uninstall
  rm -rf "$prefix/drive_c/Program Files/Ostrel" "$start_menu"
}
installer_finish() { stop_driver; clean_install; e2e_finish; }
trap installer_finish EXIT
captions() { xdotool mousemove 0 0; sleep 0.3; crop "$1" 30 85 900 37; }

clean_install
plug mouse

# The reference: the install image's own program, English.
fresh_data_folder
start_driver
wait_window || fail "no main window from the install image"
sleep 1  # the first paint of the captions leaves no outside sign
captions image
stop_driver

# Refusals leave nothing behind.
timeout 60 "$wine_run" "$setup" /S /LANG=xx
[ $? -eq 2 ] || fail "an unknown language was not refused with code 2"
[ ! -e "$installed" ] || fail "an unknown language installed files"

for language in en sc; do
  timeout 120 "$wine_run" "$setup" /S /LANG=$language || fail "the $language install failed"
  (cd "$image" && find . -type f) | while read -r file; do
    [ -f "$installed/$file" ] || fail "the $language install lacks $file"
  done || exit 1
  expected_value=0 expected_number=2 skins="$image/skins"
  if [ $language = sc ]; then expected_value=1 expected_number=1 skins=$sc_skins; fi
  grep -qx "value=$expected_value" <(tr -d '\r' <"$installed/skins/languagetype.ini") ||
    fail "the $language install's languagetype.ini: $(cat "$installed/skins/languagetype.ini")"
  [ "$(od -An -tu4 -N4 "$installed/Language.cfg" | tr -d ' ')" = $expected_number ] ||
    fail "the $language install's factory Language.cfg is not $expected_number"
  cmp -s "$installed/skins/Main_Normal.bmp" "$skins/Main_Normal.bmp" || fail "the $language install has the other skins"
  cmp -s "$installed/ZK40Driver.exe" "$image/ZK40Driver.exe" || fail "the $language install's program differs"
  ls "$start_menu"/*.lnk >/dev/null 2>&1 || fail "no Start-menu shortcuts"
  [ -n "$(registry_value DisplayVersion)" ] || fail "no uninstall entry"

  fresh_data_folder
  install=$installed
  start_driver
  wait_window || fail "the $language install's program showed no window"
  sleep 1  # the first paint of the captions leaves no outside sign
  captions "installed-$language"
  screenshot "e2e-installed-$language"
  if [ $language = en ]; then
    same_picture image installed-en || fail "the English install does not show English captions"
    # A running driver stops a silent install.
    timeout 60 "$wine_run" "$setup" /S /LANG=en
    [ $? -eq 3 ] || fail "a silent install over the running driver was not refused with code 3"
  else
    same_picture image installed-sc && fail "the Chinese install shows English captions"
    [ "$(language_number)" = 1 ] || fail "the Chinese install's first start chose language $(language_number)"
  fi
  stop_driver
  install=$image

  [ -d "$data" ] || fail "the program made no data folder"
  before=$(cd "$data" && find . -type f | sort | xargs md5sum)
  touch "$installed/notes-of-the-user.txt"
  uninstall
  [ -z "$(cd "$installed" && find . -type f ! -name notes-of-the-user.txt)" ] || fail "the uninstaller left files"
  [ -f "$installed/notes-of-the-user.txt" ] || fail "the uninstaller removed a file it did not install"
  [ ! -e "$start_menu" ] || fail "the uninstaller left the Start-menu folder"
  [ "$(cd "$data" && find . -type f | sort | xargs md5sum)" = "$before" ] || fail "the uninstaller touched the data folder"
  rm -rf "$prefix/drive_c/Program Files/Ostrel"
  echo "$language: installed, started in its language, uninstalled"
done
