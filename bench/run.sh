#!/usr/bin/env bash
# make bench: measures start-up to first frame, peak memory at first frame, the cost of
# events and the size of both programs, side by side with their floors and a peer, and prints
# one Markdown table (also written to build/bench/results.md).
#
# Every start-up figure is the median of N5_BENCH_RUNS runs (default 20) with min and max;
# the commands run A B A B ... so that drift of the machine cancels out of the ratios, which
# are medians of the pairwise ratios. The programs start on a virtual X server of their own.
# A second table starts the programs from the demo disc read through a simulated 8x CD drive
# (bench/optical_drive.cpp), N5_BENCH_CD_RUNS runs each (default 10).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${N5_BENCH_RUNS:-20}
cd_runs=${N5_BENCH_CD_RUNS:-10}
out=$root/build/bench
release=$root/build/release/bin
win32=$root/build/win32/bin
mkdir -p "$out"
work=$(mktemp -d "$out/run.XXXXXX")

xvfb_pid=
cd_mount=$work/cd
cleanup() {
  set +e
  [ -n "${WINEPREFIX:-}" ] && timeout 20 wineserver -k >/dev/null 2>&1
  # A drive still mounted would have rm below walk into the disc.
  mountpoint -q "$cd_mount" 2>/dev/null && { umount "$cd_mount" || umount -l "$cd_mount"; }
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display itself and says which.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
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
  local width
  width=$(awk '{print NF; exit}' "$work/$1")
  paste "$work/$1" "$work/$2" | awk -v c="$3" -v d="$(( $3 + ${width:-2} ))" '$d > 0 {print $c / $d}' |
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

# From a simulated 8x CD: each start mounts the disc folder afresh through the drive, so that
# nothing of the disc is in the page cache, and samples the drive's counters the moment the
# first frame is seen ("bytes read before the first frame"). Wine keeps the drive's folder open
# while its server runs, so each Wine start has a server of its own, warmed up from outside the
# disc before the disc goes in, and ended before the disc comes out.
drive=$release/optical_drive
have_cd=0
cd_mounted() {
  "$drive" --speed cd8 --stats "$work/cd.stats" --pid-file "$work/cd.pid" "$disc" "$cd_mount"
}
cd_unmount() {
  local pid
  pid=$(cat "$work/cd.pid")
  # The programs first_frame ended may take a moment to let go of the disc.
  for _ in $(seq 100); do umount "$cd_mount" 2>/dev/null && break; sleep 0.05; done
  mountpoint -q "$cd_mount" && umount -l "$cd_mount"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
}
# One start from the drive: appends "<first frame ms> <peak rss kB> <bytes> <reads> <seeks>".
# first_frame's line comes through a line-buffered pipe so that the counters are read as soon
# as it reports, before it ends the program.
cd_measure() {
  local row=$1 probe=$2
  shift 2
  local line
  if ! cd_mounted; then
    echo "bench: $row: the simulated drive did not mount" >&2
    return 0
  fi
  line=$(stdbuf -oL "$release/first_frame" --probe "$probe" --timeout 60 -- \
    env LC_ALL=zh_CN.UTF-8 "$@" 2>/dev/null |
    { IFS= read -r frame && echo "$frame $(<"$work/cd.stats")"; cat >/dev/null; }) || true
  if [[ "${WINEPREFIX:-}" && "$1" == wine ]]; then timeout 20 wineserver -k >/dev/null 2>&1 || true; fi
  cd_unmount
  if [[ "$line" == *first_frame_ms=* ]]; then
    sed -n 's/.*first_frame_ms=\([0-9.]*\).*peak_rss_kb=\([0-9]*\).*bytes=\([0-9]*\) reads=\([0-9]*\) seeks=\([0-9]*\).*/\1 \2 \3 \4 \5/p' \
      <<<"$line" >>"$work/$row"
  else
    echo "bench: $row: no first frame" >&2
  fi
}
# A Wine start from the drive, after a fresh server has started its services and desktop with
# the Win32 floor run from the build folder (the disc is not in yet).
cd_measure_wine() {
  local row=$1 program=$2
  timeout 20 wineserver -k >/dev/null 2>&1 || true
  timeout 60 wineserver -w || true
  wineserver -p
  measure cd_warmup "$background_probe" wine "$wine_bin/floor_win32.exe" || true
  cd_measure "$row" "$background_probe" wine "$program"
}
if [ -x "$drive" ] && [ -e /dev/fuse ] && [ "$(id -u)" -eq 0 ]; then
  have_cd=1
  mkdir -p "$cd_mount"
  cp "$release/floor_sdl" "$disc/"
  echo "bench: from a simulated 8x CD, $cd_runs runs each" >&2
  if [ "$have_wine" -eq 1 ]; then
    ln -sfn "$cd_mount" "$WINEPREFIX/dosdevices/d:"
  fi
  for _ in $(seq "$cd_runs"); do
    cd_measure cd_linux "$background_probe" "$cd_mount/n5launcher"
    cd_measure cd_floor "$background_probe" "$cd_mount/floor_sdl"
    if [ "$have_wine" -eq 1 ]; then
      cd_measure_wine cd_wine 'D:\n5launcher.exe'
      cd_measure_wine cd_wine_floor 'D:\floor_win32.exe'
    fi
  done
  if [ "$have_wine" -eq 1 ]; then
    timeout 20 wineserver -k >/dev/null 2>&1 || true
    ln -sfn "$disc" "$WINEPREFIX/dosdevices/d:"
  fi
else
  echo "bench: no simulated CD drive (needs $drive, /dev/fuse and root)" >&2
fi

echo "bench: event costs" >&2
events=$("$release/event_cost_bench" --benchmark_format=csv --benchmark_min_time=0.2 2>/dev/null |
  awk -F, 'NR > 1 && $1 !~ /^"?name/ {gsub(/"/, "", $1); printf "%s %s %s\n", $1, $3, $4}')

size_of() { [ -f "$1" ] && stat -c %s "$1" || echo "-"; }
picture_bytes=$(cat assets/pictures/*.png assets/cursors/*.cur assets/icon/*.ico | wc -c)

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
    row wine_floor "floor: Win32 window with the same picture" "1"
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
  if [ "$have_cd" -eq 1 ]; then
    echo
    echo "From a simulated 8× CD (1,200,000 B/s, 100 ms access, a fresh mount each run; bench/optical_drive.cpp):" \
      "$cd_runs runs each, alternating; bytes, reads and seeks are the drive's counters at the first frame."
    echo
    echo "| from a simulated 8× CD, to first frame | median ms | min | max | ratio (median of pairs) | median bytes read | reads | seeks |"
    echo "| --- | ---: | ---: | ---: | --- | ---: | ---: | ---: |"
    whole() { if [ "$1" == - ]; then echo -; else printf '%.0f' "$1"; fi; }
    cdrow() {
      read -r m lo hi < <(column "$1" 1 | stats)
      read -r bytes _ < <(column "$1" 3 | stats)
      read -r reads _ < <(column "$1" 4 | stats)
      read -r seeks _ < <(column "$1" 5 | stats)
      echo "| $2 | $m | $lo | $hi | $3 | $(whole "$bytes") | $(whole "$reads") | $(whole "$seeks") |"
    }
    cdrow cd_linux "Linux launcher" "$(pair_ratio cd_linux cd_floor 1) × floor"
    cdrow cd_floor "floor (floor_sdl on the disc)" "1"
    if [ "$have_wine" -eq 1 ]; then
      cdrow cd_wine "Windows launcher under Wine, disc as D:$wine_row" "$(pair_ratio cd_wine cd_wine_floor 1) × Win32 floor"
      cdrow cd_wine_floor "Win32 floor under Wine, from D:" "1"
    fi
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
  echo "| Linux launcher (as on the disc: SDL linked in, no symbols) | $(size_of "$release/n5launcher") |"
  echo "| Windows launcher n5launcher.exe | $(size_of "$win32/n5launcher.exe") |"
  echo "| pictures, cursors and icon carried (files) | $picture_bytes |"
  if [ -f "$win32/n5launcher.exe" ] && command -v i686-w64-mingw32-objdump >/dev/null; then
    echo
    echo "DLLs the Windows launcher imports: $(i686-w64-mingw32-objdump -p "$win32/n5launcher.exe" |
      sed -n 's/^\s*DLL Name: //p' | sort -f | paste -sd ' ')."
  fi
} >"$out/results.md"
cat "$out/results.md"
