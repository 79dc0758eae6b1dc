#!/usr/bin/env bash
# The launcher ends promptly (within 5 s) when the session does, whatever it is doing then:
# on SIGTERM, SIGINT and SIGHUP (the signals' default action: SDL's handlers are off, so this
# holds while a message box runs its own loop too), and when the X server goes away, ended
# or killed, also while a message box is open or input is streaming in. Nothing it started
# for the box outlives it.
source "$(dirname "$0")/lib.sh"

e2e_layout_disc
mkdir -p "$WORK/no-opener"
# The signals at their default action, whatever this script was given: started in the background
# of another script, it has SIGINT and SIGQUIT ignored, and an ignored signal stays ignored
# across exec (the launcher leaves alone what it was given, as it should).
e2e_spawn_launcher() {
  (cd "$WORK" && exec env --default-signal=HUP,INT,QUIT,TERM PATH="$WORK/bin:$PATH" \
    LC_ALL=zh_CN.UTF-8 "$@" "$DISC/n5launcher") >"$WORK/launcher.out" 2>"$WORK/launcher.err" &
  LAUNCHER_PID=$!
}
caption() { echo 94 $((BUTTON_TOP + $1 * BUTTON_PITCH + 20)); }
message_box_children() {  # the launcher's children: SDL shows its box from one
  local stat rest
  for stat in /proc/[0-9]*/stat; do
    rest=$(cat "$stat" 2>/dev/null) || continue
    rest=${rest##*) }
    read -r _ ppid _ <<<"$rest"
    if [ "$ppid" == "$LAUNCHER_PID" ]; then echo "${stat//[^0-9]/}"; fi
  done
}
# The top-level windows titled like the launcher: its own and its message box.
launcher_windows() {
  xwininfo -root -children 2>/dev/null | grep -F '"N5-企业管理软件安装程序"' || true
}
box_process_up() { [ -n "$(message_box_children)" ]; }
gone() { for pid in "$@"; do if kill -0 "$pid" 2>/dev/null; then return 1; fi; done; }

# What the launcher is doing when the session ends.
idle() { :; }
message_box() {  # browsing without an opener fails, and the box stays up
  e2e_click_at $(caption 1)
  e2e_wait_for 5 box_process_up || true
  sleep 0.5
}
streaming_input() {  # pointer moves over the menu, still arriving as the session ends
  local moves=() i
  for i in $(seq 1 400); do
    moves+=(mousemove $((WIN_X + 30 + i % 140)) $((WIN_Y + 130 + i % 190)))
  done
  xdotool "${moves[@]}" 2>/dev/null &
  STREAM_PID=$!
  sleep 0.3
}

# How the session ends; each sets WANTED, the exit status expected ("any": whichever).
signal() {
  kill -"$1" "$LAUNCHER_PID"
  case $1 in TERM) WANTED=143 ;; INT) WANTED=130 ;; HUP) WANTED=129 ;; esac
}
x_server() {  # ends (TERM) or is killed (KILL) under the launcher
  kill -"$1" "$XVFB_PID"
  wait "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=
  # A killed server leaves its lock and socket behind: they are this test's own.
  rm -f "/tmp/.X${DISPLAY#:}-lock" "/tmp/.X11-unix/X${DISPLAY#:}"
  WANTED=any
}

while read -r doing how arg; do
  what="$how $arg while $doing"
  if [ -z "$XVFB_PID" ]; then e2e_start_xvfb; fi
  STREAM_PID=
  e2e_start_launcher PATH="$WORK/no-opener"
  "$doing"
  children=$(message_box_children)
  if [ "$doing" == message_box ]; then
    e2e_check_ge "$what: the box's process is up" "$(wc -w <<<"$children")" 1
  fi
  "$how" "$arg"
  e2e_wait_exit 5
  if [ "$STATUS" == running ]; then
    e2e_fail "$what: the launcher goes on running"
  elif [ "$WANTED" == any ]; then
    echo "ok: $what: ends (status $STATUS)"
  else
    e2e_check_eq "$what: exit status" "$STATUS" "$WANTED"
  fi
  # shellcheck disable=SC2086
  if e2e_wait_for 5 gone $children; then echo "ok: $what: nothing of it is left"; else
    e2e_fail "$what: process(es) $children outlive it"
  fi
  if [ -n "$XVFB_PID" ]; then
    e2e_check_eq "$what: no window of it is left" "$(launcher_windows)" ""
  fi
  # shellcheck disable=SC2086
  kill -KILL $children 2>/dev/null || true  # what outlived it, before the next case
  if [ -n "$STREAM_PID" ]; then wait "$STREAM_PID" 2>/dev/null || true; fi
  e2e_stop_launcher
done <<'CASES'
idle signal TERM
idle signal INT
idle signal HUP
message_box signal TERM
message_box signal HUP
streaming_input signal TERM
idle x_server TERM
idle x_server KILL
message_box x_server TERM
message_box x_server KILL
streaming_input x_server KILL
CASES

e2e_pass
