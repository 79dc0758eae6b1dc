#!/usr/bin/env bash
# Reliability tests of the Windows launcher under Wine (what the Wine tests share is in
# wine_lib.sh): hostile launcher folders, missing and failing pieces of the system, and a whole
# session from a read-only disc that must write nothing.
#
#   reliability.sh SCENARIO     (ctest passes the paths in the environment)
#
# Scenarios:
#   folder_spaces folder_simplified folder_traditional folder_astral folder_metachars
#   folder_percent folder_root folder_long
#       The disc in a hostile folder (table in folder_case). Every menu item, F1 and the web
#       address start exactly the expected program with exactly the expected command line,
#       and no trap runs: recorder copies wait wherever a wrong split or search of a path
#       would find a program. The Windows folder's explorer.exe is a recorder as well. Where
#       the shell itself cannot open a path of the folder (asked first), the launcher must
#       show nothing for it and run nothing.
#   missing_installer missing_documents missing_help missing_pdf_association
#   missing_pdf_program missing_web_handler_program missing_web_handler_registration
#   explorer_missing explorer_not_a_program explorer_a_folder
#       One piece of the system removed or broken (table in piece_case). An open request the
#       shell cannot carry out shows nothing; a failed start shows the system's description
#       in a message box closed with Return; the launcher keeps running either way.
#   writes_nothing
#       A whole session from a read-only disc: the disc stays byte-identical, and nothing in
#       the prefix's drive C: changes but the recorder's log and what Wine changes by itself
#       when any program runs (measured first with a run of the recorder alone).
set -euo pipefail

scenario=${1:?usage: reliability.sh SCENARIO}
: "${N5_MINGW_CC:?}"
# shellcheck source=tests/win32/wine_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine_lib.sh"

readonly windows_explorer='C:\windows\explorer.exe'

# ---------------------------------------------------------------------------------------------
# wine_probe.exe: asks the system under test, from inside Wine, what the launcher's requests
# should give and what a message box says.
#   message CODE               the system's description of error CODE (line ends dropped)
#   open FILE...               ShellExecuteW "open" on each FILE: its result, one a line
#   start PROGRAM COMMAND_LINE CreateProcessW: 0, or the error code, a tab and its description
#   box TITLE                  every child of each visible dialog titled TITLE: class, tab,
#                              text, one a line
write_probe_source() {
  cat <<'EOF'
#include <windows.h>
#include <shellapi.h>

static void Put(const wchar_t* text) {
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, NULL, 0, NULL, NULL);
  if (bytes <= 1) return;
  char* utf8 = (char*)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)bytes);
  if (utf8 == NULL) return;
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, bytes, NULL, NULL);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8, (DWORD)(bytes - 1), &written, NULL);
  HeapFree(GetProcessHeap(), 0, utf8);
}

static void PutNumber(unsigned long value) {
  wchar_t text[32];
  wsprintfW(text, L"%lu", value);
  Put(text);
}

static void PutMessage(DWORD code) {
  wchar_t* text = NULL;
  DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                    FORMAT_MESSAGE_IGNORE_INSERTS,
                                NULL, code, 0, (LPWSTR)&text, 0, NULL);
  while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' ||
                        text[length - 1] == L' ' || text[length - 1] == L'\t')) {
    text[--length] = L'\0';
  }
  if (length > 0) Put(text);
  if (text != NULL) LocalFree(text);
}

static const wchar_t* wanted_title;
static BOOL CALLBACK PutChild(HWND child, LPARAM unused) {
  static wchar_t text[8192];
  wchar_t name[64];
  DWORD_PTR copied = 0;
  (void)unused;
  GetClassNameW(child, name, 64);
  text[0] = L'\0';
  SendMessageTimeoutW(child, WM_GETTEXT, 8192, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &copied);
  Put(name);
  Put(L"\t");
  Put(text);
  Put(L"\n");
  return TRUE;
}
static BOOL CALLBACK PutDialog(HWND window, LPARAM unused) {
  wchar_t name[64], title[1024];
  (void)unused;
  GetClassNameW(window, name, 64);
  GetWindowTextW(window, title, 1024);
  if (lstrcmpW(name, L"#32770") == 0 && lstrcmpW(title, wanted_title) == 0 &&
      IsWindowVisible(window)) {
    EnumChildWindows(window, PutChild, 0);
  }
  return TRUE;
}

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && lstrcmpW(argv[1], L"message") == 0) {
    PutMessage((DWORD)_wtoi(argv[2]));
    Put(L"\n");
    return 0;
  }
  if (argc >= 3 && lstrcmpW(argv[1], L"open") == 0) {
    for (int i = 2; i < argc; ++i) {
      INT_PTR result = (INT_PTR)ShellExecuteW(NULL, L"open", argv[i], L"", L"", SW_SHOWNORMAL);
      PutNumber((unsigned long)result);
      Put(L"\n");
    }
    return 0;
  }
  if (argc == 4 && lstrcmpW(argv[1], L"start") == 0) {
    STARTUPINFOW startup;
    PROCESS_INFORMATION process;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    if (CreateProcessW(argv[2], argv[3], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
      Put(L"0\n");
    } else {
      DWORD code = GetLastError();
      PutNumber(code);
      Put(L"\t");
      PutMessage(code);
      Put(L"\n");
    }
    return 0;
  }
  if (argc == 3 && lstrcmpW(argv[1], L"box") == 0) {
    wanted_title = argv[2];
    EnumWindows(PutDialog, 0);
    return 0;
  }
  Put(L"usage: wine_probe message CODE | open FILE... | start PROGRAM COMMAND_LINE | box TITLE\n");
  return 2;
}
EOF
}

probe_exe=$work/wine_probe.exe
build_probe() {
  write_probe_source >"$work/wine_probe.c"
  timeout 120 "$N5_MINGW_CC" -O1 -Wall -Wextra -Werror -municode -mconsole -s \
    -o "$probe_exe" "$work/wine_probe.c" -lshell32 || fail "the probe does not build"
}
# probe ARGS...: runs the probe under the launcher's locale (the descriptions' language), from
# a folder outside the disc.
probe() { (cd "$work" && LC_ALL=$locale timeout 60 wine "$probe_exe" "$@" 2>/dev/null); }

# ---------------------------------------------------------------------------------------------
# Expectations.

# The path of a file below the launcher folder as the launcher names it: the folder, a
# backslash and the name (two backslashes in a row after a drive root).
in_folder() { printf '%s\\%s' "$folder" "$1"; }
# The full path name the system makes of it: the doubled backslash after a drive root folded,
# as GetFullPathNameW does.
full_path() { printf '%s' "${1/:\\\\/:\\}"; }

# expect_exact MODULE COMMAND_LINE: the next start was of exactly MODULE, with exactly
# COMMAND_LINE.
expect_exact() {
  expected_records=$((expected_records + 1))
  wait_records "$expected_records"
  local module command_line
  module=$(record_field "$expected_records" 1)
  command_line=$(record_field "$expected_records" 2)
  [ "$module" = "$1" ] || fail "started [$module] instead of [$1]"
  [ "$command_line" = "$2" ] || fail "command line [$command_line], expected [$2]"
  log "started $module: $command_line"
}

visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort | tr '\n' ' '; }

# expect_nothing_shown WINDOWS: a moment after an action, nothing was started, the visible
# windows are still WINDOWS, and the launcher runs.
expect_nothing_shown() {
  sleep 1.5
  local count
  count=$(record_count)
  [ "$count" -eq "$expected_records" ] || fail "$count programs started, expected $expected_records"
  [ "$(visible_windows)" = "$1" ] || fail "a window came or went: [$(visible_windows)], before [$1]"
  launcher_running || fail "the launcher ended: $(cat "$work/launcher.status")"
}

# The launcher still answers the keyboard: Down highlights item 0, then item 1.
expect_answers() {
  focus_keyboard
  xdotool key Down
  wait_hover 1
  log "the launcher answers"
}

# A pattern (extended regular expression) of the description the system gives: literally the
# text, where an insert (%1 ...) left unfilled may also have been filled with anything.
description_pattern() {
  printf '%s' "$1" | sed -e 's/[][\.^$*+?(){}|/]/\\&/g' -e 's/%[1-9]/(%[1-9]|.*)/g'
}

# expect_failure_box DESCRIPTION: a message box with the launcher's title says DESCRIPTION; it
# closes with Return and the launcher runs on.
expect_failure_box() {
  [ -n "$1" ] || fail "no description to expect"
  wait_message_box "$title"
  local texts text
  texts=$(probe box "$title")
  log "message box: $(printf '%s' "$texts" | tr '\t\n' ': ')"
  text=$(printf '%s\n' "$texts" | awk -F'\t' '$1 == "Static" && $2 != "" { print $2 }')
  printf '%s' "$text" | grep -qxE -- "$(description_pattern "$1")" ||
    fail "the message box says [$text], expected the system's description [$1]"
  close_message_box "$title"
  launcher_running || fail "the launcher ended with the message box"
}

# locale: the launcher's; title and help_doc follow from it.
set_locale() {
  locale=$1
  if [ "$locale" = zh_TW.UTF-8 ]; then
    title=$title_tw
    help_doc=$help_doc_tw
  else
    title=$title_cn
    help_doc=$help_doc_cn
  fi
}


# ---------------------------------------------------------------------------------------------
# Hostile launcher folders. A row: the locale the launcher runs under, the ANSI code page
# Wine gives it (checked, so that the row tests what it claims), how the items are chosen,
# whether the shell must open the disc's files (opens) or may fail to (asked: the probe asks
# the shell first, and where it fails the launcher must do nothing, as it reports no failed
# open request), and the folder below drive E: (empty: the disc is drive D: itself).
long_segment='N5 企业管理软件 long folder name segment 0123456789'
folder_case() {
  case $1 in
    spaces) row=(zh_CN.UTF-8 936 keys opens 'N5  Disc\Setup  Files 2024') ;;
    # Code page 950 cannot write 装, 业 or 软.
    simplified) row=(zh_TW.UTF-8 950 click opens 'N5 企业管理软件\安装盘 装 业 软') ;;
    # Code page 1252 writes no Chinese at all.
    traditional) row=(en_US.UTF-8 1252 keys opens 'N5 企業管理軟體\安裝光碟 繁體') ;;
    # U+20000, U+2A6A5 and U+1F600: surrogate pairs in UTF-16.
    astral) row=(zh_CN.UTF-8 936 click opens 'N5 𠀀 disc\𪚥𠀁 😀') ;;
    # What Windows allows of the characters shells and command lines treat specially; the
    # percent signs name no variable.
    metachars)
      # shellcheck disable=SC2016
      row=(zh_CN.UTF-8 936 keys opens 'N5 $(x) `x`\a;b&c'"'"'d^e 100% %N5_NO_SUCH_VARIABLE% !x! ,f=g [h] (i)')
      ;;
    # A variable's name between percent signs: the shell may put the variable's value there.
    percent) row=(zh_CN.UTF-8 936 click asked 'N5 %PATH%\%WINDIR% disc') ;;
    root) row=(zh_TW.UTF-8 950 keys opens '') ;;
    # Longer than MAX_PATH (260): six nested folders of 52 characters.
    long)
      local path='' i
      for i in 1 2 3 4 5 6; do path="$path${path:+\\}$long_segment $i"; done
      row=(zh_CN.UTF-8 936 click asked "$path")
      ;;
    *) fail "no folder case $1" ;;
  esac
}

# Characters where a wrong split of a path or command line could end a program's name.
readonly split_chars=' ;&,=()[]^%!$`'"'"
# put_split_traps PATH: a recorder at PREFIX.exe for every prefix of the Windows path PATH
# (below the drive root) that ends before a split character, as drive_dir holds drive E:.
put_split_traps() {
  local path=$1 i character prefix
  for ((i = 4; i < ${#path}; i++)); do
    character=${path:i:1}
    [[ $split_chars == *"$character"* ]] || continue
    prefix=${path:0:i}
    case $prefix in *\\ | *' ') continue ;; esac
    put_recorder "$drive_dir/$(unix_path "${prefix:3}").exe"
    traps=$((traps + 1))
  done
}

run_folder_case() {
  folder_case "$1"
  set_locale "${row[0]}"
  local code_page=${row[1]} how=${row[2]} shell=${row[3]} below=${row[4]}
  start_xvfb
  prepare_prefix
  put_stand_ins
  record_explorer
  if [ -z "$below" ]; then
    drive_dir=$work/disc
    map_drive "$drive_dir" d
    lay_out_disc "$drive_dir" 'D:\'
  else
    drive_dir=$work/drive
    map_drive "$drive_dir" e
    lay_out_disc "$drive_dir/$(unix_path "$below")" "E:\\$below"
  fi
  log "folder [$folder] (${#folder} characters), $locale, items by $how"

  # Traps: whatever a search of the launcher's folder or a wrong split would run.
  traps=0
  local path
  for path in "$(in_folder setup.exe)" "$(in_folder iexplore.exe)"; do
    put_recorder "$drive_dir/$(unix_path "${path:3}")"
    traps=$((traps + 1))
  done
  if [ -n "$below" ]; then
    for path in "$folder" "$folder\\$installer" "$folder\\$feature_doc" "$folder\\$notes_doc" \
      "$folder\\$help_doc"; do
      put_split_traps "$path"
    done
  fi
  log "$traps traps in the disc's drive"

  # What each request must start: the installer as the shell starts a program it was given
  # by name, the documents by their full path names through the registered PDF program.
  local -a names=("$installer" '' "$feature_doc" "$notes_doc")
  local opened
  opens_work=(1 1 1 1 1)  # item 0, -, item 2, item 3, F1
  if [ "$shell" = asked ]; then
    build_probe
    opened=$(probe open "$(in_folder "$installer")" "$(in_folder "$feature_doc")" \
      "$(in_folder "$notes_doc")" "$(in_folder "$help_doc")" | tr -d '\r')
    log "the shell's own results for the four paths: $(printf '%s' "$opened" | tr '\n' ' ')"
    local n=0 result
    while read -r result; do
      local slot=$n
      if [ $n -ge 1 ]; then slot=$((n + 1)); fi
      if [ "$result" -le 32 ]; then opens_work[slot]=0; fi
      n=$((n + 1))
    done <<<"$opened"
    [ $n -eq 4 ] || fail "the probe answered [$opened]"
    # What the probe opened itself has started before the launcher does.
    local own=0
    for result in "${opens_work[@]}"; do own=$((own + result)); done
    own=$((own - 1))  # the explorer's slot
    if [ $own -gt 0 ]; then wait_records "$own"; fi
    rm -f "$record_log"
  fi

  local before
  before=$(disc_contents)
  start_launcher "$locale"
  wait_window "$title"
  local windows
  windows=$(visible_windows)

  expect_open() { # expect_open SLOT PATH
    if [ "${opens_work[$1]}" -eq 1 ]; then
      if [ "$1" -eq 0 ]; then
        expect_exact "$(full_path "$2")" "\"$2\""
      else
        expect_exact 'C:\recorder\pdf.exe' "\"C:\\recorder\\pdf.exe\" \"$(full_path "$2")\""
      fi
    else
      expect_nothing_shown "$windows"
      log "nothing for $2, as the shell cannot open it"
    fi
  }
  local item
  for item in 0 1 2 3; do
    activate_item "$how" "$item"
    if [ "$item" -eq 1 ]; then
      expect_exact "$windows_explorer" "explorer $folder"
      [ "$(record_field "$expected_records" 3)" = "$code_page" ] ||
        fail "the programs run under code page $(record_field "$expected_records" 3), not $code_page"
    else
      expect_open "$item" "$(in_folder "${names[$item]}")"
    fi
  done
  focus_keyboard
  xdotool key F1
  expect_open 4 "$(in_folder "$help_doc")"
  click_address
  expect_exact "$browser" "$browser $web_address"
  expect_no_other_start
  [ "$(visible_windows)" = "$windows" ] || fail "windows came or went: [$(visible_windows)]"
  activate_item "$how" 4
  expect_exit_zero "$title"
  [ "$(disc_contents)" = "$before" ] || fail "the disc changed"
}

# ---------------------------------------------------------------------------------------------
# Missing and failing pieces. break_piece PIECE takes the piece away (restore_steps put back
# what belongs to the shared prefix) and sets the actions that need it and what they must
# show: nothing, or the system's description of why.
actions=()
outcome=
description=
break_piece() {
  case $1 in
    missing_installer)
      rm -f "$disc_dir/$(unix_path "$installer")"
      actions=(item:0) outcome=nothing
      ;;
    missing_documents)
      rm -rf "${disc_dir:?}/$(unix_path "${feature_doc%%\\*}")" "${disc_dir:?}/$(unix_path "${notes_doc%%\\*}")"
      actions=(item:2 item:3) outcome=nothing
      ;;
    missing_help)
      rm -rf "${disc_dir:?}/$(unix_path "${help_doc_cn%%\\*}")"
      actions=(F1) outcome=nothing
      ;;
    missing_pdf_association)
      touch "$handlers_changed"
      restore_steps+=(put_back_handlers)
      timeout 60 wine reg delete 'HKCR\.pdf' /f >/dev/null 2>&1 || fail "the .pdf association stays"
      actions=(item:2 item:3 F1) outcome=nothing
      ;;
    missing_pdf_program)
      rm -f "$drive_c/recorder/pdf.exe"
      actions=(item:2 item:3 F1) outcome=nothing
      ;;
    missing_web_handler_program | missing_web_handler_registration)
      rm -f "$drive_c/$(unix_path "${browser#C:\\}")"
      local shell_result code
      if [ "$1" = missing_web_handler_program ]; then
        # The handler is registered, its program is gone: the file is not found.
        rm -f "$drive_c/recorder/url.exe"
        shell_result=2 code=2
      else
        # No handler for http at all: no association.
        touch "$handlers_changed"
        restore_steps+=(put_back_handlers)
        timeout 60 wine reg delete 'HKCR\http' /f >/dev/null 2>&1 || fail "the http handler stays"
        shell_result=31 code=1155
      fi
      build_probe
      local result
      result=$(probe open "$web_address" | tr -d '\r')
      [ "$result" = "$shell_result" ] || fail "the shell gives $result for the address, not $shell_result"
      rm -f "$record_log"
      description=$(probe message "$code" | tr -d '\r')
      actions=(address) outcome=box
      ;;
    explorer_missing | explorer_not_a_program | explorer_a_folder)
      save_file drive_c/windows/explorer.exe
      restore_steps+=(put_back_saved)
      rm -f "$drive_c/windows/explorer.exe"
      case $1 in
        explorer_not_a_program) printf 'not a program\r\n' >"$drive_c/windows/explorer.exe" ;;
        explorer_a_folder) mkdir "$drive_c/windows/explorer.exe" ;;
      esac
      # The system's own reason for the launcher's start.
      build_probe
      local started
      started=$(probe start "$windows_explorer" "explorer $folder" | tr -d '\r')
      [ "${started%%$'\t'*}" != 0 ] || fail "the broken explorer starts"
      description=${started#*$'\t'}
      log "the system cannot start it: $started"
      actions=(item:1) outcome=box
      ;;
    *) fail "no piece $1" ;;
  esac
}

run_piece_case() {
  set_locale zh_CN.UTF-8
  start_xvfb
  prepare_prefix
  put_stand_ins
  map_drive "$work/disc" d
  lay_out_disc "$work/disc" 'D:\'
  break_piece "$1"
  log "$1: ${actions[*]} must show ${outcome}${description:+ [$description]}"
  start_launcher "$locale"
  wait_window "$title"
  local windows action
  windows=$(visible_windows)
  for action in "${actions[@]}"; do
    case $action in
      item:*) click_item "${action#item:}" ;;
      F1) focus_keyboard && xdotool key F1 ;;
      address) click_address ;;
    esac
    if [ "$outcome" = nothing ]; then
      expect_nothing_shown "$windows"
    else
      expect_failure_box "$description"
    fi
    log "$action: $outcome, the launcher runs on"
  done
  expect_answers
  [ "$(visible_windows)" = "$windows" ] || fail "windows came or went: [$(visible_windows)]"
  xdotool key Escape
  expect_exit_zero "$title"
  expect_no_other_start
}

# ---------------------------------------------------------------------------------------------
# Writes nothing.

# Every path below drive C: (the recorder's log left out) whose data changed after the file
# MARK, and every path there at all.
changed_in_drive_c() { (cd "$drive_c" && find . -newer "$1" ! -path ./record.log | LC_ALL=C sort); }
paths_in_drive_c() { (cd "$drive_c" && find . ! -path ./record.log | LC_ALL=C sort); }
only_in_second() { LC_ALL=C comm -13 <(printf '%s\n' "$1") <(printf '%s\n' "$2"); }
# Every file and folder of the disc with its type, mode, size, time of change and checksum.
disc_state() {
  (cd "$disc_dir" && find . -printf '%y %m %s %T@ %p\n' | LC_ALL=C sort &&
    find . -type f -print0 | sort -z | xargs -0 md5sum)
}

run_writes_nothing() {
  set_locale zh_CN.UTF-8
  start_xvfb
  prepare_prefix
  put_stand_ins
  record_explorer
  map_drive "$work/disc" d
  lay_out_disc "$work/disc" 'D:\'
  restore_steps+=('chmod -R u+w "$disc_dir"')
  chmod -R a-w "$disc_dir"
  timeout 20 wineserver -k >/dev/null 2>&1 || true

  # What Wine changes by itself: a run of the recorder alone, from the disc, until the
  # server has ended and written the registry.
  local paths_before baseline_mark=$work/baseline.mark session_mark=$work/session.mark
  paths_before=$(paths_in_drive_c)
  touch "$baseline_mark"
  sleep 1.1
  (cd "$disc_dir" && LC_ALL=$locale timeout 60 wine 'C:\recorder\pdf.exe' baseline >/dev/null 2>&1) ||
    fail "the recorder alone did not run"
  timeout 60 wineserver -w || fail "wineserver did not end"
  local wine_changes wine_paths
  wine_changes=$(changed_in_drive_c "$baseline_mark")
  wine_paths=$(only_in_second "$paths_before" "$(paths_in_drive_c)")
  log "Wine by itself changes in drive C: [$(printf '%s' "$wine_changes" | tr '\n' ' ')]," \
    "adds [$(printf '%s' "$wine_paths" | tr '\n' ' ')]; in the prefix:" \
    "$(cd "$WINEPREFIX" && find . -maxdepth 2 -newer "$baseline_mark" ! -path './drive_c*' | sort | tr '\n' ' ')"
  rm -f "$record_log"

  local disc_before
  disc_before=$(disc_state)
  paths_before=$(paths_in_drive_c)
  touch "$session_mark"
  sleep 1.1
  start_launcher "$locale"
  wait_window "$title"
  # One at a time: a click while the launcher is busy with the one before may go unheard.
  local item
  for item in 0 1 2 3; do
    click_item "$item"
    wait_records $((item + 1))
  done
  focus_keyboard
  xdotool key F1
  wait_records 5
  click_address
  wait_records 6
  focus_keyboard
  xdotool key Escape
  expect_exit_zero "$title"
  start_launcher "$locale"
  wait_window "$title"
  enter_item 4
  expect_exit_zero "$title"
  timeout 60 wineserver -w || fail "wineserver did not end"
  # Everything the session started, each once (the order of the clicks' starts may vary).
  local expected
  expected=$(printf '%s\t%s\n' \
    "$(full_path "$(in_folder "$installer")")" "\"$(in_folder "$installer")\"" \
    "$windows_explorer" "explorer $folder" \
    'C:\recorder\pdf.exe' "\"C:\\recorder\\pdf.exe\" \"$(full_path "$(in_folder "$feature_doc")")\"" \
    'C:\recorder\pdf.exe' "\"C:\\recorder\\pdf.exe\" \"$(full_path "$(in_folder "$notes_doc")")\"" \
    'C:\recorder\pdf.exe' "\"C:\\recorder\\pdf.exe\" \"$(full_path "$(in_folder "$help_doc")")\"" \
    "$browser" "$browser $web_address" | LC_ALL=C sort)
  [ "$(cut -f1,2 "$record_log" | LC_ALL=C sort)" = "$expected" ] ||
    fail "the session started [$(cut -f1,2 "$record_log")], expected [$expected]"
  log "the session started the six programs"

  [ "$(disc_state)" = "$disc_before" ] || fail "the disc changed: $(diff <(printf '%s\n' "$disc_before") <(disc_state))"
  [ -z "$(cd "$disc_dir" && find . -newer "$session_mark")" ] || fail "something on the disc changed"
  local changes added removed
  changes=$(only_in_second "$wine_changes" "$(changed_in_drive_c "$session_mark")")
  [ -z "$changes" ] || fail "changed in drive C: $changes"
  added=$(only_in_second "$paths_before" "$(paths_in_drive_c)")
  added=$(only_in_second "$wine_paths" "$added")
  [ -z "$added" ] || fail "new in drive C: $added"
  removed=$(only_in_second "$(paths_in_drive_c)" "$paths_before")
  [ -z "$removed" ] || fail "gone from drive C: $removed"
  log "the disc is as it was, and drive C: has nothing new but the recorder's log"
}

# ---------------------------------------------------------------------------------------------
case $scenario in
  folder_*) run_folder_case "${scenario#folder_}" ;;
  missing_* | explorer_*) run_piece_case "$scenario" ;;
  writes_nothing) run_writes_nothing ;;
  *) fail "unknown scenario $scenario" ;;
esac
log "PASS $scenario"
