#!/usr/bin/env bash
# Lays out the demo disc under build/demo-disc and starts the launcher from it.
#
# With a desktop ($DISPLAY set) the launcher simply runs there. Without one, the launcher
# runs on an Xvfb of its own: the script takes a screenshot after start-up and one with the
# pointer over the first item, writes both to build/screenshots/, and ends everything.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
disc=$root/build/demo-disc
shots=$root/build/screenshots

rm -rf "$disc"
bash "$root/tools/demo-disc.sh" "$disc" "$root/build/linux/bin/n5launcher"
echo "demo disc: $disc"

if [ -n "${DISPLAY:-}" ]; then
  exec "$disc/n5launcher"
fi

xvfb_pid=
launcher_pid=
cleanup() {
  if [ -n "$launcher_pid" ]; then kill "$launcher_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
}
trap cleanup EXIT

wait_for() {  # seconds, command...
  local tries=$(($1 * 20))
  shift
  until "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    if [ "$tries" -le 0 ]; then return 1; fi
    sleep 0.05
  done
}

# The server picks a free display itself and says which.
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number_file" >/dev/null 2>&1 &
xvfb_pid=$!
wait_for 10 grep -q '^[0-9]' "$number_file" || { echo "run-demo: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$number_file")"
rm -f "$number_file"
wait_for 10 xdpyinfo || { echo "run-demo: Xvfb did not start" >&2; exit 1; }
echo "no desktop: running on Xvfb $DISPLAY"

"$disc/n5launcher" &
launcher_pid=$!
launcher_window() {
  xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .* 502x387+.*/\1/p' | grep .
}
wait_for 10 launcher_window || { echo "run-demo: the launcher's window did not appear" >&2; exit 1; }
window=$(launcher_window)
eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
sleep 0.5

mkdir -p "$shots"
shoot() {
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$shots/$1"
}
shoot startup.png
# Over the first item's caption: the button is at x 24..165, y 120..154, its caption from y 130.
xdotool mousemove $((X + 94)) $((Y + 130))
sleep 0.5
shoot item0-highlighted.png
kill "$launcher_pid"
wait "$launcher_pid" 2>/dev/null || true
launcher_pid=
echo "screenshots: $shots/startup.png $shots/item0-highlighted.png"
