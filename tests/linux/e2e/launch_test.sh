#!/usr/bin/env bash
# What each way of choosing starts: Enter on the highlighted item, a click on each caption,
# F1 and a click on the web address, each exactly one xdg-open with exactly its argument,
# under both text variants.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc

manual="N5-企业管理软件(Full-Suite)产品手册"
notes="N5-企业管理软件(Full-Suite)安装说明"
caption() { echo 94 $((BUTTON_TOP + $1 * BUTTON_PITCH + 20)); }
enter_on_first() {
  e2e_key Down
  e2e_key Return
}

for variant in zh_CN zh_TW; do
  e2e_start_launcher LC_ALL="$variant.UTF-8"
  e2e_check_starts "$variant: Enter on item 0 installs" enter_on_first -- \
    "$DISC/集成安装程序/setup.exe"
  e2e_check_starts "$variant: keypad Enter runs it too" e2e_key KP_Enter -- \
    "$DISC/集成安装程序/setup.exe"
  e2e_check_starts "$variant: caption 0 installs" e2e_click_at $(caption 0) -- \
    "$DISC/集成安装程序/setup.exe"
  e2e_check_starts "$variant: caption 1 browses the disc" e2e_click_at $(caption 1) -- "$DISC"
  e2e_check_starts "$variant: caption 2 opens the product manual" e2e_click_at $(caption 2) -- \
    "$DISC/$manual/$manual.pdf"
  e2e_check_starts "$variant: caption 3 opens the installation notes" e2e_click_at $(caption 3) \
    -- "$DISC/$notes/$notes.pdf"
  help=cn
  if [ "$variant" == zh_TW ]; then help=tw; fi
  e2e_check_starts "$variant: F1 opens the help document" e2e_key F1 -- \
    "$DISC/TARVEN/TARVENInstallation_$help.pdf"
  e2e_check_starts "$variant: the web address opens in the browser" e2e_click_web_address -- \
    "http://www.n5-erp.example"
  # Everything opened is on the disc.
  for file in "$DISC/集成安装程序/setup.exe" "$DISC/$manual/$manual.pdf" \
    "$DISC/$notes/$notes.pdf" "$DISC/TARVEN/TARVENInstallation_$help.pdf"; do
    if [ ! -f "$file" ]; then e2e_fail "$variant: $file is not on the disc"; fi
  done
  # A press on one caption released over another is no click.
  : >"$RECORD"
  e2e_move_to $(caption 2)
  xdotool mousedown 1
  e2e_move_to $(caption 3)
  xdotool mouseup 1
  sleep 0.5
  e2e_check_eq "$variant: press and release on different captions start nothing" \
    "$(cat "$RECORD")" ""
  e2e_stop_launcher
done

e2e_pass
