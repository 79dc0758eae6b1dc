#!/usr/bin/env bash
# Lays out a demo installation disc in DIR: the launcher at its root and the demo content
# (tools/demo-content.sh) around it.
#
#   tools/demo-disc.sh DIR [LAUNCHER]    LAUNCHER defaults to build/linux/bin/n5launcher
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 DIR [LAUNCHER]" >&2
  exit 2
fi
disc=$1
launcher=${2:-"$(cd "$(dirname "$0")/.." && pwd)/build/linux/bin/n5launcher"}
if [ ! -x "$launcher" ]; then
  echo "demo-disc: no launcher at $launcher (build it first)" >&2
  exit 1
fi

bash "$(dirname "$0")/demo-content.sh" "$disc"
cp "$launcher" "$disc/n5launcher"
