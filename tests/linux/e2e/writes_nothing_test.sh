#!/usr/bin/env bash
# The launcher writes nothing: no log, no settings, no temporary file. Traced through start-up,
# the pointer over every item, the keys and Esc, it opens no file for writing (the null
# device aside) and creates, renames or removes none.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc
TRACE=$WORK/trace
e2e_spawn_launcher() {
  (cd "$WORK" && exec env PATH="$WORK/bin:$PATH" LC_ALL=zh_CN.UTF-8 \
    strace -f -qq -o "$TRACE" -e trace=%file,%desc -e signal=none "$DISC/n5launcher") \
    >"$WORK/launcher.out" 2>"$WORK/launcher.err" &
  LAUNCHER_PID=$!
}
e2e_start_launcher

for item in 0 1 2 3 4; do e2e_move_to 94 $((BUTTON_TOP + item * BUTTON_PITCH + 20)); done
e2e_move_to "${BACKGROUND_PROBE[0]}" "${BACKGROUND_PROBE[1]}"
e2e_key Down
e2e_key Down
e2e_key Up
e2e_key Escape
e2e_wait_exit 10
e2e_check_eq "exit status" "$STATUS" 0

opened=$(grep -cE '\b(open|openat|openat2)\(' "$TRACE" || true)
e2e_check_ge "the trace saw the launcher open its files" "$opened" 5
writes=$(grep -E '\b(open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)' "$TRACE" |
  grep -v '= -1 ' | grep -vE '"/dev/(null|tty)"' || true)
e2e_check_eq "files opened for writing" "$writes" ""
changes=$(grep -E '\b(creat|mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat|truncate|ftruncate|chmod|fchmodat|mknod|mknodat)\(' "$TRACE" |
  grep -v '= -1 ' || true)
e2e_check_eq "files created, renamed or removed" "$changes" ""

e2e_pass
