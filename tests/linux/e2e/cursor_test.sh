#!/usr/bin/env bash
# The pointer: the program's monochrome hand over the item captions and the web address, the
# system's arrow everywhere else (the background, the buttons' edges, the hotline).
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc
e2e_start_launcher

hand=$("$N5_CURSOR_PROBE" --hand)
cursor_is() { [ "$("$N5_CURSOR_PROBE")" == "$WANTED" ]; }
cursor_is_not() { [ "$("$N5_CURSOR_PROBE")" != "$WANTED" ]; }
check_cursor() {  # what, hand|arrow
  WANTED=$hand
  if [ "$2" == hand ]; then
    e2e_wait_for 5 cursor_is || true
    e2e_check_eq "$1: the hand" "$("$N5_CURSOR_PROBE")" "$hand"
  else
    e2e_wait_for 5 cursor_is_not || true
    if [ "$("$N5_CURSOR_PROBE")" == "$hand" ]; then e2e_fail "$1: the hand, not the arrow"; else
      echo "ok: $1: the arrow"
    fi
  fi
}

e2e_shot
read -r first last <<<"$(e2e_first_text_run 359 13)"
while read -r what x y shape; do
  case $x in web) x=$(((first + last) / 2)) ;; esac
  e2e_move_to "$x" "$y"
  check_cursor "$what" "$shape"
done <<CASES
background ${BACKGROUND_PROBE[0]} ${BACKGROUND_PROBE[1]} arrow
caption-0 94 $((BUTTON_TOP + 20)) hand
button-0-above-its-caption 94 $((BUTTON_TOP + 3)) arrow
caption-3 60 $((BUTTON_TOP + 3 * BUTTON_PITCH + 25)) hand
between-buttons 94 $((BUTTON_TOP + 36)) arrow
web-address web 365 hand
hotline 420 365 arrow
caption-4 94 $((BUTTON_TOP + 4 * BUTTON_PITCH + 20)) hand
CASES

e2e_pass
