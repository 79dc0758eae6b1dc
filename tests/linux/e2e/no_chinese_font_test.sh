#!/usr/bin/env bash
# On a system without any font that has Chinese characters, the launcher still starts and
# works, and says so once on standard error.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc
# Fontconfig sees only DejaVu; no cache folder is named, so it writes none.
cat >"$WORK/fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir></fontconfig>
CONF
e2e_start_launcher FONTCONFIG_FILE="$WORK/fonts.conf"

e2e_shot
e2e_check_eq "the buttons show" "$(e2e_buttons)" nnnnn
e2e_key Down
highlighted() { e2e_shot && [ "$(e2e_buttons)" == hnnnn ]; }
e2e_wait_for 5 highlighted || true
e2e_check_eq "Down highlights the first item" "$(e2e_buttons)" hnnnn
e2e_key Escape
e2e_wait_exit 5
e2e_check_eq "exit status" "$STATUS" 0
e2e_check_eq "standard error" "$(cat "$WORK/launcher.err")" \
  "n5launcher: no font with Chinese characters found; Chinese text cannot be shown"

e2e_pass
