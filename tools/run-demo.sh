#!/usr/bin/env bash
# Runs the launcher's core on a short scenario and prints what it does.
set -euo pipefail
cd "$(dirname "$0")/.."
printf '%s\n' 'move 3000 2100' 'dump' 'key 40' 'key 13' 'move 7000 4000' 'key 27' |
  build/linux/bin/n5-replay
