#!/usr/bin/env bash
# End-to-end tests of the Windows launcher: the Windows build's n5launcher.exe runs under Wine
# on a virtual X display, from a disc folder mapped as a drive, and every program it may start
# is a copy of recorder.exe, which writes its module path, command line and ANSI code page to
# C:\record.log. Traps (copies of the recorder where a wrong search would find a program) must
# never run. What the Wine tests share is in wine_lib.sh.
#
#   e2e.sh SCENARIO     (ctest passes the paths below in the environment)
#
# Scenarios: window, menu_click_root, menu_keys_root, menu_click_spaces, menu_keys_spaces,
# traditional, close_keys, browser_fallback, failure_message, damaged_picture.
set -euo pipefail

scenario=${1:?usage: e2e.sh SCENARIO}
: "${N5_HAND_CURSOR:?}"
# shellcheck source=tests/win32/wine_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine_lib.sh"

# ---------------------------------------------------------------------------------------------
# The disc and the stand-ins, laid out afresh for each test.
#   layout root:   the disc is drive D:, the launcher D:\n5launcher.exe
#   layout spaces: the disc is E:\N5 Disc\Setup Files, a folder with spaces on another drive
arrange() {
  local layout=$1
  put_stand_ins
  case $layout in
    root)
      map_drive "$work/disc" d
      lay_out_disc "$work/disc" 'D:\'
      ;;
    spaces)
      local drive="$work/drive e"
      map_drive "$drive" e
      lay_out_disc "$drive/N5 Disc/Setup Files" 'E:\N5 Disc\Setup Files'
      # Traps: what an unquoted path with spaces would run.
      put_recorder "$drive/N5.exe"
      put_recorder "$drive/N5 Disc/Setup.exe"
      ;;
  esac
}

# ---------------------------------------------------------------------------------------------
# The scenarios.
# Every menu item, F1 and (by mouse) the web address, from the laid-out disc; the exit item
# last. run_menu click|keys
run_menu() {
  local how=$1 before
  # The launcher writes nothing: the disc (its folder and current folder) stays as it was.
  before=$(disc_contents)
  start_launcher zh_CN.UTF-8
  wait_window "$title_cn"
  activate() { activate_item "$how" "$1"; }

  activate 0
  expect_start "$(below_folder "$installer")"
  activate 1
  expect_explorer "$folder"
  activate 2
  expect_document "$(below_folder "$feature_doc")"
  activate 3
  expect_document "$(below_folder "$notes_doc")"
  focus_keyboard
  xdotool key F1
  expect_document "$(below_folder "$help_doc_cn")"
  if [ "$how" = click ]; then
    click_address
    expect_start "$browser" "$browser $web_address"
  fi
  expect_no_other_start
  activate 4
  expect_exit_zero "$title_cn"
  [ "$(disc_contents)" = "$before" ] || fail "the disc changed"
}

case $scenario in
  window)
    start_xvfb
    prepare_prefix
    arrange root
    # The first frame: timed from the start of wine to the background's probe colour at the
    # window's expected place, polled from outside.
    read -r px py pr pg pb <<<"$("$N5_SCREEN_PROBE" probe background)"
    expected_x=$(((screen_width - form_width) / 2))
    expected_y=$(((screen_height - form_height) / 2))
    start_launcher zh_CN.UTF-8
    first_frame=$("$N5_SCREEN_PROBE" wait $((expected_x + px)) $((expected_y + py)) \
      "$pr" "$pg" "$pb" 60000) || fail "no first frame at the centre of the screen"
    log "first frame $first_frame ms after the start (wine's start-up included)"
    wait_window "$title_cn"
    [ "$(xdotool getwindowname "$window_id")" = "$title_cn" ] || fail "title"
    geometry=$(xdotool getwindowgeometry --shell "$window_id")
    width=$(printf '%s\n' "$geometry" | sed -n 's/^WIDTH=//p')
    height=$(printf '%s\n' "$geometry" | sed -n 's/^HEIGHT=//p')
    [ "$width" = "$form_width" ] && [ "$height" = "$form_height" ] ||
      fail "window ${width}x$height, expected ${form_width}x$form_height"
    [ "$win_x" = "$expected_x" ] && [ "$win_y" = "$expected_y" ] ||
      fail "window at $win_x,$win_y, expected $expected_x,$expected_y"
    log "window \"$title_cn\" ${width}x$height at $win_x,$win_y"

    expect_items "$(screenshot start)" -1
    # shellcheck disable=SC2046
    pointer_to $(item_point 0)
    wait_hover 0
    expect_items "$(screenshot hover0)" 0
    # The hand over the captions and the web address, the arrow over the background.
    "$N5_SCREEN_PROBE" cursor "$N5_HAND_CURSOR" 5000 || fail "no hand over item 0's caption"
    focus_window
    wait_normal 0
    if "$N5_SCREEN_PROBE" cursor "$N5_HAND_CURSOR" 1000 2>/dev/null; then
      fail "the hand over the background"
    fi
    # shellcheck disable=SC2046
    pointer_to $(address_point)
    "$N5_SCREEN_PROBE" cursor "$N5_HAND_CURSOR" 5000 || fail "no hand over the web address"
    focus_keyboard
    expect_items "$(screenshot keys0)" 0
    xdotool key Down
    wait_hover 1
    expect_items "$(screenshot keys1)" 1
    xdotool key Up
    wait_hover 0
    expect_items "$(screenshot keys_up)" 0
    xdotool key x
    expect_exit_zero "$title_cn"
    expect_no_other_start
    ;;

  menu_click_root | menu_keys_root | menu_click_spaces | menu_keys_spaces)
    start_xvfb
    prepare_prefix
    how=${scenario#menu_}
    arrange "${how#*_}"
    run_menu "${how%_*}"
    ;;

  traditional)
    # Traditional Chinese Windows: UI language 0x404, ANSI code page 950, which cannot write
    # 装, 产 or 册 of the disc's names.
    start_xvfb
    prepare_prefix
    arrange root
    start_launcher zh_TW.UTF-8
    wait_window "$title_tw"
    [ "$(xdotool getwindowname "$window_id")" = "$title_tw" ] || fail "title"
    click_item 0
    expect_start "$(below_folder "$installer")"
    [ "$(record_field 1 3)" = 950 ] || fail "the stand-in ran under code page $(record_field 1 3)"
    click_item 2
    expect_document "$(below_folder "$feature_doc")"
    focus_keyboard
    xdotool key F1
    expect_document "$(below_folder "$help_doc_tw")"
    xdotool key Escape
    expect_exit_zero "$title_tw"
    expect_no_other_start
    ;;

  damaged_picture)
    # A picture that does not decode leaves its place empty and the launcher works on: in the
    # program's copy on the disc, the background's PNG says it is 0 pixels wide.
    start_xvfb
    prepare_prefix
    arrange root
    # The background's header chunk: IHDR, width 502, height 387.
    at=$(LC_ALL=C grep -obUaP '\x49\x48\x44\x52\x00\x00\x01\xf6\x00\x00\x01\x83' \
      "$work/disc/n5launcher.exe" | head -n 1 | cut -d: -f1)
    [ -n "$at" ] || fail "no background picture in the program"
    printf '\0\0\0\0' | dd of="$work/disc/n5launcher.exe" bs=1 seek=$((at + 4)) conv=notrunc \
      status=none
    start_launcher zh_CN.UTF-8
    wait_window "$title_cn" any_frame
    # The pictures that decode show; where the background was, the window's own colour.
    pointer_to $(item_point 0)
    wait_hover 0
    read -r px py pr pg pb <<<"$("$N5_SCREEN_PROBE" probe background)"
    found=$(colour_in "$(screenshot damaged)" $((win_x + px)) $((win_y + py)))
    [ "$found" != "$pr $pg $pb" ] || fail "the damaged background showed"
    log "where the background was: $found"
    click_item 0
    expect_start "$(below_folder "$installer")"
    focus_keyboard
    xdotool key Escape
    expect_exit_zero "$title_cn"
    expect_no_other_start
    ;;

  close_keys)
    start_xvfb
    prepare_prefix
    arrange root
    for key in Escape x ctrl+Break; do
      start_launcher zh_CN.UTF-8
      wait_window "$title_cn"
      focus_keyboard
      xdotool key "$key"
      expect_exit_zero "$title_cn"
      log "$key ends the launcher"
    done
    expect_no_other_start
    ;;

  browser_fallback)
    # Without the browser the address goes to the system's handler for http.
    start_xvfb
    prepare_prefix
    arrange root
    rm -f "$drive_c/$(unix_path "${browser#C:\\}")"
    start_launcher zh_CN.UTF-8
    wait_window "$title_cn"
    click_address
    expect_start 'C:\recorder\url.exe' "\"C:\\recorder\\url.exe\" \"$web_address\""
    expect_no_other_start
    # Still running and answering.
    [ ! -f "$work/launcher.status" ] || fail "the launcher ended"
    focus_keyboard
    expect_items "$(screenshot after_fallback)" 0
    xdotool key Escape
    expect_exit_zero "$title_cn"
    ;;

  failure_message)
    # Neither the browser nor the program behind the http handler: a message box with the
    # application's title says why, and the launcher goes on once it is closed.
    start_xvfb
    prepare_prefix
    arrange root
    rm -f "$drive_c/$(unix_path "${browser#C:\\}")" "$drive_c/recorder/url.exe"
    start_launcher zh_CN.UTF-8
    wait_window "$title_cn"
    click_address
    wait_message_box "$title_cn"
    box_geometry=$(xdotool getwindowgeometry --shell "$message_box")
    box_X=$(printf '%s\n' "$box_geometry" | sed -n 's/^X=//p')
    box_Y=$(printf '%s\n' "$box_geometry" | sed -n 's/^Y=//p')
    box_WIDTH=$(printf '%s\n' "$box_geometry" | sed -n 's/^WIDTH=//p')
    box_HEIGHT=$(printf '%s\n' "$box_geometry" | sed -n 's/^HEIGHT=//p')
    log "message box ${box_WIDTH}x$box_HEIGHT at $box_X,$box_Y: $(screenshot message_box)"
    [ "$box_WIDTH" != "$form_width" ] || [ "$box_HEIGHT" != "$form_height" ] ||
      fail "the second window is not a message box"
    # Its only button, OK, takes Enter.
    close_message_box "$title_cn"
    [ ! -f "$work/launcher.status" ] || fail "the launcher ended"
    focus_keyboard
    xdotool key Escape
    expect_exit_zero "$title_cn"
    expect_no_other_start
    ;;

  *)
    fail "unknown scenario $scenario"
    ;;
esac
log "PASS $scenario"
