#!/usr/bin/env bash
# The launcher ends promptly when the session does: on SIGTERM (also while a message box
# runs its own loop) and when the X server goes away.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc

e2e_start_launcher
kill -TERM "$LAUNCHER_PID"
e2e_wait_exit 5
e2e_check_eq "SIGTERM ends it" "$STATUS" 143

mkdir -p "$WORK/no-opener"
e2e_start_launcher PATH="$WORK/no-opener"
e2e_click_at 94 $((BUTTON_TOP + BUTTON_PITCH + 20))  # browse: a message box, as no opener is found
sleep 1
kill -TERM "$LAUNCHER_PID"
e2e_wait_exit 5
e2e_check_eq "SIGTERM ends it while a message box is open" "$STATUS" 143

e2e_start_launcher
kill "$XVFB_PID"
wait "$XVFB_PID" 2>/dev/null || true
XVFB_PID=
e2e_wait_exit 5
if [ "$STATUS" == running ]; then
  e2e_fail "the launcher goes on running without its X server"
else
  echo "ok: the launcher ends without its X server (status $STATUS)"
fi

e2e_pass
