#!/usr/bin/env bash
# The window under a file size limit (ulimit -f) that the history's next
# record would pass: the write fails and is taken back, instead of the
# kernel killing the window half way through the record (SIGXFSZ).
#   window_file_size_limit.sh DRAFTCALC
set -euo pipefail
window="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "window_file_size_limit: $*" >&2; exit 1; }

mkdir -p "$scratch/data/draftcalc"
history="$scratch/data/draftcalc/history.csv"
# The history's header and records, padded with a record of its own to
# 40 bytes short of 4 KiB: the next record passes the 4 KiB limit.
header="time,x1,y1,d1,a1,b1,c1,r1,s1,x2,y2,d2,a2,b2,c2,r2,s2,x3,y3,d3,a3,b3,c3,r3,s3,ansX,ansY,ansA,ansR,ansRem"
record="2026-01-02T03:04:05Z,0,0,8,,,,,,3,4,8,,,,,,0.000,0.000,99,,,,,,0,0,53.1301,,"
{ echo "$header"; echo "$record"; } > "$history"
padding=$((4096 - 40 - $(stat -c %s "$history") - ${#record} - 1))
echo "${record/0.000,0.000,99/0.000,0.000,99$(printf '%*s' "$padding" '' | tr ' ' 9)}" >> "$history"
[ "$(stat -c %s "$history")" -eq 4056 ] || fail "the history made is $(stat -c %s "$history") bytes, not 4056"
cp "$history" "$scratch/before.csv"
printf 'x1,y1,d1,x2,y2,d2\n0,0,8,3,4,8\n' > "$scratch/rows.csv"

status=0
(
  ulimit -f 4  # KiB
  exec env -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" \
    DRAFTCALC_STARTUP_PROBE=1 "$window" -platform offscreen "$scratch/rows.csv"
) > /dev/null 2> "$scratch/window.err" || status=$?
[ "$status" -eq 0 ] || fail "the window exits $status (153: killed by SIGXFSZ): $(cat "$scratch/window.err")"
cmp -s "$history" "$scratch/before.csv" || fail "the history changed: $(tail -c 300 "$history")"
leftover="$(find "$scratch/data/draftcalc" -name '.*' -type f)"
[ -z "$leftover" ] || fail "left behind: $leftover"
echo "window_file_size_limit: the window went on and the history is as it was"
