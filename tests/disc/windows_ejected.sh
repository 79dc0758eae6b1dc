#!/usr/bin/env bash
# The disc taken out while the Windows launcher runs under Wine: the disc is served by the
# simulated optical drive as drive D: (a CD-ROM); once the window is up, the drive stops
# answering, as an ejected or unreadable disc does. Wine has read the whole program into memory
# by then, so this shows what the program does, not what the loader does: every action still
# answers at once, none hangs or crashes. The installer and the documents are gone, so their
# open requests fail, silently; browsing starts Explorer on the gone drive; the web address and
# the keys work as before; Esc ends it with status 0.
#
# From ctest's environment: what wine_lib.sh reads and N5_OPTICAL_DRIVE.
set -euo pipefail
: "${N5_OPTICAL_DRIVE:?}"
# shellcheck source=tests/win32/wine_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../win32/wine_lib.sh"

medium=$work/medium
drive_pid=
end_drive() {
  [ -n "$drive_pid" ] || return 0
  for _ in $(seq 50); do umount "$medium" 2>/dev/null && break; sleep 0.1; done
  mountpoint -q "$medium" && umount -l "$medium"
  kill "$drive_pid" 2>/dev/null || true
}
trap 'cleanup; end_drive' EXIT

start_xvfb
prepare_prefix
put_stand_ins
record_explorer
lay_out_disc "$work/disc" 'D:\'
mkdir -p "$medium"
"$N5_OPTICAL_DRIVE" --speed cd24 --pid-file "$work/drive.pid" --stats "$work/drive.stats" \
  "$work/disc" "$medium" >"$work/drive.log" 2>&1 || fail "the simulated drive did not mount"
drive_pid=$(cat "$work/drive.pid")
map_drive "$medium" d
timeout 60 wine reg add 'HKLM\Software\Wine\Drives' /v d: /d cdrom /f >/dev/null ||
  fail "cannot make drive D: a CD-ROM"
restore_steps+=("timeout 60 wine reg delete 'HKLM\\Software\\Wine\\Drives' /v d: /f >/dev/null 2>&1")

disc_dir=$medium
start_launcher zh_CN.UTF-8
wait_window "$title_cn"
kill -USR1 "$drive_pid"
for _ in $(seq 50); do grep -q 'ejected=1' "$work/drive.stats" && break; sleep 0.1; done
grep -q 'ejected=1' "$work/drive.stats" || fail "the drive did not stop"
[ -z "$(ls "$medium" 2>/dev/null)" ] || fail "the disc still answers"
log "the disc is gone"
windows=$(xdotool search --onlyvisible --name '' 2>/dev/null | sort | tr '\n' ' ')

# Each action, and the launcher still answers after it.
for item in 0 2 3; do
  click_item "$item"
  sleep 1
  launcher_running || fail "the launcher ended after item $item"
done
click_item 1
expect_start 'C:\windows\explorer.exe' 'explorer D:\'
focus_keyboard
xdotool key F1
sleep 1
click_address
expect_start "$browser" "$browser $web_address"
expect_no_other_start
[ "$(xdotool search --onlyvisible --name '' 2>/dev/null | sort | tr '\n' ' ')" = "$windows" ] ||
  fail "a window came or went"
focus_keyboard
xdotool key Down
wait_hover 1
xdotool key Escape
expect_exit_zero "$title_cn"
log "PASS"
