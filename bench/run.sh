#!/usr/bin/env bash
# make bench: measures start-up to first frame, peak memory at first frame, the cost of
# events and the size of both programs, side by side with their floors and a peer, and prints
# one Markdown table (also written to build/bench/results.md).
#
# Every start-up figure is the median of N5_BENCH_RUNS runs (default 20) with min and max;
# the commands run A B A B ... so that drift of the machine cancels out of the ratios, which
# are medians of the pairwise ratios. The programs start on a virtual X server of their own.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${N5_BENCH_RUNS:-20}
out=$root/build/bench
release=$root/build/release/bin
win32=$root/build/win32/bin
mkdir -p "$out"
work=$(mktemp -d "$out/run.XXXXXX")

xvfb_pid=
cleanup() {
  set +e
  [ -n "${WINEPREFIX:-}" ] && timeout 20 wineserver -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display itself and says which.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do grep -q '^[0-9]' "$work/display" && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$work/display")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

# The background's probe point and colour (assets/probe_colours.h).
probe=$(sed -n 's/.*kBackgroundProbe{\([0-9]*\), \([0-9]*\), {\([0-9]*\), \([0-9]*\), \([0-9]*\)}}.*/\1 \2 \3 \4 \5/p' \
  assets/probe_colours.h)
read -r px py pr pg pb <<<"$probe"
background_probe=$(printf '%d,%d=%02x%02x%02x' "$px" "$py" "$pr" "$pg" "$pb")

# One start-up: appends "<first frame ms> <peak rss kB>" to the row's file.
measure() {
  local row=$1 probe=$2
  shift 2
  local line
  if line=$("$release/first_frame" --probe "$probe" --timeout 30 -- \
    env LC_ALL=zh_CN.UTF-8 "$@" 2>/dev/null); then
    local ms kb
    ms=$(sed -n 's/.*first_frame_ms=\([0-9.]*\).*/\1/p' <<<"$line")
    kb=$(sed -n 's/.*peak_rss_kb=\([0-9]*\).*/\1/p' <<<"$line")
    echo "$ms $kb" >>"$work/$row"
  else
    echo "bench: $row: no first frame" >&2
  fi
}

# median, min and max of one column of a file
stats() {
  sort -n | awk '{v[NR]=$1} END {
    if (NR == 0) { print "- - -"; exit }
    m = (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2
    printf "%.1f %.1f %.1f\n", m, v[1], v[NR] }'
}
column() { awk -v c="$2" '{print $c}' "$work/$1"; }
# the median over the runs of row a's value divided by row b's, pairwise
pair_ratio() {
  paste "$work/$1" "$work/$2" | awk -v c="$3" -v d="$(( $3 + 2 ))" '$d > 0 {print $c / $d}' |
    sort -n | awk '{v[NR]=$1} END { if (NR == 0) { print "-"; exit }
      m = (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2; printf "%.2f\n", m }'
}

disc=$work/disc
bash tools/demo-disc.sh "$disc" "$release/n5launcher" >/dev/null

echo "bench: Linux launcher, its floor and zenity, $runs runs each" >&2
for _ in $(seq "$runs"); do
  measure linux "$background_probe" "$disc/n5launcher"
  measure floor "$background_probe" "$release/floor_sdl"
  measure zenity "100,100=any" zenity --list --title=N5 --column=菜单 \
    安装产品 浏览光盘 产品功能介绍 安装帮助 退出安装
done

# Under Wine: the shipping 32-bit build, or where this kernel cannot run 32-bit Wine, the
# 64-bit build under 64-bit Wine (the rows say so).
source tools/wine-build.sh
have_wine=0
wine_bin=$root/build/$wine_build/bin
wine_prefix=$out/wine
wine_row=
if [ "$wine_build" == win64 ]; then
  wine_prefix=$out/wine64
  wine_row=", 64-bit build"
fi
if [ -x "$wine_bin/n5launcher.exe" ] && [ -x "$wine_bin/floor_win32.exe" ] && command -v wine >/dev/null; then
  have_wine=1
  export WINEPREFIX=$wine_prefix
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  if [ ! -d "$WINEPREFIX" ]; then
    timeout 120 wineboot -i >/dev/null 2>&1 || true
    # The server wineboot started lingers a few seconds; the persistent one below would find
    # it running and refuse to start.
    timeout 60 wineserver -w || true
  fi
  cp "$wine_bin/n5launcher.exe" "$wine_bin/floor_win32.exe" "$disc/"
  ln -sfn "$disc" "$WINEPREFIX/dosdevices/d:"
  # A wineserver that stays between runs: each start is measured warm, as on Windows,
  # where the system is already running.
  wineserver -p
  measure warmup "$background_probe" wine 'D:\floor_win32.exe' || true
  echo "bench: Windows launcher and its floor under Wine, $runs runs each" >&2
  for _ in $(seq "$runs"); do
    measure wine "$background_probe" wine 'D:\n5launcher.exe'
    measure wine_floor "$background_probe" wine 'D:\floor_win32.exe'
  done
fi

echo "bench: event costs" >&2
events=$("$release/event_cost_bench" --benchmark_format=csv --benchmark_min_time=0.2 2>/dev/null |
  awk -F, 'NR > 1 && $1 !~ /^"?name/ {gsub(/"/, "", $1); printf "%s %s %s\n", $1, $3, $4}')

size_of() { [ -f "$1" ] && stat -c %s "$1" || echo "-"; }
picture_bytes=$(cat assets/pictures/*.bmp assets/cursors/*.cur assets/icon/*.ico | wc -c)

{
  echo "## Start-up, memory and size"
  echo
  echo "Machine: $(nproc) cores, $(awk '/MemTotal/ {printf "%.0f GiB", $2/1048576}' /proc/meminfo)," \
    "$(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1), $(date -u +%Y-%m-%d)." \
    "Xvfb 1024x768x24; $runs runs each, alternating."
  echo
  echo "| time from process start to first frame | median ms | min | max | ratio (median of pairs) |"
  echo "| --- | ---: | ---: | ---: | --- |"
  row() {
    read -r m lo hi < <(column "$1" 1 | stats)
    echo "| $2 | $m | $lo | $hi | $3 |"
  }
  row linux "Linux launcher" "$(pair_ratio linux floor 1) × floor, $(pair_ratio linux zenity 1) × zenity"
  row floor "floor: SDL2 window, background, one CJK line" "1"
  row zenity "peer: zenity --list" ""
  if [ "$have_wine" -eq 1 ]; then
    row wine "Windows launcher under Wine (warm wineserver$wine_row)" "$(pair_ratio wine wine_floor 1) × Win32 floor"
    row wine_floor "floor: Win32 window with the same bitmap" "1"
  fi
  echo
  echo "| peak resident memory at first frame | median kB | min | max | ratio (median of pairs) |"
  echo "| --- | ---: | ---: | ---: | --- |"
  mrow() {
    read -r m lo hi < <(column "$1" 2 | stats)
    echo "| $2 | $m | $lo | $hi | $3 |"
  }
  mrow linux "Linux launcher" "$(pair_ratio linux floor 2) × floor"
  mrow floor "floor" "1"
  mrow zenity "zenity" ""
  if [ "$have_wine" -eq 1 ]; then
    mrow wine "Windows launcher under Wine (its processes, not wineserver$wine_row)" "$(pair_ratio wine wine_floor 2) × Win32 floor"
    mrow wine_floor "Win32 floor under Wine" "1"
  fi
  echo
  echo "| event, in process | wall | CPU |"
  echo "| --- | ---: | ---: |"
  while read -r name wall cpu; do
    [ -n "$name" ] && printf '| %s | %.0f ns | %.0f ns |\n' "$name" "$wall" "$cpu"
  done <<<"$events"
  echo
  echo "| size | bytes |"
  echo "| --- | ---: |"
  echo "| Linux launcher (release, not stripped of symbols) | $(size_of "$release/n5launcher") |"
  echo "| Windows launcher n5launcher.exe | $(size_of "$win32/n5launcher.exe") |"
  echo "| pictures, cursors and icon carried (files) | $picture_bytes |"
  if [ -f "$win32/n5launcher.exe" ] && command -v i686-w64-mingw32-objdump >/dev/null; then
    echo
    echo "DLLs the Windows launcher imports: $(i686-w64-mingw32-objdump -p "$win32/n5launcher.exe" |
      sed -n 's/^\s*DLL Name: //p' | sort -f | paste -sd ' ')."
  fi
} >"$out/results.md"
cat "$out/results.md"
