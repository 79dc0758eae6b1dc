#!/usr/bin/env bash
# A disc whose folder name has spaces, CJK characters and brackets: every path reaches the
# opener whole, as one argument.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc "$WORK/演示 光盘 (N5 demo) [2]"
e2e_start_launcher

caption() { echo 94 $((BUTTON_TOP + $1 * BUTTON_PITCH + 20)); }
e2e_check_starts "caption 0 installs" e2e_click_at $(caption 0) -- "$DISC/集成安装程序/setup.exe"
e2e_check_starts "caption 1 browses the disc" e2e_click_at $(caption 1) -- "$DISC"
e2e_check_starts "F1 opens the help document" e2e_key F1 -- \
  "$DISC/TARVEN/TARVENInstallation_cn.pdf"

e2e_pass
