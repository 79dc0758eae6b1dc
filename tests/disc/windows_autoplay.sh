#!/usr/bin/env bash
# The Windows launcher from a disc image, as AutoPlay starts it: the image mounted through
# fuseiso is drive D: of type CD-ROM, and the program that autorun.inf's open names starts with
# the drive's root as working folder. Its window has the title and the size it should; item 0
# starts the installer from D:\集成安装程序\setup.exe; Esc ends it with status 0.
#
# The image is made by make disc's own script with the program Wine runs here (the 64-bit build
# where this machine runs no 32-bit code) and recording stand-ins for the installer, so that
# the start can be seen. From ctest's environment: what wine_lib.sh reads, N5_SOURCE_DIR and
# N5_DISC_LINUX_PROGRAM (the Linux launcher the image needs as well).
set -euo pipefail
: "${N5_SOURCE_DIR:?}" "${N5_DISC_LINUX_PROGRAM:?}"
# shellcheck source=tests/win32/wine_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../win32/wine_lib.sh"

content=$work/content
put_recorder "$content/$(unix_path "$installer")"
for doc in "$feature_doc" "$notes_doc" "$help_doc_cn" "$help_doc_tw"; do
  mkdir -p "$(dirname "$content/$(unix_path "$doc")")"
  printf '%b' "$pdf_body" >"$content/$(unix_path "$doc")"
done
DISC_CONTENT=$content DISC_OUT=$work/disc DISC_WINDOWS_PROGRAM=$N5_LAUNCHER_EXE \
  DISC_LINUX_PROGRAM=$N5_DISC_LINUX_PROGRAM bash "$N5_SOURCE_DIR/tools/disc/make-disc.sh" \
  >"$work/make-disc.log" 2>&1 || fail "make-disc failed: $(tail -n 3 "$work/make-disc.log")"
image=$work/disc/n5-disc.iso

# The medium. Wine's server keeps the drive's folder open: the image is unmounted after
# cleanup has ended it.
medium=$work/medium
mkdir -p "$medium"
fuseiso "$image" "$medium" >"$work/fuseiso.log" 2>&1 || fail "fuseiso cannot mount the image"
unmount_medium() {
  for _ in $(seq 50); do
    fusermount -u "$medium" 2>/dev/null && return
    sleep 0.1
  done
}
trap 'cleanup; unmount_medium' EXIT
for _ in $(seq 100); do mountpoint -q "$medium" && break; sleep 0.05; done
mountpoint -q "$medium" || fail "the image did not mount"

start_xvfb
prepare_prefix
put_stand_ins
map_drive "$medium" d
timeout 60 wine reg add 'HKLM\Software\Wine\Drives' /v d: /d cdrom /f >/dev/null ||
  fail "cannot make drive D: a CD-ROM"
restore_steps+=("timeout 60 wine reg delete 'HKLM\\Software\\Wine\\Drives' /v d: /f >/dev/null 2>&1")

# What AutoPlay runs: autorun.inf's open, from the drive's root.
open=$(tail -c +3 "$medium/autorun.inf" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r' |
  sed -n 's/^open=//p')
[ -n "$open" ] || fail "autorun.inf names no program"
disc_dir=$medium
launcher="D:\\$open"
start_launcher zh_CN.UTF-8
wait_window "$title_cn"
geometry=$(xdotool getwindowgeometry --shell "$window_id")
size="$(printf '%s\n' "$geometry" | sed -n 's/^WIDTH=//p')x$(printf '%s\n' "$geometry" | sed -n 's/^HEIGHT=//p')"
[ "$size" = "${form_width}x$form_height" ] || fail "the window is $size, not ${form_width}x$form_height"
log "the window: $title_cn, $size"

click_item 0
expect_start "D:\\$installer"
expect_no_other_start
focus_window
xdotool key Escape
expect_exit_zero "$title_cn"
log "PASS"
