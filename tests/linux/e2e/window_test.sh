#!/usr/bin/env bash
# The window: 502 x 387, centred, borderless, a normal window with the program icon, titled
# in the locale's variant, and showing the background picture as its first frame.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_layout_disc

while IFS='|' read -r locale title; do
  e2e_start_launcher LC_ALL="$locale"
  e2e_check_eq "$locale: title" "$(xdotool getwindowname "$WINDOW")" "$title"
  geometry=$(xdotool getwindowgeometry --shell "$WINDOW" | grep -v '^WINDOW=' | tr '\n' ' ')
  e2e_check_eq "$locale: size and place (centred on 1024x768)" "$geometry" \
    "X=261 Y=190 WIDTH=502 HEIGHT=387 SCREEN=0 "
  properties=$(xprop -id "$WINDOW" _MOTIF_WM_HINTS _NET_WM_WINDOW_TYPE _NET_WM_STATE \
    WM_TRANSIENT_FOR _NET_WM_ICON WM_CLASS | grep -v $'^\t')
  # Motif hints: flags 2 (decorations given), decorations 0: no border and no title bar.
  e2e_check_eq "$locale: borderless" "$(grep '^_MOTIF_WM_HINTS' <<<"$properties")" \
    "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x2, 0x0, 0x0, 0x0, 0x0"
  e2e_check_eq "$locale: a normal window" "$(grep '^_NET_WM_WINDOW_TYPE' <<<"$properties")" \
    "_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL"
  if grep -q 'SKIP_TASKBAR' <<<"$properties"; then e2e_fail "$locale: kept off the taskbar"; fi
  if grep -q '^WM_TRANSIENT_FOR(WINDOW)' <<<"$properties"; then
    e2e_fail "$locale: a transient window, which desktops keep off the taskbar"
  fi
  e2e_check_eq "$locale: window class" "$(grep '^WM_CLASS' <<<"$properties")" \
    'WM_CLASS(STRING) = "n5launcher", "n5launcher"'
  e2e_check_eq "$locale: program icon" "$(grep -o '^_NET_WM_ICON.*' <<<"$properties")" \
    $'_NET_WM_ICON(CARDINAL) = \tIcon (32 x 32):'
  e2e_check_eq "$locale: one window only" \
    "$(xdotool search --pid "$LAUNCHER_PID" | wc -l)" 1
  e2e_shot
  e2e_check_eq "$locale: background picture" \
    "$(e2e_pixels "${BACKGROUND_PROBE[0]}" "${BACKGROUND_PROBE[1]}")" \
    "${BACKGROUND_PROBE[2]},${BACKGROUND_PROBE[3]},${BACKGROUND_PROBE[4]}"
  e2e_check_eq "$locale: every button at rest" "$(e2e_buttons)" "nnnnn"
  e2e_stop_launcher
done <<'CASES'
zh_CN.UTF-8|N5-企业管理软件安装程序
zh_TW.UTF-8|N5-企業管理軟體安裝程式
CASES

# A class the user gives SDL is kept.
e2e_start_launcher SDL_VIDEO_X11_WMCLASS=chosen-by-user
e2e_check_eq "the user's window class" "$(xprop -id "$WINDOW" WM_CLASS)" \
  'WM_CLASS(STRING) = "chosen-by-user", "chosen-by-user"'
e2e_stop_launcher

e2e_pass
