# Shared steps of the launcher's end-to-end tests. Each test script sources this file, then:
#   e2e_start_xvfb; e2e_layout_disc; e2e_start_launcher ...; e2e_* checks; e2e_pass
# Every test has its own X server, its own disc under the build tree, and a recording
# xdg-open first on PATH. Whatever happens, the trap ends the launcher and the X server,
# and every wait has a time limit.
#
# From ctest's environment: N5_LAUNCHER (the program), N5_SOURCE_DIR, N5_WORK_DIR (a folder
# under build/ for the test's files), N5_PROBES (prints the artwork's probe points) and, for
# the cursor test, N5_CURSOR_PROBE.
set -euo pipefail

: "${N5_LAUNCHER:?}" "${N5_SOURCE_DIR:?}" "${N5_WORK_DIR:?}" "${N5_PROBES:?}"
E2E_NAME=$(basename "$0" .sh)
mkdir -p "$N5_WORK_DIR"
WORK=$(mktemp -d "$N5_WORK_DIR/$E2E_NAME.XXXXXX")
RECORD=$WORK/xdg-open.record
XVFB_PID=
LAUNCHER_PID=
FAILURES=0
eval "$("$N5_PROBES")"  # BACKGROUND_PROBE=(x y r g b), NORMAL_ITEM_PROBE=..., HOVER_ITEM_PROBE=...

# Where the launcher puts things, in window pixels: five buttons 141 x 34 from (24, 120),
# 39 apart, each caption from 10 px below its button's top; the description from x 220.
BUTTON_LEFT=24
BUTTON_TOP=120
BUTTON_PITCH=39
INFO_LEFT=220
INFO_WIDTH=240

e2e_cleanup() {
  if [ -n "$LAUNCHER_PID" ]; then kill "$LAUNCHER_PID" 2>/dev/null || true; fi
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  if [ "$FAILURES" -eq 0 ]; then rm -rf "$WORK"; fi
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "FAIL: $*" >&2
  FAILURES=$((FAILURES + 1))
}

e2e_check_eq() {  # what, actual, expected
  if [ "$2" == "$3" ]; then
    echo "ok: $1"
  else
    e2e_fail "$1: got [$2], expected [$3]"
  fi
}

e2e_check_ge() {  # what, actual, least
  if [ "$2" -ge "$3" ]; then
    echo "ok: $1"
  else
    e2e_fail "$1: got $2, expected at least $3"
  fi
}

e2e_pass() {
  if [ "$FAILURES" -ne 0 ]; then
    echo "$E2E_NAME: $FAILURES check(s) failed; files kept in $WORK" >&2
    exit 1
  fi
  echo "$E2E_NAME: all checks passed"
}

# Waits up to $1 seconds for the command after it to succeed.
e2e_wait_for() {
  local limit=$1
  shift
  local tries=$((limit * 20))
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    if [ "$tries" -le 0 ]; then return 1; fi
    sleep 0.05
  done
}

e2e_start_xvfb() {
  # The server picks a free display itself and says which (-displayfd): a number chosen here
  # could be taken by a test starting at the same moment.
  local number_file="$WORK/xvfb.display"
  : >"$number_file"
  # -noreset: the server keeps its atoms when its last client leaves (see below).
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$number_file" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  if ! e2e_wait_for 10 grep -q '^[0-9]' "$number_file"; then
    echo "Xvfb did not start" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n 1 "$number_file")"
  if ! e2e_wait_for 10 xdpyinfo; then
    echo "Xvfb did not answer on $DISPLAY" >&2
    exit 1
  fi
  # A window manager would have made the Motif hints' atom exist; SDL only sets the hints
  # (and so the window's lack of a border) where the atom already exists.
  xprop -root -f _MOTIF_WM_HINTS 32c -set _MOTIF_WM_HINTS 0
  xprop -root -remove _MOTIF_WM_HINTS
}

# The recording xdg-open: one line per call, its arguments separated by tabs.
e2e_make_recorder() {
  mkdir -p "$WORK/bin"
  cat >"$WORK/bin/xdg-open" <<RECORDER
#!/bin/sh
line=\$1
shift
for a in "\$@"; do line="\$line	\$a"; done
printf '%s\n' "\$line" >> '$RECORD'
RECORDER
  chmod +x "$WORK/bin/xdg-open"
}

# Lays out the demo disc in $1 (default $WORK/disc) and sets DISC to it.
e2e_layout_disc() {
  DISC=${1:-$WORK/disc}
  bash "$N5_SOURCE_DIR/tools/demo-disc.sh" "$DISC" "$N5_LAUNCHER" >/dev/null
}

# Starts the disc's launcher with the environment given as NAME=VALUE arguments (on top of
# the recording opener on PATH and zh_CN), waits for its window and its first frame, and sets
# WINDOW, WIN_X and WIN_Y.
e2e_start_launcher() {
  e2e_make_recorder
  : >"$RECORD"
  e2e_spawn_launcher "$@"
  e2e_await_window
}

# Starts the launcher in the background and sets LAUNCHER_PID; a test may define its own.
e2e_spawn_launcher() {
  (cd "$WORK" && exec env PATH="$WORK/bin:$PATH" LC_ALL=zh_CN.UTF-8 "$@" "$DISC/n5launcher") \
    >"$WORK/launcher.out" 2>"$WORK/launcher.err" &
  LAUNCHER_PID=$!
}

e2e_await_window() {
  if ! e2e_wait_for 10 e2e_find_window; then
    echo "the launcher's window did not appear" >&2
    cat "$WORK/launcher.err" >&2 || true
    exit 1
  fi
  WINDOW=$(e2e_find_window)
  eval "$(xdotool getwindowgeometry --shell "$WINDOW" | grep -E '^(X|Y)=')"
  WIN_X=$X
  WIN_Y=$Y
  if ! e2e_wait_for 10 e2e_pixel_is "${BACKGROUND_PROBE[@]}"; then
    echo "the launcher's first frame did not appear" >&2
    exit 1
  fi
  # Keys go to the window under the pointer (there is no window manager to give focus).
  e2e_move_to "${BACKGROUND_PROBE[0]}" "${BACKGROUND_PROBE[1]}"
}

# The launcher's window: the one top-level window of the launcher's size (the only client
# of this X server that has windows).
e2e_find_window() {
  local id
  # Byte by byte: a window's name or class need not be text of the locale.
  id=$(xwininfo -root -children 2>/dev/null |
    LC_ALL=C sed -n 's/^ *\(0x[0-9a-f]*\) .* 502x387+.*/\1/p')
  [ -n "$id" ] && [ "$(wc -l <<<"$id")" -eq 1 ] && echo $((id))
}

# Window pixels to screen pixels.
e2e_move_to() { xdotool mousemove $((WIN_X + $1)) $((WIN_Y + $2)); }
e2e_click_at() {
  e2e_move_to "$1" "$2"
  xdotool click 1
}
e2e_key() { xdotool key "$@"; }

e2e_shot() {
  SHOT=$WORK/shot.png
  import -window root "$SHOT"
}

# The colours at window pixels of the last shot, "r,g,b" each, one a line.
e2e_pixels() {
  local format="" p
  while [ $# -ge 2 ]; do
    p="p{$((WIN_X + $1)),$((WIN_Y + $2))}"
    format+="%[fx:int(255*$p.r+0.5)],%[fx:int(255*$p.g+0.5)],%[fx:int(255*$p.b+0.5)]\n"
    shift 2
  done
  convert "$SHOT" -format "$format" info:
}

# Whether the screen now shows colour r g b at window pixel x y.
e2e_pixel_is() {
  e2e_shot
  [ "$(e2e_pixels "$1" "$2")" == "$3,$4,$5" ]
}

# Which picture each button shows in the last shot: n normal, h hover, ? neither.
e2e_buttons() {
  local i points=()
  for i in 0 1 2 3 4; do
    points+=($((BUTTON_LEFT + HOVER_ITEM_PROBE[0])) $((BUTTON_TOP + i * BUTTON_PITCH + HOVER_ITEM_PROBE[1])))
  done
  local hover="${HOVER_ITEM_PROBE[2]},${HOVER_ITEM_PROBE[3]},${HOVER_ITEM_PROBE[4]}"
  local normal="${NORMAL_ITEM_PROBE[2]},${NORMAL_ITEM_PROBE[3]},${NORMAL_ITEM_PROBE[4]}"
  e2e_pixels "${points[@]}" | while read -r c; do
    case $c in
      "$hover") printf h ;;
      "$normal") printf n ;;
      *) printf '?' ;;
    esac
  done
}

# How many near-white pixels the last shot has in a window area: x y width height.
e2e_white_pixels() {
  convert "$SHOT" -crop "$3x$4+$((WIN_X + $1))+$((WIN_Y + $2))" +repage -fuzz 20% \
    -fill black +opaque white -colorspace gray -format '%[fx:int(mean*w*h+0.5)]' info:
}

# The window x range "first last" of the first run of dark text in a band of rows (y height)
# of the last shot: where the footer's first label shows its text. The window's outer
# columns are left out: the background has a dark frame there.
e2e_first_text_run() {
  convert "$SHOT" -crop "494x$2+$((WIN_X + 4))+$((WIN_Y + $1))" +repage -colorspace gray \
    -negate -threshold 50% -scale 494x1! -threshold 0 txt:- |
    awk -F'[,:]' 'NR > 1 && !done && /#FFFFFF/ {
        x = $1 + 4
        if (first == "") { first = x; last = x }
        else if (x - last > 8) { done = 1 }
        else last = x
      }
      END { if (first != "") print first, last }'
}

# Waits until the record holds $1 lines; then it must stay so for a moment.
e2e_wait_records() {
  e2e_wait_for 5 test "$(wc -l <"$RECORD")" -ge "$1" || true
  sleep 0.3
}

# Waits up to $1 seconds for the launcher to end and sets STATUS to its exit status
# ("running" if it did not end).
e2e_wait_exit() {
  if e2e_wait_for "$1" e2e_launcher_gone; then
    wait "$LAUNCHER_PID" && STATUS=0 || STATUS=$?
    LAUNCHER_PID=
  else
    STATUS=running
  fi
}
e2e_launcher_gone() { ! kill -0 "$LAUNCHER_PID" 2>/dev/null; }

e2e_stop_launcher() {
  if [ -n "$LAUNCHER_PID" ]; then
    kill "$LAUNCHER_PID" 2>/dev/null || true
    wait "$LAUNCHER_PID" 2>/dev/null || true
    LAUNCHER_PID=
  fi
}

# Clicks the middle of the web address, found in the footer row of a fresh shot.
e2e_click_web_address() {
  e2e_shot
  local run
  run=$(e2e_first_text_run 359 13)
  if [ -z "$run" ]; then
    e2e_fail "no web address in the footer"
    return
  fi
  read -r first last <<<"$run"
  e2e_click_at $(((first + last) / 2)) 365
}

# Runs the action given before -- (a command and its arguments) with the record emptied
# first, and sets E2E_EXPECTED to the words after --.
e2e_run_recorded() {
  local action=()
  while [ "$1" != "--" ]; do
    action+=("$1")
    shift
  done
  shift
  E2E_EXPECTED=("$@")
  : >"$RECORD"
  "${action[@]}"
}

# Runs an action (a command and its arguments) and checks that it starts exactly one
# opener, with exactly the arguments given after --.
e2e_check_starts() {
  local what=$1
  shift
  e2e_run_recorded "$@"
  e2e_wait_records 1
  e2e_check_eq "$what" "$(cat "$RECORD")" "$(IFS=$'\t'; echo "${E2E_EXPECTED[*]}")"
}
