# What the disc tests share: checks, a work folder, the image mounted through fuseiso (the
# Rock Ridge tree, as a Linux desktop shows the disc) and its Joliet tree (as Windows shows it).
# The sourcing script gets -euo pipefail; whatever happens, the trap unmounts the image.
set -euo pipefail
: "${N5_DISC_IMAGE:?}" "${N5_WORK_DIR:?}"
export LC_ALL=C.UTF-8  # xorriso prints names in the locale's character set

DISC_NAME=$(basename "$0" .sh)
mkdir -p "$N5_WORK_DIR"
WORK=$(mktemp -d "$N5_WORK_DIR/$DISC_NAME.XXXXXX")
MOUNT=
FAILURES=0
[ -f "$N5_DISC_IMAGE" ] || { echo "no image at $N5_DISC_IMAGE (make disc)" >&2; exit 1; }

# The files the launcher opens, below the disc's root.
readonly DISC_OPENED=(
  '集成安装程序/setup.exe'
  'N5-企业管理软件(Full-Suite)产品手册/N5-企业管理软件(Full-Suite)产品手册.pdf'
  'N5-企业管理软件(Full-Suite)安装说明/N5-企业管理软件(Full-Suite)安装说明.pdf'
  'TARVEN/TARVENInstallation_cn.pdf'
  'TARVEN/TARVENInstallation_tw.pdf'
)

disc_cleanup_steps=()
disc_cleanup() {
  set +e
  local step
  for step in "${disc_cleanup_steps[@]}"; do eval "$step"; done
  if [ -n "$MOUNT" ]; then disc_unmount; fi
  if [ "$FAILURES" -eq 0 ]; then rm -rf "$WORK"; fi
}
trap disc_cleanup EXIT

fail_now() {
  echo "FAIL: $*" >&2
  FAILURES=$((FAILURES + 1))
  exit 1
}
check() { # check WHAT COMMAND...: the command succeeds
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what" >&2; FAILURES=$((FAILURES + 1)); fi
}
check_not() { # check_not WHAT COMMAND...: the command fails
  local what=$1
  shift
  if "$@"; then echo "FAIL: $what" >&2; FAILURES=$((FAILURES + 1)); else echo "ok: $what"; fi
}
check_eq() { # check_eq WHAT ACTUAL EXPECTED
  if [ "$2" == "$3" ]; then
    echo "ok: $1"
  else
    echo "FAIL: $1: got [$2], expected [$3]" >&2
    FAILURES=$((FAILURES + 1))
  fi
}
disc_pass() {
  if [ "$FAILURES" -ne 0 ]; then
    echo "$DISC_NAME: $FAILURES check(s) failed; files kept in $WORK" >&2
    exit 1
  fi
  echo "$DISC_NAME: all checks passed"
}

# Mounts IMAGE read-only through fuseiso at $WORK/medium and sets MOUNT.
disc_mount() {
  MOUNT=$WORK/medium
  mkdir -p "$MOUNT"
  fuseiso "$1" "$MOUNT" >"$WORK/fuseiso.log" 2>&1 || fail_now "fuseiso cannot mount $1"
  local _
  for _ in $(seq 100); do
    if mountpoint -q "$MOUNT"; then return; fi
    sleep 0.05
  done
  fail_now "the image did not appear at $MOUNT"
}
disc_unmount() {
  local _
  for _ in $(seq 50); do
    fusermount -u "$MOUNT" 2>/dev/null && break
    sleep 0.1
  done
  MOUNT=
}

# The Joliet tree of IMAGE: every path, quoted ('/TARVEN'), one a line.
disc_joliet_tree() { xorriso -read_fs norock -indev "$1" -find / 2>/dev/null; }
