#!/usr/bin/env bash
# Missing and failing pieces: one piece of the disc or of the system taken away or broken (the
# table in piece_case), then every menu item that starts something, F1 and the web address.
# What each does is one of:
#   start    exactly one xdg-open with exactly the expected argument vector, and nothing shown:
#            what xdg-open then makes of it (its exit status, or whether it ever ends) is not
#            the launcher's to report, as it never waits for it
#   nothing  no start and no message box: the open request could not be made, and that is
#            not reported either
#   box      the failure message box, closed with Return: starting the file manager or the
#            browser failed (for the web address, the open request tried after it as well)
# Throughout, the launcher keeps running and answering (Down moves the highlight), leaves no
# zombie behind, says nothing on standard error (but the font warning where it has no Chinese
# font), and Esc ends it with status 0; an opener that never ends outlives it.
#
#   missing_pieces_test.sh CASE     one case of the table
#   missing_pieces_test.sh          every case, one after the other
#
# Covered elsewhere: no xdg-open at all with the box's title, modality and the keys dropped
# meanwhile (missing_program_test.sh), the standard streams a started program gets
# (standard_streams_test.sh), the font warning's wording (no_chinese_font_test.sh).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/reliability_lib.sh"

readonly CASES=(no_installer no_documents no_help_document no_pdf_program opener_fails
  opener_never_ends no_opener opener_not_executable opener_is_a_folder opener_bad_interpreter
  opener_without_interpreter_line no_chinese_font closed_standard_streams)
readonly ACTIONS=(install browse manual notes help web)

# Sets up case $1 on the disc laid out in DISC, and sets ENVIRONMENT (NAME=VALUE for the
# launcher), EXPECT (what each action does), STDERR (what the launcher says there) and SPAWN
# (how it is started: plain or without its standard streams).
piece_case() {
  ENVIRONMENT=() SPAWN=plain STDERR=
  local all_start="install=start browse=start manual=start notes=start help=start web=start"
  local no_opener="install=nothing browse=box manual=nothing notes=nothing help=nothing web=box"
  EXPECT=$all_start
  # A broken opener is the only one on PATH: posix_spawnp goes on searching past a file it
  # may not run, and must not find the system's xdg-open.
  local only="$WORK/only-a-broken-opener"
  case $1 in
    # xdg-open reports a missing file with status 2.
    no_installer)
      rm -r "$DISC/集成安装程序"
      ENVIRONMENT=(N5_RECORDER_STATUS=2)
      ;;
    no_documents)
      rm -r "${DISC:?}/$REL_MANUAL" "${DISC:?}/$REL_NOTES"
      ENVIRONMENT=(N5_RECORDER_STATUS=2)
      ;;
    no_help_document)
      rm -r "$DISC/TARVEN"
      ENVIRONMENT=(N5_RECORDER_STATUS=2)
      ;;
    # 3: no program for the file's type (no PDF viewer); 4: the program it ran failed.
    no_pdf_program) ENVIRONMENT=(N5_RECORDER_STATUS=3) ;;
    opener_fails) ENVIRONMENT=(N5_RECORDER_STATUS=4) ;;
    opener_never_ends) ENVIRONMENT=(N5_RECORDER_HANG=1) ;;
    no_opener)
      mkdir -p "$only"
      ENVIRONMENT=(PATH="$only")
      EXPECT=$no_opener
      ;;
    opener_not_executable)
      mkdir -p "$only"
      cp "$N5_RECORDER" "$only/xdg-open"
      chmod a-x "$only/xdg-open"
      ENVIRONMENT=(PATH="$only")
      EXPECT=$no_opener
      ;;
    opener_is_a_folder)
      mkdir -p "$only/xdg-open"
      ENVIRONMENT=(PATH="$only")
      EXPECT=$no_opener
      ;;
    opener_bad_interpreter)
      mkdir -p "$only"
      printf '#!%s\n' "$WORK/no-such-interpreter" >"$only/xdg-open"
      chmod +x "$only/xdg-open"
      ENVIRONMENT=(PATH="$only")
      EXPECT=$no_opener
      ;;
    opener_without_interpreter_line)
      # The system does not run this (no #! line); a shell would, and would make "pwned":
      # the launcher must not hand it to one, as execvp would.
      mkdir -p "$only"
      printf '/bin/touch pwned\n' >"$only/xdg-open"
      chmod +x "$only/xdg-open"
      ENVIRONMENT=(PATH="$only")
      EXPECT=$no_opener
      ;;
    no_chinese_font)
      # Fontconfig sees only DejaVu; no cache folder is named, so it writes none.
      cat >"$WORK/fonts.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir></fontconfig>
CONF
      ENVIRONMENT=(FONTCONFIG_FILE="$WORK/fonts.conf")
      STDERR="n5launcher: no font with Chinese characters found; Chinese text cannot be shown"
      ;;
    closed_standard_streams) SPAWN=closed ;;
    *)
      echo "unknown case: $1 (cases: ${CASES[*]})" >&2
      exit 2
      ;;
  esac
}

spawn_without_streams() {
  (cd "$WORK" && exec env PATH="$WORK/bin:$PATH" LC_ALL=zh_CN.UTF-8 "$DISC/n5launcher") \
    <&- >&- 2>&- &
  LAUNCHER_PID=$!
}

do_action() {
  case $1 in
    install) rel_click_item 0 ;;
    browse) rel_click_item 1 ;;
    manual) rel_click_item 2 ;;
    notes) rel_click_item 3 ;;
    help) e2e_key F1 ;;
    web) e2e_click_web_address ;;
  esac
}

expected_vector() {
  case $1 in
    install) rel_vector xdg-open "$DISC/集成安装程序/setup.exe" ;;
    browse) rel_vector xdg-open "$DISC" ;;
    manual) rel_vector xdg-open "$DISC/$REL_MANUAL/$REL_MANUAL.pdf" ;;
    notes) rel_vector xdg-open "$DISC/$REL_NOTES/$REL_NOTES.pdf" ;;
    help) rel_vector xdg-open "$DISC/TARVEN/TARVENInstallation_cn.pdf" ;;
    web) rel_vector xdg-open "$REL_WEB_ADDRESS" ;;
  esac
}

# The recorders of opener_never_ends wait until killed: this test started them (through the
# launcher), so it ends them, by their process ids.
end_hanging_recorders() {
  local pid
  if [ -f "$RECORD.pids" ]; then
    while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$RECORD.pids"
    rm -f "$RECORD.pids"
  fi
}
trap 'end_hanging_recorders; e2e_cleanup' EXIT

run_case() {
  local case=$1 action expect
  echo "--- $case"
  rm -rf "$WORK/disc" "$WORK/only-a-broken-opener" "$WORK/pwned"
  e2e_layout_disc
  piece_case "$case"
  if [ "$SPAWN" == closed ]; then
    e2e_make_recorder
    : >"$RECORD"
    spawn_without_streams
    e2e_await_window
  else
    e2e_start_launcher "${ENVIRONMENT[@]}"
  fi

  for action in "${ACTIONS[@]}"; do
    expect=$(tr ' ' '\n' <<<"$EXPECT" | sed -n "s/^$action=//p")
    : >"$RECORD"
    do_action "$action"
    case $expect in
      start)
        e2e_wait_for 5 rel_has_starts 1 || true
        rel_settle
        e2e_check_eq "$case: $action starts xdg-open" "$(rel_starts)" "$(expected_vector "$action")"
        e2e_check_eq "$case: $action shows nothing" "$(rel_message_boxes)" ""
        ;;
      nothing)
        rel_settle
        e2e_check_eq "$case: $action starts nothing" "$(rel_starts)" ""
        e2e_check_eq "$case: $action shows nothing" "$(rel_message_boxes)" ""
        ;;
      box)
        rel_check_box_closes "$case: $action"
        rel_settle
        e2e_check_eq "$case: $action starts nothing" "$(rel_starts)" ""
        ;;
    esac
    rel_check_answers "$case: after $action"
  done

  e2e_check_eq "$case: no zombie left" "$(rel_zombie_children)" ""
  e2e_key Escape
  e2e_wait_exit 5
  e2e_check_eq "$case: Esc ends it with status 0" "$STATUS" 0
  if [ "$SPAWN" != closed ]; then
    e2e_check_eq "$case: standard error" "$(cat "$WORK/launcher.err")" "$STDERR"
  fi
  e2e_check_eq "$case: nothing run by a shell" "$(find "$WORK" -name pwned)" ""
  if [ "$case" == opener_never_ends ]; then
    local pid alive=0
    while read -r pid; do if kill -0 "$pid" 2>/dev/null; then alive=$((alive + 1)); fi; done \
      <"$RECORD.pids"
    e2e_check_eq "$case: what it started outlives it" "$alive" "${#ACTIONS[@]}"
  fi
  end_hanging_recorders
}

e2e_start_xvfb
if [ $# -eq 0 ]; then set -- "${CASES[@]}"; fi
for c in "$@"; do run_case "$c"; done
e2e_pass
