#!/usr/bin/env bash
# Started without standard input, output and error (as from some desktop launchers), the
# launcher still works, and what it starts gets /dev/null for them, never one of the
# launcher's own files (its X connection, a font), and no other file of the launcher.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc
e2e_make_recorder
cat >"$WORK/bin/xdg-open" <<RECORDER
#!/bin/sh
streams="\$(readlink /proc/\$\$/fd/0) \$(readlink /proc/\$\$/fd/1) \$(readlink /proc/\$\$/fd/2)"
ls /proc/\$\$/fd > '$RECORD.fds'  # not in \$(...), whose pipe the shell would hold
echo "\$streams \$(sort -n '$RECORD.fds' | tr '\\n' ' ')" > '$RECORD.part'
mv '$RECORD.part' '$RECORD'
RECORDER
: >"$RECORD"

e2e_spawn_launcher() {
  (cd "$WORK" && exec env PATH="$WORK/bin:$PATH" LC_ALL=zh_CN.UTF-8 "$DISC/n5launcher") \
    <&- >&- 2>&- &
  LAUNCHER_PID=$!
}
e2e_spawn_launcher
e2e_await_window

e2e_click_at 94 $((BUTTON_TOP + BUTTON_PITCH + 20))  # browse the disc
e2e_wait_records 1
# The shell running the recorder holds 0, 1, 2 and, at 10 or above, the script it reads and
# the output it set aside for the redirection.
read -r in out err fds <<<"$(cat "$RECORD")"
e2e_check_eq "the started program's standard streams" "$in $out $err" \
  "/dev/null /dev/null /dev/null"
e2e_check_eq "the started program's files below 10" "$(tr ' ' '\n' <<<"$fds" |
  awk '$1 != "" && $1 < 10' | tr '\n' ' ')" "0 1 2 "
e2e_key Escape
e2e_wait_exit 5
e2e_check_eq "exit status" "$STATUS" 0

e2e_pass
