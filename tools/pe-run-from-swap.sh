#!/bin/sh
# Marks a Windows program to be run from the page file when it is started from removable media
# or from the network (IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP | IMAGE_FILE_NET_RUN_FROM_SWAP): the
# loader then copies it into memory at start, so taking the disc out, or a sector that cannot
# be read, cannot take away a page the running launcher still needs. GNU ld has no option for
# these flags; the build runs this right after linking, before anything signs the program.
#
#   tools/pe-run-from-swap.sh PROGRAM.exe
set -eu
exe=${1:?usage: pe-run-from-swap.sh PROGRAM.exe}

u32() { od -An -tu4 -j "$1" -N 4 "$exe" | tr -d ' '; }
u16() { od -An -tu2 -j "$1" -N 2 "$exe" | tr -d ' '; }

pe=$(u32 60)
if [ "$(od -An -c -j "$pe" -N 2 "$exe" | tr -d ' ')" != PE ]; then
  echo "pe-run-from-swap: $exe is not a PE program" >&2
  exit 1
fi
# The COFF header follows the 4-byte signature; its Characteristics field is at offset 18.
at=$((pe + 4 + 18))
flags=$(($(u16 "$at") | 0x0400 | 0x0800))
printf "\\$(printf %03o $((flags & 255)))\\$(printf %03o $((flags >> 8)))" |
  dd of="$exe" bs=1 seek="$at" conv=notrunc status=none
