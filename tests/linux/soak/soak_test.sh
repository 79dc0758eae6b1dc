#!/usr/bin/env bash
# The soak: EVENTS harmless input events at RATE a second (n5-soak says which), then the
# launcher must still be running, have started nothing, say nothing on standard error, and
# end with status 0 on Esc. n5-soak itself checks that it answered throughout, that its
# resident memory did not grow past the figure after the first 1,000 events by more than
# 1 MiB, and that it used no CPU time (at most 20 ms) in the quiet second after the input.
#
#   soak_test.sh EVENTS RATE     (ctest: a short soak; make soak: the long one)
source "$(dirname "$0")/../e2e/lib.sh"
: "${N5_SOAK:?}"
events=${1:?usage: soak_test.sh EVENTS RATE}
rate=${2:?usage: soak_test.sh EVENTS RATE}

e2e_start_xvfb
e2e_layout_disc
e2e_start_launcher

if "$N5_SOAK" --pid "$LAUNCHER_PID" --window "$WINDOW" --events "$events" --rate "$rate"; then
  echo "ok: the soak's own checks"
else
  e2e_fail "the soak's own checks (above)"
fi
if kill -0 "$LAUNCHER_PID" 2>/dev/null; then echo "ok: still running"; else
  e2e_fail "the launcher ended during the soak"
fi
e2e_check_eq "started nothing" "$(cat "$RECORD")" ""
e2e_move_to "${BACKGROUND_PROBE[0]}" "${BACKGROUND_PROBE[1]}"
e2e_key Escape
e2e_wait_exit 5
e2e_check_eq "Esc ends it with status 0" "$STATUS" 0
e2e_check_eq "nothing on standard error" "$(cat "$WORK/launcher.err")" ""

e2e_pass
