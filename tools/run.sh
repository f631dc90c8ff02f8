#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the draftcalc window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh run
bash tools/build.sh run
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to open the window on (start it under X or Wayland, or with xvfb-run)."
  echo "The calculation engine from the command line instead; angle of the line from (0, 0) to (3, 4):"
  exec ./build/cli/draftcalc-cli calc x1=0 y1=0 d1=8 x2=3 y2=4 d2=8
fi
exec ./build/app/draftcalc
