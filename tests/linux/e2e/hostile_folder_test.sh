#!/usr/bin/env bash
# Hostile and odd launcher folders. The disc is laid out in a folder whose name holds what a
# shell or a careless split would act on; then every menu item (by a click, the installer
# also by Enter), F1 and the web address each start exactly one xdg-open whose argument
# vector is exactly the expected one, byte for byte, the path one argument whatever it holds;
# the exit item ends the launcher and starts nothing. Nothing is interpreted: no file named
# "pwned" appears, and no trap runs. A trap program waits wherever the first word of a split
# path would be looked for as a program: the path up to its first blank, and up to its first
# shell operator.
#
#   hostile_folder_test.sh CASE     one case of the table in folder_case
#   hostile_folder_test.sh          every case, one after the other
#
# A literal backslash in a Linux folder name: the launcher builds Windows-style paths and its
# platform layer reads every backslash in them as a separator, the folder's own backslash as
# well. So "back\slash" is asked for as the two folders back/slash, where nothing of the disc
# is: the case shows that exactly those paths are handed to xdg-open, nothing else runs and
# nothing is interpreted (a real xdg-open would report that the file is not there, and the
# launcher, which never waits for it, says nothing).
#
# The root: the launcher folder is "/" when the program's own path is /NAME. Nothing is copied
# into /: in a private mount namespace (no chroot) the program is bind-mounted over a regular
# file that already lies in /, and started as that file. Where the test cannot make a mount
# namespace or / holds no regular file, the case is skipped and says so.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/reliability_lib.sh"

readonly CASES=(spaces cjk astral command_substitution backquotes separators quotes
  globs_and_variables redirection leading_dash newline not_utf8 backslash long symlink root)

# Sets, for case $1: FOLDER, where the disc is laid out; START, the folder it is started from
# (a link to FOLDER, or FOLDER); EXPECTED, the launcher folder as it reaches xdg-open; ON_DISC,
# whether the paths it asks for are files of the disc.
folder_case() {
  FOLDER= START= EXPECTED= ON_DISC=yes
  local name
  case $1 in
    spaces) name='N5  demo disc 2 ' ;;  # two blanks in a row, and one at the end
    cjk) name='演示光盘 體驗版（二）' ;;
    astral) name='𠀀𠀁 光盘 😀' ;;  # outside the Basic Multilingual Plane
    command_substitution) name='$(touch pwned)' ;;
    backquotes) name='`touch pwned`' ;;
    separators) name='a;touch pwned&touch pwned|touch pwned&&touch pwned||b' ;;
    quotes) name="it's \"quoted\" '\$(touch pwned)'" ;;
    globs_and_variables) name='*?[ab] $HOME ${PATH} ~ %PATH% !! $$' ;;
    redirection) name='>pwned <pwned 2>&1 >>pwned' ;;
    leading_dash) name='--help -rf' ;;
    newline) name=$'line one\nline two\tafter a tab;touch pwned' ;;
    not_utf8) name=$'\xff\xfe bytes \xc3( not UTF-8' ;;
    backslash) name='back\slash' ;;
    long)
      # Deeper than the first buffers the launcher reads its own path into, and past 3000
      # bytes, short of the system's 4096-byte limit with the longest file name appended.
      local level
      name=
      for level in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15; do
        name+="深层文件夹$level$(printf 'd%.0s' {1..170})/"
      done
      name=${name%/}
      ;;
    symlink)
      # Started through a link to the disc folder: the launcher folder is where the program
      # really lies (the link is resolved), where the disc's files are as well.
      FOLDER="$WORK/the disc"
      START="$WORK/link to the disc"
      EXPECTED=$FOLDER
      return
      ;;
    root)
      FOLDER="$WORK/disc"
      START=/
      EXPECTED=  # the folder "/" is followed by a separator: one slash, not two
      ON_DISC=no
      return
      ;;
    *)
      echo "unknown case: $1 (cases: ${CASES[*]})" >&2
      exit 2
      ;;
  esac
  FOLDER="$WORK/$name"
  START=$FOLDER
  EXPECTED=$FOLDER
  if [ "$1" == backslash ]; then
    EXPECTED="$WORK/back/slash"
    ON_DISC=no
  fi
}

# Trap programs where a split of $1 would find a first word to run, and at any further paths
# given.
set_traps() {
  local path=$1 word
  for word in "${path%%[[:space:]]*}" "${path%%[;&|<>()]*}" "${@:2}"; do
    if [ "$word" != "$path" ] && [ -d "$(dirname "$word")" ] && [ ! -e "$word" ]; then
      printf '#!/bin/sh\necho "trap ran: $0 $*" >>"%s"\n' "$WORK/traps.log" >"$word"
      chmod +x "$word"
      echo "trap: $(printf '%q' "$word")"
    fi
  done
}

# The launcher of the root case: in a mount namespace of its own, the program bind-mounted
# over the file ROOT_FILE in /, and started as that file.
spawn_at_root() {
  (cd "$WORK" && exec env PATH="$WORK/bin:$PATH" LC_ALL=zh_CN.UTF-8 \
    "${REL_UNSHARE[@]}" sh -c 'mount --bind "$1" "$2" && exec "$2"' \
    sh "$FOLDER/n5launcher" "$ROOT_FILE") \
    >"$WORK/launcher.out" 2>"$WORK/launcher.err" &
  LAUNCHER_PID=$!
}

run_case() {
  local case=$1
  folder_case "$case"
  echo "--- $case: $(printf '%q' "$FOLDER")"
  mkdir -p "$(dirname "$FOLDER")"
  e2e_layout_disc "$FOLDER"
  rm -f "$WORK/traps.log"
  find "$WORK" -name pwned -delete
  case $case in
    symlink) ln -s "$FOLDER" "$START" ;;
    root)
      ROOT_FILE=$(find / -maxdepth 1 -type f -perm -u+r 2>/dev/null | head -1)
      rel_find_unshare
      if [ -z "$ROOT_FILE" ] || [ ${#REL_UNSHARE[@]} -eq 0 ]; then
        echo "skipped: $case: no mount namespace, or no regular file in / to mount over"
        return
      fi
      echo "the launcher is started as $ROOT_FILE"
      ;;
  esac
  # Backslash: the program the first part of the name would be, as a separator makes it.
  if [ "$case" == backslash ]; then set_traps "$FOLDER" "$WORK/back"; else set_traps "$FOLDER"; fi

  if [ "$case" == root ]; then
    e2e_make_recorder
    : >"$RECORD"
    spawn_at_root
    e2e_await_window
  else
    local disc=$DISC
    DISC=$START
    e2e_start_launcher
    DISC=$disc
  fi
  # The class desktops group the window by is the program's, whatever its folder is called.
  e2e_check_eq "$case: window class" "$(xprop -id "$WINDOW" WM_CLASS)" \
    'WM_CLASS(STRING) = "n5launcher", "n5launcher"'

  local browsed=${EXPECTED:-/}
  local installer="$EXPECTED/集成安装程序/setup.exe"
  local manual="$EXPECTED/$REL_MANUAL/$REL_MANUAL.pdf"
  local notes="$EXPECTED/$REL_NOTES/$REL_NOTES.pdf"
  local help="$EXPECTED/TARVEN/TARVENInstallation_cn.pdf"
  enter_on_first() {
    e2e_move_to "${BACKGROUND_PROBE[0]}" "${BACKGROUND_PROBE[1]}"
    e2e_key Down
    e2e_key Return
  }
  rel_check_starts "$case: caption 0 installs" rel_click_item 0 -- xdg-open "$installer"
  rel_check_starts "$case: Enter on item 0 installs" enter_on_first -- xdg-open "$installer"
  rel_check_starts "$case: caption 1 browses the disc" rel_click_item 1 -- xdg-open "$browsed"
  rel_check_starts "$case: caption 2 opens the product manual" rel_click_item 2 -- \
    xdg-open "$manual"
  rel_check_starts "$case: caption 3 opens the installation notes" rel_click_item 3 -- \
    xdg-open "$notes"
  rel_check_starts "$case: F1 opens the help document" e2e_key F1 -- xdg-open "$help"
  rel_check_starts "$case: the web address" e2e_click_web_address -- \
    xdg-open "$REL_WEB_ADDRESS"

  # What is asked for is on the disc, or (as the folder cannot be reached) none of it is.
  local file missing= all=
  for file in "$installer" "$browsed" "$manual" "$notes" "$help"; do
    if [ ! -e "$file" ]; then missing+=" $(printf '%q' "$file")"; fi
    if [ "$file" != / ]; then all+=" $(printf '%q' "$file")"; fi
  done
  if [ "$ON_DISC" == yes ]; then
    e2e_check_eq "$case: everything asked for is on the disc" "$missing" ""
  else
    e2e_check_eq "$case: nothing asked for is there" "$missing" "$all"
  fi

  : >"$RECORD"
  rel_click_item 4
  e2e_wait_exit 5
  e2e_check_eq "$case: the exit item ends it with status 0" "$STATUS" 0
  e2e_check_eq "$case: the exit item starts nothing" "$(rel_starts)" ""
  e2e_stop_launcher

  e2e_check_eq "$case: no trap ran" "$(cat "$WORK/traps.log" 2>/dev/null)" ""
  e2e_check_eq "$case: no file named pwned" "$(find "$WORK" -name pwned)" ""
  e2e_check_eq "$case: nothing on standard error" "$(cat "$WORK/launcher.err")" ""
}

e2e_start_xvfb
if [ $# -eq 0 ]; then set -- "${CASES[@]}"; fi
for c in "$@"; do run_case "$c"; done
e2e_pass
