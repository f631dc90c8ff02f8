#!/usr/bin/env bash
# Installs the build as a package would (prefix /usr, into a scratch DESTDIR)
# and checks what a user gets: exactly the programs and their data; both
# programs answer --version and --help without a display and the window takes
# Qt's options; the desktop entry and the AppStream metainfo pass their
# validators; each manual page renders without a warning and documents every
# option its program's --help names; the icon is there at every size.
# Usage: install_test.sh CMAKE BUILD_DIR VERSION APPSTREAM_ID
set -euo pipefail
cmake="$1" build="$2" version="$3" id="$4"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
usr="$scratch/root/usr"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

DESTDIR="$scratch/root" "$cmake" --install "$build" --prefix /usr > /dev/null

# Only the two programs and their data: no libraries, tests or benchmarks.
expected="bin/draftcalc
bin/draftcalc-cli
share/applications/draftcalc.desktop
share/doc/draftcalc/README.md
share/doc/draftcalc/changelog.gz
share/doc/draftcalc/copyright
share/icons/hicolor/256x256/apps/draftcalc.png
share/icons/hicolor/48x48/apps/draftcalc.png
share/icons/hicolor/scalable/apps/draftcalc.svg
share/man/man1/draftcalc-cli.1.gz
share/man/man1/draftcalc.1.gz
share/metainfo/$id.metainfo.xml"
installed="$(cd "$usr" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)"
diff <(LC_ALL=C sort <<< "$expected") <(echo "$installed") > "$scratch/files.diff" ||
  fail "installed files (<: missing, >: unexpected):
$(cat "$scratch/files.diff")"

# No display at all: --version and --help must not need one.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
for program in draftcalc draftcalc-cli; do
  shown="$("${no_display[@]}" "$usr/bin/$program" --version)" || fail "$program --version exits $?"
  [ "$shown" = "$program $version" ] || fail "$program --version printed: $shown"
  "${no_display[@]}" "$usr/bin/$program" --help > "$scratch/$program.help" || fail "$program --help exits $?"
done

# Qt's own options still reach Qt, and a CSV file given is opened: its first
# record is calculated before the window shows, so the history (kept in the
# scratch folder) holds it with its answer. A file that cannot be opened is
# reported and the window starts all the same. The start-up probe quits
# once the window is shown.
window=("${no_display[@]}" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" DRAFTCALC_STARTUP_PROBE=1
        "$usr/bin/draftcalc" -platform offscreen)
printf 'x1,y1,d1,x2,y2,d2\n0,0,8,3,4,8\n' > "$scratch/rows.csv"
"${window[@]}" "$scratch/rows.csv" > /dev/null 2> "$scratch/window.err" ||
  fail "draftcalc -platform offscreen rows.csv exits $?: $(cat "$scratch/window.err")"
grep -q '^[^,]*,0,0,8,,,,,,3,4,8,,,,,,0.000,0.000,99,,,,,,0,0,53.1301,,$' "$scratch/data/draftcalc/history.csv" ||
  fail "rows.csv not calculated at start: $(cat "$scratch/data/draftcalc/history.csv" "$scratch/window.err")"
"${window[@]}" "$scratch/missing.csv" > /dev/null 2> "$scratch/window.err" ||
  fail "draftcalc -platform offscreen missing.csv exits $?: $(cat "$scratch/window.err")"
grep -q "missing.csv: cannot open" "$scratch/window.err" || fail "no note on the missing file: $(cat "$scratch/window.err")"

desktop="$usr/share/applications/draftcalc.desktop"
report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
[ -x "$usr/bin/$program" ] || fail "the desktop entry runs $program, which is not installed"
icon="$(sed -n 's/^Icon=//p' "$desktop")"

metainfo="$usr/share/metainfo/$id.metainfo.xml"
report="$(appstreamcli validate --no-net --strict "$metainfo" 2>&1)" || fail "appstreamcli validate: $report"
grep -q "<launchable type=\"desktop-id\">draftcalc.desktop</launchable>" "$metainfo" || fail "metainfo: launchable"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo: no release $version"

# Rendered as lintian renders them; every option the help names is documented.
for program in draftcalc draftcalc-cli; do
  page="$usr/share/man/man1/$program.1.gz"
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 > /dev/null)"
  [ -z "$warnings" ] || fail "$program.1: $warnings"
  text="$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$page" 2> /dev/null)"
  grep -q "draftcalc $version" <<< "$text" || fail "$program.1 does not name version $version"
  for option in $(grep -o -- '--[a-z][a-z-]*' "$scratch/$program.help" | sort -u); do
    grep -Eq -- "^ +(-[a-z], )?$option( |$)" <<< "$text" || fail "$program.1 has no entry for $option"
  done
done

# PNG: the signature, then width and height in the IHDR chunk.
png_size() {
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 1
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" \
                                            $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}
icons="$usr/share/icons/hicolor"
grep -q "<svg" "$icons/scalable/apps/$icon.svg" || fail "no scalable icon $icon.svg"
for size in 48 256; do
  shown="$(png_size "$icons/${size}x${size}/apps/$icon.png")" || fail "$icon.png at $size is no PNG"
  [ "$shown" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $shown"
done
echo "installed and checked: $(wc -l <<< "$installed") files"
