# What the Wine tests of the Windows launcher share (sourced by e2e.sh and reliability.sh):
# the virtual display, the shared Wine prefix, the recording stand-ins and traps, the disc
# layout, the form's geometry, driving the window and reading what the stand-ins recorded.
#
# The stand-ins are copies of recorder.exe, which writes its module path, command line and
# ANSI code page to C:\record.log. ctest passes the paths below in the environment; the
# sourcing script sets -euo pipefail and defines nothing of its own before sourcing.
: "${N5_LAUNCHER_EXE:?}" "${N5_RECORDER_EXE:?}" "${N5_SCREEN_PROBE:?}" "${N5_REPLAY:?}"
: "${N5_TEXTS_TSV:?}" "${N5_WINE_PREFIX:?}" "${N5_TEST_WORK:?}"

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
# Clean-up: whatever happens, nothing of the test keeps running. Scripts that change the
# shared prefix add the commands that put it back to restore_steps; they run first, while
# Wine still runs, each with its own time limit.
xvfb_pid=
launcher_pid=
restore_steps=()
cleanup() {
  set +e
  local step
  for step in "${restore_steps[@]}"; do eval "$step"; done
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
[ -f "$N5_LAUNCHER_EXE" ] || fail "no $N5_LAUNCHER_EXE: build it first (make build-win32 build-win64)"
log "the launcher under test: $N5_LAUNCHER_EXE"

# ---------------------------------------------------------------------------------------------
# The virtual display, on the first free display number.
# -noreset: by default the server resets whenever its last client leaves, and a reset drops
# the connections that arrive meanwhile. Until Wine's first process connects, every poll of
# wait_window (an xdotool that connects and leaves) is such a last client, so the explorer
# that Wine starts for the desktop, or the launcher itself, could lose its display at start:
# the launcher then ended at once ("no driver could be loaded") or never showed its window.
start_xvfb() {
  local fd_file=$work/xvfb.display
  Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp -noreset \
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
  rm -rf "$saved_dir" "$handlers_changed"
  timeout 60 wineserver -w || true
  touch "$WINEPREFIX/.n5-ready"
}

# A test that breaks a piece of the shared prefix first keeps what it changes: the files it
# moves away wait under saved_dir (at their places relative to the prefix), and the mark
# handlers_changed stands while the stand-ins' registrations are changed. It puts them back
# itself (restore_steps); if it was killed first, the next test does it here.
saved_dir=$WINEPREFIX.n5-saved
handlers_changed=$WINEPREFIX.n5-handlers-changed
# save_file PATH: keeps the prefix's file PATH (relative to the prefix) until put_back_saved;
# a file saved before keeps its first copy.
save_file() {
  if [ ! -e "$saved_dir/$1" ]; then
    mkdir -p "$(dirname "$saved_dir/$1")"
    cp -a "$WINEPREFIX/$1" "$saved_dir/$1"
  fi
}
put_back_saved() {
  [ -d "$saved_dir" ] || return 0
  local relative
  while IFS= read -r -d '' relative; do
    rm -rf "${WINEPREFIX:?}/$relative" &&
      cp -a "$saved_dir/$relative" "$WINEPREFIX/$relative" || return 1
  done < <(cd "$saved_dir" && find . -type f -print0)
  rm -rf "$saved_dir"
}
put_back_handlers() {
  if [ -f "$handlers_changed" ]; then
    register_handlers && rm -f "$handlers_changed"
  fi
}

prepare_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock -w 300 9 || fail "the Wine prefix stays locked"
  if [ ! -f "$WINEPREFIX/.n5-ready" ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
    make_prefix
  fi
  put_back_saved || fail "the files a test moved away cannot be put back"
  put_back_handlers || log "registering the stand-ins anew failed"
  if ! prefix_answers; then
    log "the prefix does not answer: making it anew"
    timeout 20 wineserver -k >/dev/null 2>&1 || true
    make_prefix
    prefix_answers || fail "the new prefix does not answer"
  fi
}

# ---------------------------------------------------------------------------------------------
# The disc and the stand-ins, laid out afresh for each test.
readonly feature_doc='N5-企业管理软件(Full-Suite)产品手册\N5-企业管理软件(Full-Suite)产品手册.pdf'
readonly notes_doc='N5-企业管理软件(Full-Suite)安装说明\N5-企业管理软件(Full-Suite)安装说明.pdf'
readonly help_doc_cn='TARVEN\TARVENInstallation_cn.pdf'
readonly help_doc_tw='TARVEN\TARVENInstallation_tw.pdf'
readonly installer='集成安装程序\setup.exe'
readonly browser='C:\Program Files\Internet Explorer\iexplore.exe'
readonly web_address='http://www.n5-erp.example'

unix_path() { printf '%s' "${1//\\//}"; }  # backslashes to slashes

put_recorder() {
  mkdir -p "$(dirname "$1")"
  cp "$N5_RECORDER_EXE" "$1"
}

# The stand-ins on drive C: and the traps an unquoted browser path would run.
put_stand_ins() {
  rm -f "$record_log"
  put_recorder "$drive_c/recorder/pdf.exe"
  put_recorder "$drive_c/recorder/url.exe"
  put_recorder "$drive_c/$(unix_path "${browser#C:\\}")"
  put_recorder "$drive_c/Program.exe"
  put_recorder "$drive_c/Program Files/Internet.exe"
}

# The Windows folder's explorer.exe becomes a recorder until the end of the test.
record_explorer() {
  save_file drive_c/windows/explorer.exe
  restore_steps+=(put_back_saved)
  put_recorder "$drive_c/windows/explorer.exe"
}

# Maps drive LETTER (d, e or f) to the Unix folder DIR; the other test drives are unmapped.
map_drive() { # map_drive DIR LETTER
  local l
  for l in d e f; do rm -f "$WINEPREFIX/dosdevices/$l:"; done
  ln -s "$1" "$WINEPREFIX/dosdevices/$2:"
}

# lay_out_disc DIR FOLDER: the launcher, the installer, the documents and the trap that a
# search of the launcher's folder (which comes first on the search path) would run, in the
# Unix folder DIR that the system calls FOLDER. Sets disc_dir, folder and launcher.
readonly pdf_body='%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n2 0 obj<</Type/Pages/Kids[]/Count 0>>endobj\ntrailer<</Root 1 0 R>>\n%%EOF\n'
lay_out_disc() {
  disc_dir=$1
  folder=$2
  launcher="${folder%\\}\\n5launcher.exe"
  mkdir -p "$disc_dir"
  cp "$N5_LAUNCHER_EXE" "$disc_dir/n5launcher.exe"
  put_recorder "$disc_dir/$(unix_path "$installer")"
  put_recorder "$disc_dir/explorer.exe"
  local doc
  for doc in "$feature_doc" "$notes_doc" "$help_doc_cn" "$help_doc_tw"; do
    mkdir -p "$(dirname "$disc_dir/$(unix_path "$doc")")"
    printf '%b' "$pdf_body" >"$disc_dir/$(unix_path "$doc")"
  done
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

title_cn=$(text_of 114 cn)
title_tw=$(text_of 114 tw)
[ -n "$title_cn" ] && [ -n "$title_tw" ] || fail "no window title in $N5_TEXTS_TSV"

# ---------------------------------------------------------------------------------------------
# The launcher.
start_launcher() { # start_launcher LOCALE [PROGRAM]: PROGRAM (default $launcher) from disc_dir
  rm -f "$work/launcher.status"
  local program=${2:-$launcher}
  (
    cd "$disc_dir"
    set +e
    LC_ALL=$1 timeout 150 wine "$program" >"$work/launcher.out" 2>&1
    echo $? >"$work/launcher.status"
  ) &
  launcher_pid=$!
  log "started $program under $1"
}

launcher_running() { [ ! -f "$work/launcher.status" ]; }

window_id=
win_x=0
win_y=0
# Waits for the window with the title, then for its first frame (the background's probe colour;
# not with "any_frame", for a launcher without its background).
wait_window() { # wait_window TITLE [any_frame]
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
  if [ "${2:-}" = any_frame ]; then return; fi
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
# may already stand at the point, so it comes from beside it, after a pause: Wine merges
# movements that come together, and one to where the pointer already stood is no movement)
# and clicks for the focus.
focus_window() {
  local x y
  read -r x y <<<"$(background_point)"
  pointer_to "$x" $((y + 8))
  sleep 0.15
  click_at "$x" "$y"
  sleep 0.2
}
click_item() {
  # shellcheck disable=SC2046
  click_at $(item_point "$1")
}
click_address() {
  # shellcheck disable=SC2046
  click_at $(address_point)
}
# Wine drops keys that come before the click has made the window active (after another
# program's window came and went, say), so the keyboard counts as ours once a Down press has
# highlighted item 0 (from no highlight). A press that went astray is tried again after a new
# movement over the background has cleared the highlight.
focus_keyboard() {
  local attempt i cleared
  for attempt in 1 2 3; do
    focus_window
    cleared=1
    for i in $(seq 0 $((item_count - 1))); do
      probe_item "$i" normal 5000 || { cleared=0; break; }
    done
    if [ "$cleared" -eq 0 ]; then
      log "the highlight did not clear (attempt $attempt)"
      continue
    fi
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
# activate_item click|keys I
activate_item() { if [ "$1" = click ]; then click_item "$2"; else enter_item "$2"; fi; }

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

# The process id of Wine's explorer started with exactly the command line "explorer FOLDER",
# or nothing after SECONDS.
explorer_pid() { # explorer_pid FOLDER SECONDS
  local pid=
  for _ in $(seq $(($2 * 10))); do
    pid=$(ps -eo pid=,args= | want="explorer $1" awk '
      { p = $1; sub(/^ *[0-9]+ /, ""); if ($0 == ENVIRON["want"]) { print p; exit } }')
    if [ -n "$pid" ]; then break; fi
    sleep 0.1
  done
  printf '%s' "$pid"
}
# Wine's explorer started on the folder: its process, with exactly that command line.
expect_explorer() { # expect_explorer FOLDER
  local pid
  pid=$(explorer_pid "$1" 15)
  [ -n "$pid" ] || fail "no explorer on $1"
  log "explorer runs on $1 (pid $pid)"
  kill "$pid" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
}

# ---------------------------------------------------------------------------------------------
# Message boxes: a second top-level window with the launcher's title.
message_box=
wait_message_box() { # wait_message_box TITLE: sets message_box
  message_box=
  local id
  for _ in $(seq 150); do
    for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
      if [ "$id" != "$window_id" ]; then message_box=$id; fi
    done
    if [ -n "$message_box" ]; then return; fi
    sleep 0.1
  done
  fail "no message box titled $1"
}
# Gives the message box the keyboard (a click on its caption) and closes it with Return.
close_message_box() { # close_message_box TITLE
  local geometry box_x box_y box_width
  geometry=$(xdotool getwindowgeometry --shell "$message_box")
  box_x=$(printf '%s\n' "$geometry" | sed -n 's/^X=//p')
  box_y=$(printf '%s\n' "$geometry" | sed -n 's/^Y=//p')
  box_width=$(printf '%s\n' "$geometry" | sed -n 's/^WIDTH=//p')
  xdotool mousemove $((box_x + box_width / 2)) $((box_y + 5)) click 1
  sleep 0.3
  xdotool key Return
  for _ in $(seq 100); do
    xdotool search --name "^$1\$" 2>/dev/null | grep -qvx "$window_id" || return 0
    sleep 0.1
  done
  fail "the message box stays"
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
