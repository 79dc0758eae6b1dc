#!/usr/bin/env bash
# End-to-end tests of the Windows launcher: the Windows build's n5launcher.exe runs under Wine
# on a virtual X display, from a disc folder mapped as a drive, and every program it may start
# is a copy of recorder.exe, which writes its module path, command line and ANSI code page to
# C:\record.log. Traps (copies of the recorder where a wrong search would find a program) must
# never run.
#
#   e2e.sh SCENARIO     (ctest passes the paths below in the environment)
#
# Scenarios: window, menu_click_root, menu_keys_root, menu_click_spaces, menu_keys_spaces,
# traditional, close_keys, browser_fallback, failure_message.
set -euo pipefail

scenario=${1:?usage: e2e.sh SCENARIO}
: "${N5_LAUNCHER_EXE:?}" "${N5_RECORDER_EXE:?}" "${N5_SCREEN_PROBE:?}" "${N5_REPLAY:?}"
: "${N5_TEXTS_TSV:?}" "${N5_HAND_CURSOR:?}" "${N5_WINE_PREFIX:?}" "${N5_TEST_WORK:?}"

export WINEPREFIX=$N5_WINE_PREFIX
export WINEDEBUG=-all
# No Mono or Gecko installers, no desktop menu entries written outside the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset LANGUAGE

work=$N5_TEST_WORK
drive_c=$WINEPREFIX/drive_c
record_log=$drive_c/record.log
screen_width=1024
screen_height=768

log() { printf '[%s] %s\n' "$(date +%T.%3N)" "$*"; }
fail() {
  log "FAIL: $*"
  if [ -f "$record_log" ]; then
    log "record.log:"
    sed 's/^/    /' "$record_log"
  fi
  exit 1
}

# ---------------------------------------------------------------------------------------------
# Clean-up: whatever happens, nothing of the test keeps running.
xvfb_pid=
launcher_pid=
cleanup() {
  set +e
  timeout 20 wineserver -k >/dev/null 2>&1
  if [ -n "$launcher_pid" ]; then kill "$launcher_pid" 2>/dev/null; fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.1; done
  fi
}
trap cleanup EXIT

rm -rf "$work"
mkdir -p "$work"
[ -f "$N5_LAUNCHER_EXE" ] || fail "no $N5_LAUNCHER_EXE: build it first (make build-win32)"

# ---------------------------------------------------------------------------------------------
# The virtual display, on the first free display number.
start_xvfb() {
  local fd_file=$work/xvfb.display
  Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp \
    3>"$fd_file" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [ -s "$fd_file" ]; then break; fi
    sleep 0.1
  done
  [ -s "$fd_file" ] || fail "Xvfb did not start"
  local number
  number=$(head -n1 "$fd_file")
  export DISPLAY=":$number"
  log "display $DISPLAY"
}

# ---------------------------------------------------------------------------------------------
# The Wine prefix, made once and shared by the tests (they run one at a time): .pdf files and
# http addresses open with recording stand-ins. A prefix that lacks its mark of completion, or
# whose registry does not answer, is made anew.
register_handlers() {
  timeout 60 wine reg add 'HKCR\.pdf' /ve /d N5Test.Document /f >/dev/null &&
    timeout 60 wine reg add 'HKCR\N5Test.Document\shell\open\command' /ve \
      /d '"C:\recorder\pdf.exe" "%1"' /f >/dev/null &&
    timeout 60 wine reg add 'HKCR\http\shell\open\command' /ve \
      /d '"C:\recorder\url.exe" "%1"' /f >/dev/null
}

prefix_answers() {
  timeout 60 wine reg query 'HKCR\N5Test.Document\shell\open\command' /ve 2>/dev/null |
    grep -qF 'C:\recorder\pdf.exe'
}

make_prefix() {
  log "making the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  timeout 180 wineboot -i >"$work/wineboot.log" 2>&1 || fail "wineboot -i failed"
  register_handlers || fail "registering the stand-ins failed"
  timeout 60 wineserver -w || true
  touch "$WINEPREFIX/.n5-ready"
}

prepare_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock -w 300 9 || fail "the Wine prefix stays locked"
  if [ ! -f "$WINEPREFIX/.n5-ready" ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
    make_prefix
  fi
  if ! prefix_answers; then
    log "the prefix does not answer: making it anew"
    timeout 20 wineserver -k >/dev/null 2>&1 || true
    make_prefix
    prefix_answers || fail "the new prefix does not answer"
  fi
}

# ---------------------------------------------------------------------------------------------
# The disc and the stand-ins, laid out afresh for each test.
#   layout root:   the disc is drive D:, the launcher D:\n5launcher.exe
#   layout spaces: the disc is E:\N5 Disc\Setup Files, a folder with spaces on another drive
readonly feature_doc='N5-企业管理软件(Full-Suite)产品手册\N5-企业管理软件(Full-Suite)产品手册.pdf'
readonly notes_doc='N5-企业管理软件(Full-Suite)安装说明\N5-企业管理软件(Full-Suite)安装说明.pdf'
readonly installer='集成安装程序\setup.exe'
readonly browser='C:\Program Files\Internet Explorer\iexplore.exe'
readonly web_address='http://www.n5-erp.example'

unix_path() { printf '%s' "${1//\\//}"; }  # backslashes to slashes

put_recorder() {
  mkdir -p "$(dirname "$1")"
  cp "$N5_RECORDER_EXE" "$1"
}

arrange() {
  local layout=$1 disc
  rm -f "$record_log"
  put_recorder "$drive_c/recorder/pdf.exe"
  put_recorder "$drive_c/recorder/url.exe"
  put_recorder "$drive_c/$(unix_path "${browser#C:\\}")"
  # Traps: what an unquoted browser path would run.
  put_recorder "$drive_c/Program.exe"
  put_recorder "$drive_c/Program Files/Internet.exe"
  rm -f "$WINEPREFIX/dosdevices/d:" "$WINEPREFIX/dosdevices/e:"
  case $layout in
    root)
      disc=$work/disc
      mkdir -p "$disc"
      ln -s "$disc" "$WINEPREFIX/dosdevices/d:"
      folder='D:\'
      ;;
    spaces)
      local drive="$work/drive e"
      disc="$drive/N5 Disc/Setup Files"
      mkdir -p "$disc"
      ln -s "$drive" "$WINEPREFIX/dosdevices/e:"
      folder='E:\N5 Disc\Setup Files'
      # Traps: what an unquoted path with spaces would run.
      put_recorder "$drive/N5.exe"
      put_recorder "$drive/N5 Disc/Setup.exe"
      ;;
  esac
  launcher="${folder%\\}\\n5launcher.exe"
  cp "$N5_LAUNCHER_EXE" "$disc/n5launcher.exe"
  put_recorder "$disc/$(unix_path "$installer")"
  # Trap: the launcher's folder comes first on the search path.
  put_recorder "$disc/explorer.exe"
  local doc
  for doc in "$feature_doc" "$notes_doc" 'TARVEN\TARVENInstallation_cn.pdf' \
    'TARVEN\TARVENInstallation_tw.pdf'; do
    mkdir -p "$(dirname "$disc/$(unix_path "$doc")")"
    printf '%%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n2 0 obj<</Type/Pages/Kids[]/Count 0>>endobj\ntrailer<</Root 1 0 R>>\n%%%%EOF\n' \
      >"$disc/$(unix_path "$doc")"
  done
  disc_dir=$disc
}

# Every file and folder on the disc with its checksum.
disc_contents() {
  (cd "$disc_dir" && find . -print0 | sort -z | xargs -0 -I{} sh -c \
    'if [ -f "$1" ]; then md5sum "$1"; else echo "$1"; fi' _ {})
}

# The path of a file below the launcher folder, as the system names it.
below_folder() { printf '%s\\%s' "${folder%\\}" "$1"; }

# ---------------------------------------------------------------------------------------------
# The form as the core lays it out (from the replay tool: positions in twips), and the texts.
replay_dump=$(printf 'dump\n' | timeout 20 "$N5_REPLAY")
form_value() { # form_value CONTROL FIELD
  printf '%s\n' "$replay_dump" | awk -v c="$1" -v f="$2" '
    $1 == c { for (i = 2; i <= NF; i++) { split($i, kv, "="); if (kv[1] == f) { print kv[2]; exit } } }'
}
twips_to_pixels() { awk -v t="$1" 'BEGIN { printf "%d", int(t / 15 + 0.5) }'; }
text_of() { # text_of ID cn|tw
  awk -F'\t' -v id="$1" -v col="$([ "$2" = tw ] && echo 3 || echo 2)" '$1 == id { print $col }' \
    "$N5_TEXTS_TSV"
}

form_width=$(twips_to_pixels "$(form_value frmSplash width)")
form_height=$(twips_to_pixels "$(form_value frmSplash height)")
item_count=$(printf '%s\n' "$replay_dump" | grep -c '^pcb(')

# Item i's button: left, top (window pixels) and the middle of its caption's visible part.
item_left() { twips_to_pixels "$(form_value "pcb($1)" left)"; }
item_top() { twips_to_pixels "$(form_value "pcb($1)" top)"; }
item_point() {
  local left top width height caption_top
  left=$(form_value "pcb($1)" left)
  top=$(form_value "pcb($1)" top)
  width=$(form_value "pcb($1)" width)
  height=$(form_value "pcb($1)" height)
  caption_top=$(form_value "lbl_pcbText($1)" top)
  printf '%s %s' "$(twips_to_pixels "$(awk -v l="$left" -v w="$width" 'BEGIN { print l + w / 2 }')")" \
    "$(twips_to_pixels "$(awk -v t="$top" -v c="$caption_top" -v h="$height" \
      'BEGIN { print t + (c + h) / 2 }')")"
}

# A point over the background alone (above the description area, right of the title): a
# movement there clears the highlight, and a click gives the window the keyboard focus.
background_point() { printf '%d %d' $((form_width * 4 / 5)) $((form_height / 10)); }
# The web address: the footer row (address, gap, hotline) is centred, so the address ends a
# little left of the middle; its text is measured with the fonts Wine picks, so aim at a point
# well inside it, on the footer's line.
address_point() {
  local footer_top
  footer_top=$(twips_to_pixels "$(form_value lbl_www top)")
  printf '%d %d' $((form_width / 2 - 60)) $((footer_top + 5))
}

# ---------------------------------------------------------------------------------------------
# The launcher.
start_launcher() { # start_launcher LOCALE
  rm -f "$work/launcher.status"
  (
    cd "$disc_dir"
    set +e
    LC_ALL=$1 timeout 150 wine "$launcher" >"$work/launcher.out" 2>&1
    echo $? >"$work/launcher.status"
  ) &
  launcher_pid=$!
  log "started $launcher under $1"
}

window_id=
win_x=0
win_y=0
# Waits for the window with the title, then for its first frame (the background's probe colour).
wait_window() { # wait_window TITLE
  window_id=
  for _ in $(seq 600); do
    window_id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n1 || true)
    if [ -n "$window_id" ]; then break; fi
    if [ -f "$work/launcher.status" ]; then fail "the launcher ended at once: $(cat "$work/launcher.status")"; fi
    sleep 0.1
  done
  [ -n "$window_id" ] || fail "no window titled $1"
  local geometry
  geometry=$(xdotool getwindowgeometry --shell "$window_id")
  win_x=$(printf '%s\n' "$geometry" | sed -n 's/^X=//p')
  win_y=$(printf '%s\n' "$geometry" | sed -n 's/^Y=//p')
  read -r px py pr pg pb <<<"$("$N5_SCREEN_PROBE" probe background)"
  "$N5_SCREEN_PROBE" wait $((win_x + px)) $((win_y + py)) "$pr" "$pg" "$pb" 30000 >/dev/null ||
    fail "the background never showed"
}

exit_status=
wait_exit() { # wait_exit SECONDS: sets exit_status
  for _ in $(seq $(($1 * 10))); do
    if [ -s "$work/launcher.status" ]; then
      launcher_pid=
      exit_status=$(cat "$work/launcher.status")
      return
    fi
    sleep 0.1
  done
  fail "the launcher did not end within $1 s"
}

expect_exit_zero() {
  wait_exit 20
  [ "$exit_status" = 0 ] || fail "the launcher ended with status $exit_status"
  if xdotool search --name "^$1\$" >/dev/null 2>&1; then fail "the window is still there"; fi
  log "ended with status 0"
}

pointer_to() { xdotool mousemove $((win_x + $1)) $((win_y + $2)); }
click_at() { xdotool mousemove $((win_x + $1)) $((win_y + $2)) click 1; }
# Moves the pointer onto the background (a movement there clears the highlight; the pointer
# may already stand at the point, so it comes from beside it) and clicks for the focus.
focus_window() {
  local x y
  read -r x y <<<"$(background_point)"
  pointer_to "$x" $((y + 8))
  click_at "$x" "$y"
  sleep 0.2
}
click_item() {
  # shellcheck disable=SC2046
  click_at $(item_point "$1")
}
# Wine drops keys that come before the click has made the window active (after another
# program's window came and went, say), so the keyboard counts as ours once a Down press has
# highlighted item 0 (from no highlight). A press that went astray is tried again after a new
# movement over the background has cleared the highlight.
focus_keyboard() {
  local attempt i
  for attempt in 1 2 3; do
    focus_window
    for i in $(seq 0 $((item_count - 1))); do wait_normal "$i"; done
    xdotool key Down
    if probe_item 0 hover 5000; then return; fi
    log "the keyboard did not answer (attempt $attempt)"
  done
  fail "the window never took the keyboard"
}
# Down presses take the highlight from item 0 to item i, each seen on screen; Enter runs it.
enter_item() {
  focus_keyboard
  local k
  for k in $(seq 1 "$1"); do
    xdotool key Down
    wait_hover "$k"
  done
  xdotool key Return
}

# ---------------------------------------------------------------------------------------------
# What the stand-ins recorded.
record_count() { if [ -f "$record_log" ]; then wc -l <"$record_log"; else echo 0; fi; }
wait_records() { # wait_records N
  for _ in $(seq 150); do
    if [ "$(record_count)" -ge "$1" ]; then return; fi
    sleep 0.1
  done
  fail "expected $1 recorded starts, found $(record_count)"
}
record_field() { sed -n "${1}p" "$record_log" | cut -f "$2"; }

# Equal, except that drive letters ("C:") may differ in case.
drive_letters_lowered() { printf '%s' "$1" | sed -E 's/(^|[^A-Za-z])([A-Za-z]):/\1\L\2:/g'; }
same_path() { [ "$(drive_letters_lowered "$1")" = "$(drive_letters_lowered "$2")" ]; }

expected_records=0
# expect_start MODULE [COMMAND_LINE]: the next start was of MODULE, with exactly COMMAND_LINE
# when one is given.
expect_start() {
  expected_records=$((expected_records + 1))
  wait_records "$expected_records"
  local module command_line
  module=$(record_field "$expected_records" 1)
  command_line=$(record_field "$expected_records" 2)
  same_path "$module" "$1" || fail "started $module instead of $1"
  if [ $# -ge 2 ]; then
    same_path "$command_line" "$2" || fail "command line [$command_line], expected [$2]"
  fi
  log "started $module: $command_line"
}

# expect_document PATH: the PDF stand-in was started on the file PATH (quoted, as %1).
expect_document() {
  expect_start 'C:\recorder\pdf.exe'
  local command_line argument
  command_line=$(record_field "$expected_records" 2)
  argument=${command_line#'"C:\recorder\pdf.exe" '}
  # The shell may or may not fold the doubled backslash that follows a drive root.
  argument=${argument//'\\'/'\'}
  same_path "$argument" "\"$1\"" || fail "opened [$argument], expected [\"$1\"]"
}

expect_no_other_start() {
  sleep 1
  local count
  count=$(record_count)
  [ "$count" -eq "$expected_records" ] ||
    fail "$count programs started, expected $expected_records (a trap may have run)"
}

# Wine's explorer started on the folder: its process, with exactly that command line.
expect_explorer() { # expect_explorer FOLDER
  local pid=
  for _ in $(seq 150); do
    pid=$(ps -eo pid=,args= | want="explorer $1" awk '
      { p = $1; sub(/^ *[0-9]+ /, ""); if ($0 == ENVIRON["want"]) { print p; exit } }')
    if [ -n "$pid" ]; then break; fi
    sleep 0.1
  done
  [ -n "$pid" ] || fail "no explorer on $1"
  log "explorer runs on $1 (pid $pid)"
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
}

# ---------------------------------------------------------------------------------------------
# Screenshots: the colour of a window pixel in a screenshot of the root window.
screenshot() { # screenshot NAME: the file
  local file=$work/$1.png
  timeout 20 import -window root "$file"
  printf '%s' "$file"
}
colour_in() { # colour_in FILE X Y: "r g b"
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)] %[fx:int(255*p{$2,$3}.g+0.5)] %[fx:int(255*p{$2,$3}.b+0.5)]" info:
}
# expect_items FILE HIGHLIGHTED: the highlighted item shows the hover picture, the others the
# normal one (each checked at its picture's probe point). HIGHLIGHTED -1: none.
expect_items() {
  local file=$1 highlighted=$2 i picture px py pr pg pb x y found
  for i in $(seq 0 $((item_count - 1))); do
    picture=normal
    if [ "$i" -eq "$highlighted" ]; then picture=hover; fi
    read -r px py pr pg pb <<<"$("$N5_SCREEN_PROBE" probe "$picture")"
    x=$((win_x + $(item_left "$i") + px))
    y=$((win_y + $(item_top "$i") + py))
    found=$(colour_in "$file" "$x" "$y")
    [ "$found" = "$pr $pg $pb" ] ||
      fail "item $i in $(basename "$file"): $found at ($x,$y), expected the $picture picture ($pr $pg $pb)"
  done
}
# probe_item I PICTURE TIMEOUT_MS: waits until item i shows the picture (hover or normal).
probe_item() {
  local px py pr pg pb
  read -r px py pr pg pb <<<"$("$N5_SCREEN_PROBE" probe "$2")"
  "$N5_SCREEN_PROBE" wait $((win_x + $(item_left "$1") + px)) $((win_y + $(item_top "$1") + py)) \
    "$pr" "$pg" "$pb" "$3" >/dev/null 2>&1
}
wait_hover() { probe_item "$1" hover 10000 || fail "item $1 never showed the hover picture"; }
wait_normal() { probe_item "$1" normal 10000 || fail "item $1 never showed the normal picture"; }

# ---------------------------------------------------------------------------------------------
# The scenarios.
title_cn=$(text_of 114 cn)
title_tw=$(text_of 114 tw)
[ -n "$title_cn" ] && [ -n "$title_tw" ] || fail "no window title in $N5_TEXTS_TSV"

# Every menu item, F1 and (by mouse) the web address, from the laid-out disc; the exit item
# last. run_menu click|keys
run_menu() {
  local how=$1 before
  # The launcher writes nothing: the disc (its folder and current folder) stays as it was.
  before=$(disc_contents)
  start_launcher zh_CN.UTF-8
  wait_window "$title_cn"
  activate() { if [ "$how" = click ]; then click_item "$1"; else enter_item "$1"; fi; }

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
  expect_document "$(below_folder 'TARVEN\TARVENInstallation_cn.pdf')"
  if [ "$how" = click ]; then
    # shellcheck disable=SC2046
    click_at $(address_point)
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
    expect_document "$(below_folder 'TARVEN\TARVENInstallation_tw.pdf')"
    xdotool key Escape
    expect_exit_zero "$title_tw"
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
    # shellcheck disable=SC2046
    click_at $(address_point)
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
    # shellcheck disable=SC2046
    click_at $(address_point)
    box=
    for _ in $(seq 150); do
      for id in $(xdotool search --name "^$title_cn\$" 2>/dev/null); do
        if [ "$id" != "$window_id" ]; then box=$id; fi
      done
      if [ -n "$box" ]; then break; fi
      sleep 0.1
    done
    [ -n "$box" ] || fail "no message box titled $title_cn"
    box_geometry=$(xdotool getwindowgeometry --shell "$box")
    box_X=$(printf '%s\n' "$box_geometry" | sed -n 's/^X=//p')
    box_Y=$(printf '%s\n' "$box_geometry" | sed -n 's/^Y=//p')
    box_WIDTH=$(printf '%s\n' "$box_geometry" | sed -n 's/^WIDTH=//p')
    box_HEIGHT=$(printf '%s\n' "$box_geometry" | sed -n 's/^HEIGHT=//p')
    log "message box ${box_WIDTH}x$box_HEIGHT at $box_X,$box_Y: $(screenshot message_box)"
    [ "$box_WIDTH" != "$form_width" ] || [ "$box_HEIGHT" != "$form_height" ] ||
      fail "the second window is not a message box"
    # Its only button, OK, takes Enter.
    xdotool mousemove $((box_X + box_WIDTH / 2)) $((box_Y + 5)) click 1
    sleep 0.3
    xdotool key Return
    for _ in $(seq 100); do
      xdotool search --name "^$title_cn\$" 2>/dev/null | grep -qvx "$window_id" || break
      sleep 0.1
    done
    if xdotool search --name "^$title_cn\$" 2>/dev/null | grep -qvx "$window_id"; then
      fail "the message box stays"
    fi
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
