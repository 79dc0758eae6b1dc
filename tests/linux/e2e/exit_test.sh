#!/usr/bin/env bash
# Every way out ends the process with status 0 at once and starts nothing: Esc, X (also with
# Shift or Ctrl), Ctrl+Break and a click on the exit item.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc

click_exit_item() { e2e_click_at 94 $((BUTTON_TOP + 4 * BUTTON_PITCH + 20)); }
enter_on_exit_item() {
  e2e_key Up  # from no highlight: the first item; once more: wraps round to the last
  e2e_key Up
  e2e_key Return
}

while read -r what; do
  e2e_start_launcher
  case $what in
    click) click_exit_item ;;
    enter) enter_on_exit_item ;;
    *) e2e_key "$what" ;;
  esac
  e2e_wait_exit 5
  e2e_check_eq "$what: exit status" "$STATUS" 0
  e2e_check_eq "$what: started nothing" "$(cat "$RECORD")" ""
  e2e_stop_launcher
done <<'WAYS'
Escape
x
shift+x
ctrl+x
ctrl+Pause
click
enter
WAYS

e2e_pass
