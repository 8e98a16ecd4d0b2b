#!/usr/bin/env bash
# The statistics page end to end: real clicks and wheel turns made with
# xdotool are counted, shown and found in Sts.cfg after the program exits;
# a periodic save (every second here, through ZK40_STATS_SAVE_SECONDS) keeps
# a whole Sts.cfg with its counts when the program is killed; a missing
# Sts.cfg shows its notice once; Reset asks, Cancel keeps the counts and OK
# clears them; asked whether the session may end, the program saves.
# Screenshots with trophies at several levels, English and
# Simplified Chinese.
# usage: statistics_page.sh WINE_RUN BIN INSTALL WINEPREFIX ARTIFACTS
source "$(dirname "$0")/lib.sh"

stats="$data/Sts.cfg"
page_click() { click $((15 + $1)) $((128 + $2)); }
# The six counters of Sts.cfg: left, middle, right, wheel forward, wheel backward, travel.
counters() { od -An -tu4 -v "$stats" | xargs; }
# write_counters L M R F B T: the counters the next start finds.
write_counters() {
  mkdir -p "$data"
  python3 -c 'import struct,sys; open(sys.argv[1],"wb").write(struct.pack("<6I",*map(int,sys.argv[2:])))' "$stats" "$@"
}
# Whether the program writes no temporary files that stay behind.
no_leftovers() { [ -z "$(find "$data" -maxdepth 1 -name 'Sts.cfg.~*')" ]; }
# The number column, cut from the window.
numbers() { crop "$1" $((15 + 150)) $((128 + 84)) 115 322; }

export ZK40_STATS_SAVE_SECONDS=1

# --- real input is counted, shown and saved at exit -------------------------------
fresh_data_folder
plug mouse
# A first start copies the data files; the counters are then set to zero.
start_driver
wait_window || fail "no main window at the first start"
stop_driver
write_counters 0 0 0 0 0 0
start_driver
wait_window || fail "no main window"
sleep 1  # the counting starts as the start-up ends, which shows no outside sign
click_tab 4   # one left press
sleep 0.5
xdotool mousemove 0 0
sleep 0.6
numbers before
read -r -a origin <<<"$(window_origin)"
# Over the page's empty middle, below the trophy's stage: nothing there reacts.
xdotool mousemove $((origin[0] + 15 + 460)) $((origin[1] + 128 + 440))
sleep 0.3
xdotool click --repeat 5 --delay 120 1
xdotool click --repeat 2 --delay 120 2
xdotool click --repeat 3 --delay 120 3
xdotool click --repeat 4 --delay 120 4
xdotool click --repeat 6 --delay 120 5
sleep 0.5
xdotool mousemove 0 0
sleep 0.6
numbers after
same_picture before after && fail "the number column did not change after the clicks"
screenshot e2e-statistics-counted
stop_driver
read -r left middle right forward backward travel <<<"$(counters)"
[ "$left $middle $right $forward $backward" = "6 2 3 4 6" ] ||
  fail "Sts.cfg after exit holds $(counters), not 6 2 3 4 6 and the travel"
[ "$travel" -gt 0 ] || fail "no cursor travel counted"
no_leftovers || fail "temporary files left beside Sts.cfg"
echo "counted and saved at exit: $(counters)"

# --- Windows ends the session: the counts are saved while the program still runs ---
ZK40_STATS_SAVE_SECONDS=86400 start_driver
wait_window || fail "no main window (log-off start)"
sleep 1
# A start shows the button page: clicks go where nothing of it reacts.
xdotool mousemove $((origin[0] + 15 + 700)) $((origin[1] + 128 + 300))
sleep 0.3
xdotool click --repeat 2 --delay 120 1
sleep 0.5
# The question is answered before posted messages, so clicks still queued may miss a save: asked again then.
asked_and_saved() {
  answer=$(timeout 60 "$wine_run" "$bin/session_end_probe.exe" "$title" 2>/dev/null | tr -d '\r')
  [ "$answer" = "answer 1" ] || fail "asked whether the session may end, the program said '$answer'"
  [ "$(counters | cut -d' ' -f1)" = 8 ]
}
asked_and_saved || asked_and_saved || asked_and_saved ||
  fail "Sts.cfg holds $(counters) after the log-off question, not 8 left presses"
driver_running || fail "the program ended on the question alone"
stop_driver
echo "log-off: the counts saved when Windows asks ($(counters))"

# --- killed: the last periodic save is a whole file ---------------------------------
start_driver
wait_window || fail "no main window (second start)"
sleep 1  # the counting starts as the start-up ends, which shows no outside sign
xdotool mousemove $((origin[0] + 15 + 700)) $((origin[1] + 128 + 300))
sleep 0.6
xdotool click --repeat 3 --delay 120 1
saved_three() { [ "$(counters | cut -d' ' -f1)" = 11 ]; }
wait_within 30 saved_three || fail "no periodic save within the timer's period: $(counters)"
expected=$(counters)
# No clean exit: kill -9 of the program's own process (the one of this Wine prefix).
killed=""
for pid in $(pgrep -x ZK40Driver.exe); do
  tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && { kill -9 "$pid"; killed=$pid; }
done
[ -n "$killed" ] || fail "the program's process was not found"
wait_driver_end 10 || fail "the program did not end when killed"
[ "$(stat -c %s "$stats")" = 24 ] || fail "Sts.cfg is $(stat -c %s "$stats") bytes after the kill"
[ "$(counters)" = "$expected" ] || fail "Sts.cfg holds $(counters) after the kill, not the periodic save's $expected"
echo "killed: Sts.cfg whole with the periodic save's counts ($expected)"

# --- a missing Sts.cfg: its notice once, then the file is back --------------------
rm -f "$stats"
start_driver
wait_until notice_shown || fail "no notice for the missing Sts.cfg"
screen_shot e2e-statistics-missing-file
dismiss_notice
wait_window || fail "no main window after the notice"
sleep 2  # time for a second notice to show, were there one
notice_gone || fail "a second notice showed"
stop_driver
[ "$(counters)" != "" ] || fail "Sts.cfg was not written at exit"
start_driver
wait_window || fail "no main window (fourth start)"
sleep 2  # time for a notice to show, were there one
notice_gone || fail "a notice showed though Sts.cfg exists"
echo "missing Sts.cfg: one notice, and the file is back after exit"

# --- reset asks; Cancel keeps, OK clears -------------------------------------------
click_tab 4
sleep 0.5
page_click 767 394
wait_until notice_shown || fail "Reset did not ask"
press_notice cancel
wait_until notice_gone || fail "the question did not close on Cancel"
sleep 3  # three periods of the save timer: a cleared count would be on disk by then
[ "$(counters)" != "0 0 0 0 0 0" ] || fail "Cancel cleared the counters"
page_click 767 394
wait_until notice_shown || fail "Reset did not ask the second time"
press_notice ok
wait_until notice_gone || fail "the question did not close on OK"
[ "$(counters)" = "0 0 0 0 0 0" ] || fail "OK left $(counters) in Sts.cfg"
xdotool mousemove 0 0
sleep 0.5
screenshot e2e-statistics-reset
stop_driver
echo "reset: asked; Cancel kept the counts, OK cleared them"

# --- trophies at several levels, English and Chinese ------------------------------
shots() {  # LANGUAGE
  local level
  for level in "120000 30000 9000 700 650 1234567" "1200000 400000 90000 2000000 1500000 5000000" \
               "9000000 900000 400000 80000 70000 2147483647"; do
    write_counters $level
    start_driver
    wait_window || fail "no main window for the trophy pictures"
    click_tab 4
    xdotool mousemove 0 0
    sleep 1
    screenshot "e2e-statistics-$1-$(echo "$level" | cut -d' ' -f1)"
    stop_driver
  done
}
shots en
use_chinese_install
shots sc
echo "screenshots of the trophies in $artifacts"
