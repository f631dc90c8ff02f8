#!/usr/bin/env bash
# Builds the web page (the engine, the candidates and the drawing compiled to
# WebAssembly by emscripten, into build-web/) and runs its tests: the engine
# under Node against draftcalc-cli of the native build in build/ (build that
# first), and the page in a headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
# The emscripten linker finds its JavaScript parser (acorn) through NODE_PATH.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRAFTCALC_WEB=ON >/dev/null
cmake --build build-web
(cd web && npm ci --no-audit --no-fund --loglevel=error)
cd web
node --test tests/engine.test.js tests/browser.test.js
