#!/usr/bin/env bash
# Installs the Debian packages draftcalc needs, when any of them is missing
# (as root, or through sudo):
#   install-deps.sh run   what building and starting the window needs
#   install-deps.sh       that, and all the tests, the benchmarks, the page
#                         and the Python module need
set -euo pipefail

packages=(
  cmake ninja-build g++          # build
  qt6-base-dev                   # the window (Qt 6 Widgets)
  qt6-tools-dev qt6-l10n-tools   # its translations: lupdate and lrelease (Qt6 LinguistTools)
  libdxflib-dev                  # the DXF export
  fonts-ipaexfont-gothic         # Japanese captions and messages
  librsvg2-bin                   # the icon's bitmaps, rendered from its SVG at build time
)
if [ "${1:-all}" != run ]; then packages+=(
  qt6-svg-dev python3-ezdxf      # the tests read the SVG and DXF exports back with readers of their own
  libgtest-dev libbenchmark-dev  # tests and benchmarks
  libocct-modeling-algorithms-dev libocct-modeling-data-dev  # reference geometry for the tests
  clang libclang-rt-14-dev       # libFuzzer targets
  desktop-file-utils appstream man-db  # the install test's validators and manual page rendering
  dpkg-dev                       # dpkg-shlibdeps: the Debian packages' Depends
  lintian                        # the Debian packages checked
  emscripten chromium            # the web page: WebAssembly, and the browser its test drives
  pybind11-dev python3-dev python3-pytest  # the Python module and its tests
  python3-pandas                 # the module's DataFrames (calculate_frame), and numpy with it
  python3-dask python3-distributed  # examples/dask_batch.py and its test
  util-linux                     # unshare: the tests' small full file system of their own
)
# Node.js runs the web page's tests; npm installs their one package. A Node.js
# from elsewhere brings its own npm, which Debian's would conflict with.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
