#!/usr/bin/env bash
# The disc taken out while the launcher runs. The demo disc is served by the simulated optical
# drive; once the launcher's first frame is up, the drive stops answering (as an ejected or
# unreadable disc does) and every page the launcher still has mapped from the medium is paged
# out, as memory pressure may do at any time. Then every handler is used: the pointer over each
# item and the background, Up, Down, Enter, F1, a click on each item and on the web address,
# the failure box. The launcher answers throughout (the requests for files on the gone disc go
# to the opener like any other) and ends with status 0.
#
# From ctest's environment: N5_LAUNCHER (the disc's launcher), N5_OPTICAL_DRIVE, N5_PAGE_OUT and
# what lib.sh and reliability_lib.sh read.
source "$(dirname "$0")/../linux/e2e/lib.sh"
source "$(dirname "$0")/../linux/e2e/reliability_lib.sh"
: "${N5_OPTICAL_DRIVE:?}" "${N5_PAGE_OUT:?}"

e2e_layout_disc "$WORK/disc folder"
SOURCE=$DISC
MEDIUM=$WORK/medium
mkdir -p "$MEDIUM"
"$N5_OPTICAL_DRIVE" --speed cd24 --pid-file "$WORK/drive.pid" --stats "$WORK/drive.stats" \
  "$SOURCE" "$MEDIUM" >"$WORK/drive.log" 2>&1 || { cat "$WORK/drive.log" >&2; exit 1; }
DRIVE_PID=$(cat "$WORK/drive.pid")
end_drive() {
  e2e_stop_launcher
  umount "$MEDIUM" 2>/dev/null || umount -l "$MEDIUM" 2>/dev/null || true
  kill "$DRIVE_PID" 2>/dev/null || true
}
trap 'end_drive; e2e_cleanup' EXIT
DISC=$MEDIUM

# The opener is the only program on PATH: once it may not run, no other xdg-open is found.
e2e_spawn_launcher() {
  (cd "$WORK" && exec env PATH="$WORK/bin" LC_ALL=zh_CN.UTF-8 "$DISC/n5launcher") \
    >"$WORK/launcher.out" 2>"$WORK/launcher.err" &
  LAUNCHER_PID=$!
}
e2e_start_xvfb
e2e_start_launcher
echo "ok: the first frame from the drive"

kill -USR1 "$DRIVE_PID"
e2e_wait_for 5 grep -q 'ejected=1' "$WORK/drive.stats" || e2e_fail "the drive did not stop"
e2e_check_eq "the disc is gone" "$(ls "$MEDIUM" 2>/dev/null | wc -l)" 0
launcher=$LAUNCHER_PID
paged=$("$N5_PAGE_OUT" "$launcher" "$MEDIUM/")
echo "paged out from the medium: $paged"
e2e_check_eq "nothing of the launcher is mapped from the medium any more" "$paged" \
  "mappings=0 bytes=0"

for item in 0 1 2 3 4; do e2e_move_to $(rel_caption "$item"); done
e2e_move_to "${BACKGROUND_PROBE[0]}" "${BACKGROUND_PROBE[1]}"
rel_check_answers "the pointer over every item and the background; Down"
e2e_key Up
e2e_key Down
rel_check_starts "Enter installs from the gone disc" e2e_key Return -- \
  xdg-open "$MEDIUM/集成安装程序/setup.exe"
rel_check_starts "F1 opens the help document" e2e_key F1 -- \
  xdg-open "$MEDIUM/TARVEN/TARVENInstallation_cn.pdf"
rel_check_starts "caption 0 installs" rel_click_item 0 -- xdg-open "$MEDIUM/集成安装程序/setup.exe"
rel_check_starts "caption 1 browses the disc" rel_click_item 1 -- xdg-open "$MEDIUM"
rel_check_starts "caption 2 opens the product manual" rel_click_item 2 -- \
  xdg-open "$MEDIUM/$REL_MANUAL/$REL_MANUAL.pdf"
rel_check_starts "caption 3 opens the installation notes" rel_click_item 3 -- \
  xdg-open "$MEDIUM/$REL_NOTES/$REL_NOTES.pdf"
rel_check_starts "the web address" e2e_click_web_address -- xdg-open "$REL_WEB_ADDRESS"
chmod a-x "$WORK/bin/xdg-open"
rel_click_item 1
rel_check_box_closes "browse without a runnable opener"
rel_check_answers "after the box"
e2e_key Escape
e2e_wait_exit 10
e2e_check_eq "Esc ends it with status 0" "$STATUS" 0
e2e_check_eq "nothing on standard error" "$(cat "$WORK/launcher.err")" ""
e2e_pass
