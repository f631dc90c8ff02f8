#!/usr/bin/env bash
# Checks that i18n/*.ts hold every window text of the sources, each finished,
# and nothing the sources no longer have: lupdate over copies of them must
# leave no unfinished, vanished or obsolete entry.
# Usage: check_translations.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source_dir"/i18n/draftcalc_en.ts "$source_dir"/i18n/draftcalc_ja.ts "$work"/
# The files i18n/sources.txt names (patterns relative to the source tree).
sources=()
while read -r pattern; do
  for file in "$source_dir"/$pattern; do sources+=("$file"); done
done < "$source_dir"/i18n/sources.txt
"$lupdate" -silent -locations none "${sources[@]}" -ts "$work"/draftcalc_en.ts "$work"/draftcalc_ja.ts
status=0
for ts in "$work"/draftcalc_en.ts "$work"/draftcalc_ja.ts; do
  for kind in unfinished vanished obsolete; do
    count=$(grep -c "type=\"$kind\"" "$ts" || true)
    if [ "$count" != 0 ]; then
      echo "$(basename "$ts"): $count $kind entries (run the update_translations target and translate them)"
      grep -B2 "type=\"$kind\"" "$ts" | grep "<source>" | head -5
      status=1
    fi
  done
done
exit $status
