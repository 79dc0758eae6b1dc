#!/usr/bin/env bash
# Without xdg-open anywhere on PATH: browsing the disc and the web address show the failure
# message box, titled like the window and modal; the launcher goes on running and answering. Installing
# and the documents fail without a word, as the shell's open requests do.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc
mkdir -p "$WORK/no-opener"
e2e_start_launcher PATH="$WORK/no-opener"
title="N5-企业管理软件安装程序"

# The top-level windows titled like the launcher's, other than its main one. (xwininfo, as
# xdotool's search passes over a window without a class, as SDL's message box is.)
message_boxes() {
  xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) "\(.*\)": .*/\1 \2/p' |
    while read -r id name; do
      if [ $((id)) -ne "$WINDOW" ] && [ "$name" == "$title" ]; then echo $((id)); fi
    done
}
box_shown() { [ -n "$(message_boxes)" ]; }
box_gone() { [ -z "$(message_boxes)" ]; }

caption() { echo 94 $((BUTTON_TOP + $1 * BUTTON_PITCH + 20)); }
browse() { e2e_click_at $(caption 1); }

web_address() { e2e_click_web_address; }

for what in browse web_address; do
  "$what"
  if e2e_wait_for 5 box_shown; then
    echo "ok: $what: a message box"
    box=$(message_boxes | head -1)
    e2e_check_eq "$what: one box" "$(message_boxes | wc -l)" 1
    e2e_check_eq "$what: the box's title" "$(xdotool getwindowname "$box")" "$title"
    if ! kill -0 "$LAUNCHER_PID" 2>/dev/null; then e2e_fail "$what: the launcher ended"; fi
    # The box is modal: Esc pressed on the main window meanwhile does not end the launcher
    # once the box is closed.
    e2e_key Escape
    # Enter presses OK. With no window manager to give the new box the keyboard, as a
    # desktop would, the test gives it.
    xdotool windowfocus "$box"
    xdotool key Return
    if e2e_wait_for 5 box_gone; then echo "ok: $what: Enter closes the box"; else
      e2e_fail "$what: the box stays after Enter"
    fi
    sleep 0.5
    if kill -0 "$LAUNCHER_PID" 2>/dev/null; then echo "ok: $what: keys of the time the box was up dropped"; else
      e2e_fail "$what: Esc pressed while the box was up ended the launcher"
    fi
  else
    e2e_fail "$what: no message box"
  fi
  if ! kill -0 "$LAUNCHER_PID" 2>/dev/null; then e2e_fail "$what: the launcher ended"; fi
done

# Installing: the shell's open request fails, and that is not the launcher's to report.
e2e_click_at $(caption 0)
sleep 1
e2e_check_eq "install: no message box" "$(message_boxes)" ""

# Still answering: the highlight follows the keys, and Esc ends it normally.
e2e_move_to "${BACKGROUND_PROBE[0]}" "${BACKGROUND_PROBE[1]}"
e2e_key Down
first_highlighted() { e2e_shot && [ "$(e2e_buttons)" == hnnnn ]; }
e2e_wait_for 5 first_highlighted || true
e2e_check_eq "after the boxes: Down highlights the first item" "$(e2e_buttons)" hnnnn
e2e_key Escape
e2e_wait_exit 5
e2e_check_eq "after the boxes: Esc ends with status 0" "$STATUS" 0
e2e_check_eq "every box shown as a box, none on standard error" "$(cat "$WORK/launcher.err")" ""

e2e_pass
