#!/usr/bin/env bash
# The highlight: the hover picture on exactly the highlighted button, with its description
# beside it, whether the pointer or the Up and Down keys chose it; nothing highlighted once
# the pointer is over the background again.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc
e2e_start_launcher

# Near-white pixels in the description area, level with item $1's caption (16 rows).
description_beside() {
  e2e_white_pixels "$INFO_LEFT" $((BUTTON_TOP + $1 * BUTTON_PITCH + 10)) "$INFO_WIDTH" 16
}
description_anywhere() {
  e2e_white_pixels "$INFO_LEFT" "$BUTTON_TOP" "$INFO_WIDTH" 150
}
expected_buttons() {
  local shown=nnnnn
  echo "${shown:0:$1}h${shown:$(($1 + 1))}"
}
buttons_show() { e2e_shot && [ "$(e2e_buttons)" == "$WANTED" ]; }
shown_after() {  # waits for the frame to show the buttons wanted, then keeps its shot
  WANTED=$1
  e2e_wait_for 5 buttons_show || true
}

e2e_shot
e2e_check_eq "at start-up: no description" "$(description_anywhere)" 0

for item in 0 1 2 3 4; do
  e2e_move_to 94 $((BUTTON_TOP + item * BUTTON_PITCH + 20))
  shown_after "$(expected_buttons "$item")"
  e2e_check_eq "pointer over caption $item: buttons" "$(e2e_buttons)" "$(expected_buttons "$item")"
  e2e_check_ge "pointer over caption $item: white description text beside it" \
    "$(description_beside "$item")" 10
done

e2e_move_to "${BACKGROUND_PROBE[0]}" "${BACKGROUND_PROBE[1]}"
shown_after nnnnn
e2e_check_eq "pointer over the background: buttons" "$(e2e_buttons)" nnnnn
e2e_check_eq "pointer over the background: no description" "$(description_anywhere)" 0

# Keys, from no highlight: Down starts at the first item, Up wraps round from it.
while read -r key item; do
  e2e_key "$key"
  shown_after "$(expected_buttons "$item")"
  e2e_check_eq "$key to item $item: buttons" "$(e2e_buttons)" "$(expected_buttons "$item")"
  e2e_check_ge "$key to item $item: white description text beside it" \
    "$(description_beside "$item")" 10
done <<'KEYS'
Down 0
Down 1
Down 2
Up 1
Up 0
Up 4
Down 0
KEYS

e2e_pass
