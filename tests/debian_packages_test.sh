#!/usr/bin/env bash
# Builds the Debian packages as cpack -G DEB does (into a scratch folder) and
# checks them: draftcalc and python3-draftcalc both made, lintian finds no
# error or warning in either, python3-draftcalc depends on Debian's python3
# and on the libraries dpkg-shlibdeps found, and holds exactly the module,
# its documentation and the Dask example; unpacked as dpkg unpacks it, the
# module imports from there with no build tree in sight and calculates.
# Usage: debian_packages_test.sh CPACK BUILD_DIR
set -euo pipefail
cpack="$1" build="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

(cd "$build" && "$cpack" -G DEB -B "$scratch" > "$scratch/cpack.log" 2>&1) || fail "cpack: $(cat "$scratch/cpack.log")"
main=("$scratch"/draftcalc_*.deb)
python=("$scratch"/python3-draftcalc_*.deb)
[ -f "${main[0]}" ] && [ -f "${python[0]}" ] || fail "packages made: $(ls "$scratch")"

lintian --fail-on error,warning "${main[0]}" "${python[0]}" > "$scratch/lintian.log" 2>&1 ||
  fail "lintian: $(grep -v 'running with root privileges' "$scratch/lintian.log")"

depends="$(dpkg-deb -f "${python[0]}" Depends)"
for needed in "python3 (>= 3." "python3 (<< 3." "libc6" "libstdc++6"; do
  grep -qF "$needed" <<< "$depends" || fail "python3-draftcalc Depends has no $needed: $depends"
done
grep -q "python3-pandas" <<< "$(dpkg-deb -f "${python[0]}" Suggests)" || fail "python3-draftcalc suggests no pandas"

site=usr/lib/python3/dist-packages/draftcalc
expected="$site/__init__.py
$site/__init__.pyi
$site/_draftcalc.$(/usr/bin/python3 -c 'import sysconfig; print(sysconfig.get_config_var("EXT_SUFFIX")[1:])')
$site/_frames.py
$site/_types.py
$site/py.typed
usr/share/doc/python3-draftcalc/changelog.gz
usr/share/doc/python3-draftcalc/copyright
usr/share/doc/python3-draftcalc/examples/dask_batch.py"
packed="$(dpkg-deb -c "${python[0]}" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | LC_ALL=C sort)"
[ "$packed" = "$(LC_ALL=C sort <<< "$expected")" ] || fail "python3-draftcalc holds:
$packed"

# The module from the unpacked package alone: no PYTHONPATH to the build,
# started from an empty folder.
dpkg-deb -x "${python[0]}" "$scratch/root"
mkdir "$scratch/empty"
imported="$(cd "$scratch/empty" && env -i PATH=/usr/bin:/bin PYTHONPATH="$scratch/root/usr/lib/python3/dist-packages" \
  /usr/bin/python3 -c 'import draftcalc
print(draftcalc.__file__)
print(draftcalc.calculate_numbers({"x1": 0, "y1": 0, "d1": 8, "x2": 3, "y2": 4, "d2": 8}).a)')" ||
  fail "import from the package: $imported"
[ "$imported" = "$scratch/root/$site/__init__.py
53.1301" ] || fail "imported: $imported"
echo "draftcalc and python3-draftcalc made, lintian clean; the module imports from the package"
