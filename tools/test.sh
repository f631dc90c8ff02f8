#!/usr/bin/env bash
# Sets up what is missing, builds everything, and runs the whole test suite:
# the native build with CTest, then the web page (tools/web.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
bash tools/web.sh
