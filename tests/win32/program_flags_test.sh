#!/usr/bin/env bash
# The Windows programs as linked: for 32-bit Windows (the one that ships) and for 64-bit
# Windows (the Wine tests' stand-in where no 32-bit code runs). Each is marked to run from the
# page file when started from removable media or the network, carries no link time stamp, and
# is a GUI program for its processor.
#
#   program_flags_test.sh WIN32_EXE WIN64_EXE
set -euo pipefail
failures=0
check_eq() { # what actual expected
  if [ "$2" == "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: got [$2], expected [$3]" >&2; failures=$((failures + 1)); fi
}

for row in "$1 014c 010b" "$2 8664 020b"; do
  read -r exe machine magic <<<"$row"
  [ -f "$exe" ] || { echo "FAIL: no program at $exe" >&2; exit 1; }
  pe=$(od -An -tu4 -j 60 -N 4 "$exe" | tr -d ' ')
  name=$(basename "$(dirname "$(dirname "$exe")")")
  check_eq "$name: machine" "$(od -An -tx2 -j $((pe + 4)) -N 2 "$exe" | tr -d ' ')" "$machine"
  check_eq "$name: optional header" "$(od -An -tx2 -j $((pe + 24)) -N 2 "$exe" | tr -d ' ')" "$magic"
  characteristics=$(od -An -tu2 -j $((pe + 22)) -N 2 "$exe" | tr -d ' ')
  check_eq "$name: runs from the page file from removable media" $((characteristics & 0x0400)) $((0x0400))
  check_eq "$name: runs from the page file from the network" $((characteristics & 0x0800)) $((0x0800))
  check_eq "$name: no link time stamp" "$(od -An -tu4 -j $((pe + 8)) -N 4 "$exe" | tr -d ' ')" 0
  # The subsystem: 2, a GUI program (the field is at 68 in both optional header formats).
  check_eq "$name: GUI program" "$(od -An -tu2 -j $((pe + 24 + 68)) -N 2 "$exe" | tr -d ' ')" 2
done
[ "$failures" -eq 0 ] || exit 1
echo "program_flags: all checks passed"
