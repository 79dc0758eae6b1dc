#!/usr/bin/env bash
# The Linux launcher from the disc image, started as a desktop starts it: the image mounted
# through fuseiso (read-only, the Rock Ridge tree), autorun.sh run from the medium's root as
# working folder, on a system where SDL2, SDL2_ttf and the C++ runtime are missing (hidden in a
# mount namespace of the launcher's own). Its window appears with the first frame; item 0 hands
# <medium>/集成安装程序/setup.exe to the opener, F1 the help document; Esc ends it with status 0.
#
# From ctest's environment: N5_DISC_IMAGE, N5_LAUNCHER (the tests' build of the launcher, which
# needs the shared SDL: it must not start where the libraries are hidden, or nothing is hidden),
# and what lib.sh reads.
source "$(dirname "$0")/../linux/e2e/lib.sh"
: "${N5_DISC_IMAGE:?}"

MEDIUM=$WORK/medium
mkdir -p "$MEDIUM"
fuseiso "$N5_DISC_IMAGE" "$MEDIUM" >"$WORK/fuseiso.log" 2>&1 || { echo "fuseiso failed" >&2; exit 1; }
unmount_medium() {
  e2e_stop_launcher
  for _ in $(seq 50); do
    fusermount -u "$MEDIUM" 2>/dev/null && return
    sleep 0.1
  done
}
trap 'unmount_medium; e2e_cleanup' EXIT
e2e_wait_for 5 mountpoint -q "$MEDIUM" || { echo "the image did not mount" >&2; exit 1; }
DISC=$MEDIUM

# The shared libraries a desktop without SDL and a C++ runtime lacks: each file the loader
# would find (and what its links lead to) is covered by an empty file.
hidden=()
for library in libSDL2-2.0.so.0 libSDL2_ttf-2.0.so.0 libstdc++.so.6; do
  while read -r path; do
    hidden+=("$path" "$(readlink -f "$path")")
  done < <(ldconfig -p | awk -v l="$library" '$1 == l { print $NF }')
done
[ ${#hidden[@]} -gt 0 ] || { echo "found none of the libraries to hide" >&2; exit 1; }
: >"$WORK/empty"
# run_without_libraries COMMAND...: COMMAND in a mount namespace where those files are empty.
run_without_libraries() {
  unshare --mount --propagation private sh -c '
    empty=$1
    shift
    while [ "$1" != -- ]; do mount --bind -o ro "$empty" "$1" || exit 97; shift; done
    shift
    exec "$@"' sh "$WORK/empty" "${hidden[@]}" -- "$@"
}

# Nothing that needs them can start there.
status=0
run_without_libraries "$N5_LAUNCHER" >"$WORK/control.out" 2>&1 || status=$?
e2e_check_eq "the hidden libraries are missing (a launcher that needs them cannot start)" \
  "$([ "$status" -ne 0 ] && grep -q 'libSDL2\|libstdc++' "$WORK/control.out" && echo missing)" missing

# As the desktop runs it: the medium's root as working folder.
e2e_spawn_launcher() {
  (cd "$MEDIUM" && export PATH="$WORK/bin:$PATH" LC_ALL=zh_CN.UTF-8 &&
    run_without_libraries ./autorun.sh) >"$WORK/launcher.out" 2>"$WORK/launcher.err" &
  LAUNCHER_PID=$!
}
e2e_start_xvfb
e2e_start_launcher
echo "ok: the window and its first frame appear"

e2e_check_starts "item 0 installs from the medium" e2e_click_at 94 130 -- \
  "$MEDIUM/集成安装程序/setup.exe"
e2e_check_starts "F1 opens the help document" e2e_key F1 -- \
  "$MEDIUM/TARVEN/TARVENInstallation_cn.pdf"
e2e_key Escape
e2e_wait_exit 10
e2e_check_eq "Esc ends it with status 0" "$STATUS" 0
e2e_check_eq "nothing on standard error" "$(cat "$WORK/launcher.err")" ""
e2e_pass
