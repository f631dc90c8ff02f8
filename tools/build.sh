#!/usr/bin/env bash
# Configures and builds draftcalc (Release, Ninja) into build/:
#   build.sh run   the programs only (what tools/run.sh needs)
#   build.sh       the programs, the tests, the benchmarks and the Python module
set -euo pipefail
cd "$(dirname "$0")/.."
all=ON
[ "${1:-all}" = run ] && all=OFF
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRAFTCALC_BUILD_TESTS=$all -DDRAFTCALC_BUILD_BENCHMARKS=$all \
  -DDRAFTCALC_BUILD_PYTHON=$all >/dev/null
cmake --build build
