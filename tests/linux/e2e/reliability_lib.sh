# What the reliability tests share, on top of lib.sh (source lib.sh first):
#  - the recording stand-in for xdg-open is n5-e2e-recorder (N5_RECORDER), which records every
#    start byte for byte, argv[0] included, so that an argument holding a newline, a tab or
#    bytes that are not UTF-8 compares exactly;
#  - the launcher's failure message box: finding it and closing it with Return;
#  - showing that the launcher still answers, and that it leaves no zombie behind.
: "${N5_RECORDER:?}"
export N5_RECORD=$RECORD
readonly REL_WEB_ADDRESS="http://www.n5-erp.example"
readonly REL_TITLE="N5-企业管理软件安装程序"
readonly REL_MANUAL="N5-企业管理软件(Full-Suite)产品手册"
readonly REL_NOTES="N5-企业管理软件(Full-Suite)安装说明"

# Takes the place of lib.sh's recorder, so that e2e_start_launcher installs this one. A copy,
# not a link, so that a test may break its own stand-in without touching the build's.
e2e_make_recorder() {
  mkdir -p "$WORK/bin"
  rm -f "$WORK/bin/xdg-open"
  cp "$N5_RECORDER" "$WORK/bin/xdg-open"
}

# The starts recorded so far, one a line: each argument vector with every argument quoted by
# printf %q (so that every byte shows and a line is one start), separated by spaces.
rel_starts() {
  [ -s "$RECORD" ] || return 0
  local count arg i line quoted
  while IFS= read -r -d '' count; do
    line=
    for ((i = 0; i < count; i++)); do
      IFS= read -r -d '' arg || break
      printf -v quoted '%q' "$arg"
      line+=" $quoted"
    done
    printf '%s\n' "${line# }"
  done <"$RECORD"
}

# An argument vector as rel_starts shows it.
rel_vector() {
  local line
  printf -v line '%q ' "$@"
  printf '%s\n' "${line% }"
}

rel_start_count() { rel_starts | wc -l; }
rel_has_starts() { [ "$(rel_start_count)" -ge "$1" ]; }

# Runs an action (a command and its arguments) and checks that it starts exactly one program,
# with exactly the argument vector given after -- (argv[0] first).
rel_check_starts() {
  local what=$1
  shift
  e2e_run_recorded "$@"
  e2e_wait_for 5 rel_has_starts 1 || true
  rel_settle
  e2e_check_eq "$what" "$(rel_starts)" "$(rel_vector "${E2E_EXPECTED[@]}")"
}

# Waits until the launcher has handled everything sent to it so far (it shows the effect of a
# Down pressed after it), then a moment more for a program it started to make its record.
rel_settle() {
  rel_answers_down >/dev/null || true
  sleep 0.3
}

# Presses Down and waits for the highlight to move on by one (from none to the first item),
# as the launcher shows it. Says what it saw; fails if the launcher did not answer.
rel_answers_down() {
  e2e_shot
  local before wanted i
  before=$(e2e_buttons)
  case $before in
    nnnnn) wanted=hnnnn ;;
    *h*)
      i=${before%%h*}
      i=$(((${#i} + 1) % 5))
      wanted=nnnnn
      wanted="${wanted:0:i}h${wanted:i+1}"
      ;;
    *)
      echo "buttons [$before] before Down"
      return 1
      ;;
  esac
  e2e_key Down
  WANTED=$wanted
  if e2e_wait_for 5 rel_buttons_show; then
    echo "buttons $before, then $wanted after Down"
  else
    echo "buttons $before, still [$(e2e_buttons)] after Down, not $wanted"
    return 1
  fi
}
rel_buttons_show() { e2e_shot && [ "$(e2e_buttons)" == "$WANTED" ]; }

# The launcher is alive and answers the keyboard.
rel_check_answers() {
  local seen
  if ! kill -0 "$LAUNCHER_PID" 2>/dev/null; then
    e2e_fail "$1: the launcher has ended"
  elif seen=$(rel_answers_down); then
    echo "ok: $1: still answers ($seen)"
  else
    e2e_fail "$1: does not answer: $seen"
  fi
}

# The launcher's children that have ended but were not reaped.
rel_zombie_children() {
  local stat rest
  for stat in /proc/[0-9]*/stat; do
    rest=$(cat "$stat" 2>/dev/null) || continue
    rest=${rest##*) }  # after the command name, which may hold anything
    read -r state ppid _ <<<"$rest"
    if [ "$ppid" == "$LAUNCHER_PID" ] && [ "$state" == Z ]; then echo "${stat//[^0-9]/}"; fi
  done
}

# The top-level windows titled like the launcher's, other than its main one: its message
# boxes. (xwininfo, as xdotool's search passes over a window without a class, as SDL's message
# box is.)
rel_message_boxes() {
  xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) "\(.*\)": .*/\1 \2/p' |
    while read -r id name; do
      if [ $((id)) -ne "$WINDOW" ] && [ "$name" == "$REL_TITLE" ]; then echo $((id)); fi
    done
}
rel_box_shown() { [ -n "$(rel_message_boxes)" ]; }
rel_box_gone() { [ -z "$(rel_message_boxes)" ]; }

# Checks that one message box is up (waiting for it), and closes it with Return. With no
# window manager to give the new box the keyboard, as a desktop would, the test gives it.
rel_check_box_closes() {
  if ! e2e_wait_for 5 rel_box_shown; then
    e2e_fail "$1: no message box"
    return
  fi
  local boxes
  boxes=$(rel_message_boxes)
  e2e_check_eq "$1: one message box" "$(wc -l <<<"$boxes")" 1
  xdotool windowfocus "$(head -1 <<<"$boxes")"
  xdotool key Return
  if e2e_wait_for 5 rel_box_gone; then echo "ok: $1: Return closes the box"; else
    e2e_fail "$1: the box stays after Return"
  fi
  # The keyboard back to the window under the pointer.
  xdotool windowfocus "$WINDOW"
}

# Window pixels of item $1's caption.
rel_caption() { echo 94 $((BUTTON_TOP + $1 * BUTTON_PITCH + 20)); }
rel_click_item() { e2e_click_at $(rel_caption "$1"); }

# How to run a command in a mount namespace of its own, where it may bind-mount (as root, or
# as the root of a user namespace): sets REL_UNSHARE to the command's start, or leaves it empty
# where neither can be made. (The trial mounts the work folder over itself, in that namespace.)
rel_find_unshare() {
  REL_UNSHARE=()
  local try
  for try in "" --map-root-user; do
    # shellcheck disable=SC2086
    if unshare $try --mount --propagation private mount --bind "$WORK" "$WORK" >/dev/null 2>&1; then
      REL_UNSHARE=(unshare $try --mount --propagation private)
      return
    fi
  done
}
