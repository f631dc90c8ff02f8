#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, the "fuzz" preset, into build-fuzz/) and
# runs each over its seed corpus in fuzz/corpus/ and then for SECONDS (default
# 30) of fresh fuzzing. Any crash, sanitizer report, failed property or
# hang (10 s on one input) fails. New inputs go to a scratch corpus, not
# into the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
bash tools/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
for target in number_parse pipeline csv candidates files; do
  mkdir -p "$scratch/$target"
  echo "== ${target}_fuzz: seed corpus, then ${seconds} s"
  if ! ./build-fuzz/fuzz/${target}_fuzz -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$scratch/" "$scratch/$target" "fuzz/corpus/$target" > "$scratch/$target.log" 2>&1; then
    tail -n 60 "$scratch/$target.log"
    echo "${target}_fuzz found a problem; the input is in the log above" >&2
    exit 1
  fi
  grep -E "^Done [0-9]+ runs" "$scratch/$target.log"
done
