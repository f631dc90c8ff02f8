#!/usr/bin/env bash
# Sets up what is missing, builds, and runs draftcalc on a small example.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
echo
echo "Angle of the line from (0, 0) to (3, 4):"
./build/cli/draftcalc-cli calc x1=0 y1=0 d1=8 x2=3 y2=4 d2=8
echo
echo "Circle of radius 5 touching the circles (0, 0) r 10 and (20, 0) r 10, from CSV:"
printf 'x1,y1,d1,r1,d2,c2,x3,y3,d3,r3,s3\n0,0,0,10,5,-5,20,0,0,10,1\n' | ./build/cli/draftcalc-cli
