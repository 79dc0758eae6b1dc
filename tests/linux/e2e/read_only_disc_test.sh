#!/usr/bin/env bash
# A whole session from a read-only disc, with a read-only, empty home folder, traced:
#   strace -f -y -e trace=%file,openat,creat,mkdir,rename,unlink,write,... -o TRACE
# Every menu item, Enter, F1 and the web address start what they should; then the opener is
# made impossible to run and browsing and the web address show the failure message box
# (closed with Return); then Esc. The trace shows no change to any file (trace_writes.awk
# says what counts): nothing opened for writing outside /dev, nothing created, renamed,
# linked or removed, nothing written but to the X connection, pipes and /dev.
#
# What is the launcher in the trace: its own process and its threads, and the copies of it
# that fork makes (SDL's message box runs in one; posix_spawn's child runs the launcher's code
# until its execve), each up to its execve. From then on the process is the program started
# (here the recording xdg-open, which writes its record) and is left out, with everything it
# makes: a process is judged by the program it runs, which the trace shows exactly, so nothing
# about the stand-in (how it writes, or where) needs to be known.
#
# Read-only for real: root may write where the mode bits forbid it, so the disc and the home
# folder are also mounted read-only over themselves, in a mount namespace of the launcher's own
# (where one cannot be made, the mode bits alone stand, and the test says so). The disc is
# byte-for-byte the same afterwards, and the home folder still empty.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/reliability_lib.sh"

e2e_start_xvfb
e2e_layout_disc "$WORK/read-only disc"
HOME_DIR="$WORK/read-only home"
mkdir -p "$HOME_DIR"
TRACE=$WORK/trace
disc_sums() { (cd "$DISC" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
disc_sums >"$WORK/disc.before"
chmod -R a-w "$DISC" "$HOME_DIR"

e2e_make_recorder
: >"$RECORD"
# The opener is the only program on PATH: once it may not run, posix_spawnp must not find the
# system's xdg-open further on.
traced=%file,openat,creat,mkdir,rename,unlink,write,pwrite64,writev,pwritev,pwritev2
traced+=,ftruncate,fchmod,fchown,fsetxattr,fremovexattr,clone,clone3,fork,vfork  # one -e trace=
trace_command=(env PATH="$WORK/bin" HOME="$HOME_DIR" LC_ALL=zh_CN.UTF-8
  "$(command -v strace)" -f -qq -y -o "$TRACE" -e signal=none -e trace="$traced"
  "$DISC/n5launcher")
rel_find_unshare
if [ ${#REL_UNSHARE[@]} -ne 0 ]; then
  MOUNTED=yes
  e2e_spawn_launcher() {
    (cd "$WORK" && exec "${REL_UNSHARE[@]}" sh -c \
      'mount --bind -o ro "$1" "$1" && mount --bind -o ro "$2" "$2" && shift 2 && exec "$@"' \
      sh "$DISC" "$HOME_DIR" "${trace_command[@]}") \
      >"$WORK/launcher.out" 2>"$WORK/launcher.err" &
    LAUNCHER_PID=$!
  }
else
  MOUNTED=no
  echo "no mount namespace: the disc and the home folder are read-only by their mode bits only"
  e2e_spawn_launcher() {
    (cd "$WORK" && exec "${trace_command[@]}") >"$WORK/launcher.out" 2>"$WORK/launcher.err" &
    LAUNCHER_PID=$!
  }
fi
e2e_spawn_launcher
e2e_await_window

enter_on_first() {
  e2e_move_to "${BACKGROUND_PROBE[0]}" "${BACKGROUND_PROBE[1]}"
  e2e_key Down
  e2e_key Return
}
rel_check_starts "caption 0 installs" rel_click_item 0 -- \
  xdg-open "$DISC/集成安装程序/setup.exe"
rel_check_starts "Enter on item 0 installs" enter_on_first -- \
  xdg-open "$DISC/集成安装程序/setup.exe"
rel_check_starts "caption 1 browses the disc" rel_click_item 1 -- xdg-open "$DISC"
rel_check_starts "caption 2 opens the product manual" rel_click_item 2 -- \
  xdg-open "$DISC/$REL_MANUAL/$REL_MANUAL.pdf"
rel_check_starts "caption 3 opens the installation notes" rel_click_item 3 -- \
  xdg-open "$DISC/$REL_NOTES/$REL_NOTES.pdf"
rel_check_starts "F1 opens the help document" e2e_key F1 -- \
  xdg-open "$DISC/TARVEN/TARVENInstallation_cn.pdf"
rel_check_starts "the web address" e2e_click_web_address -- xdg-open "$REL_WEB_ADDRESS"
if [ "$MOUNTED" == yes ]; then
  # The launcher is strace's child; its mounts: the disc and the home folder, read-only.
  launcher=$(for stat in /proc/[0-9]*/stat; do
    rest=$(cat "$stat" 2>/dev/null) || continue
    rest=${rest##*) }
    read -r _ ppid _ <<<"$rest"
    if [ "$ppid" == "$LAUNCHER_PID" ]; then echo "${stat//[^0-9]/}"; fi
  done | head -1)
  e2e_check_eq "the disc and the home folder are mounted read-only" \
    "$(grep -F 'read-only\040' "/proc/$launcher/mountinfo" | awk '{print $6}' | cut -d, -f1)" \
    $'ro\nro'
fi

chmod a-x "$WORK/bin/xdg-open"
: >"$RECORD"
rel_click_item 1
rel_check_box_closes "browse without a runnable opener"
e2e_click_web_address
rel_check_box_closes "the web address without a runnable opener"
rel_check_answers "after the boxes"
e2e_key Escape
e2e_wait_exit 10
e2e_check_eq "Esc ends it with status 0" "$STATUS" 0
e2e_check_eq "nothing started while the opener could not run" "$(rel_starts)" ""
e2e_check_eq "nothing on standard error" "$(cat "$WORK/launcher.err")" ""

report=$(awk -f "$(dirname "$0")/trace_writes.awk" "$TRACE" "$TRACE")
echo "${report##*$'\n'}"
e2e_check_eq "changes to files" "$(grep '^change: ' <<<"$report" || true)" ""
figures=$(grep "^figures: " <<<"$report" | grep -o "[0-9]\+" | tr "\n" " ")
read -r _ opens copies started <<<"$figures"
e2e_check_ge "the trace saw the launcher open its files" "${opens:-0}" 5
# Seven starts ran the stand-in; the three that could not run stayed the launcher's copies,
# and so did the two message boxes' processes.
e2e_check_eq "programs left out of the check: the starts that ran" "${started:-0}" 7
e2e_check_ge "copies of the launcher checked (failed starts, message boxes)" "${copies:-0}" 5

chmod -R u+w "$DISC" "$HOME_DIR"  # so that the work folder can be removed
e2e_check_eq "the disc is unchanged" "$(disc_sums)" "$(cat "$WORK/disc.before")"
e2e_check_eq "the home folder is still empty" "$(ls -A "$HOME_DIR")" ""

e2e_pass
