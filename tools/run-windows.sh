#!/usr/bin/env bash
# Runs the Windows launcher under Wine from a demo disc, as a user would meet it: the disc
# folder (build/run-windows/disc) is drive D: of a Wine prefix under build/, and
# n5launcher.exe stands at its root.
#
# The launcher runs under a Simplified Chinese locale (Wine then reports UI language 0x804 and
# code page 936, as a Chinese Windows does); N5_LOCALE=zh_TW.UTF-8 shows the Traditional one.
#
# With a display ($DISPLAY set) the launcher runs until it is closed. Without one, the script
# starts a virtual display, takes two screenshots -- after start-up, and with the pointer on
# the first item's caption -- into build/screenshots/windows-*.png, and ends everything.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# Where this kernel cannot run 32-bit Wine, the 64-bit build, in a prefix of its own.
source tools/wine-build.sh
exe=$root/build/$wine_build/bin/n5launcher.exe
base=$root/build/run-windows
if [ "$wine_build" == win64 ]; then
  echo "run-windows: this kernel runs no 32-bit programs; showing the 64-bit build" >&2
  base=$root/build/run-windows64
fi
[ -f "$exe" ] || { echo "run-windows: no $exe (make build-win32 build-win64)" >&2; exit 1; }

disc=$base/disc
shots=$root/build/screenshots
export WINEPREFIX=$base/prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset LANGUAGE
locale=${N5_LOCALE:-zh_CN.UTF-8}
mkdir -p "$base" "$shots"

xvfb_pid=
cleanup() {
  set +e
  timeout 20 wineserver -k >/dev/null 2>&1
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; fi
}
trap cleanup EXIT

# The virtual display, when there is no real one.
if [ -z "${DISPLAY:-}" ]; then
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$base/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$base/display" ] && break; sleep 0.1; done
  [ -s "$base/display" ] || { echo "run-windows: Xvfb did not start" >&2; exit 1; }
  display_number=$(head -n1 "$base/display")
  export DISPLAY=":$display_number"
  headless=1
else
  headless=0
fi

# The disc: the demo disc's layout (tools/demo-disc.sh, which also copies the Linux launcher)
# when the Linux launcher is built, else the folders the launcher opens with small PDFs. The
# demo installer is a shell script, which Windows cannot run: the tests' recording stand-in
# (a Windows program that only notes its start in C:\record.log) takes its place when built.
rm -rf "$disc"
linux_launcher=$root/build/linux/bin/n5launcher
if [ -f tools/demo-disc.sh ] && [ -x "$linux_launcher" ]; then
  bash tools/demo-disc.sh "$disc" "$linux_launcher" >/dev/null
else
  for doc in "N5-企业管理软件(Full-Suite)产品手册/N5-企业管理软件(Full-Suite)产品手册.pdf" \
    "N5-企业管理软件(Full-Suite)安装说明/N5-企业管理软件(Full-Suite)安装说明.pdf" \
    "TARVEN/TARVENInstallation_cn.pdf" "TARVEN/TARVENInstallation_tw.pdf"; do
    mkdir -p "$disc/$(dirname "$doc")"
    printf '%%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n2 0 obj<</Type/Pages/Kids[]/Count 0>>endobj\ntrailer<</Root 1 0 R>>\n%%%%EOF\n' \
      >"$disc/$doc"
  done
  mkdir -p "$disc/集成安装程序"
fi
recorder=$root/build/linux/tests/win32/recorder.exe
if [ -f "$recorder" ]; then cp "$recorder" "$disc/集成安装程序/setup.exe"; fi
cp "$exe" "$disc/n5launcher.exe"

# The prefix, made once.
if [ ! -f "$WINEPREFIX/.n5-ready" ]; then
  echo "run-windows: making the Wine prefix (takes a few seconds)"
  rm -rf "$WINEPREFIX"
  timeout 180 wineboot -i >/dev/null 2>&1
  timeout 60 wineserver -w || true
  touch "$WINEPREFIX/.n5-ready"
fi
ln -sfn "$disc" "$WINEPREFIX/dosdevices/d:"

cd "$disc"
if [ "$headless" = 0 ]; then
  LC_ALL=$locale wine 'D:\n5launcher.exe'
  exit 0
fi

LC_ALL=$locale timeout 120 wine 'D:\n5launcher.exe' >"$base/wine.log" 2>&1 &
window=
for _ in $(seq 300); do
  window=$(xdotool search --name '^N5-' 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "run-windows: the launcher's window did not appear" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 1
import -window root "$shots/windows-start.png"
# The first item's caption.
xdotool mousemove $((X + 94)) $((Y + 135))
sleep 1
import -window root "$shots/windows-hover.png"
echo "run-windows: window \"$(xdotool getwindowname "$window")\" ${WIDTH}x$HEIGHT at $X,$Y"
echo "run-windows: screenshots in $shots/windows-start.png and windows-hover.png"
xdotool mousemove $((X + 400)) $((Y + 40)) click 1
xdotool key Escape
for _ in $(seq 100); do
  xdotool search --name '^N5-' >/dev/null 2>&1 || break
  sleep 0.1
done
