#!/usr/bin/env bash
# Runs a test program with DRAFTCALC_FULL_DISK naming the folder of a small
# file system of its own (tmpfs, 1 MiB), mounted in a mount namespace of
# this command only, so that nothing outside sees it and nothing is left
# mounted. A user namespace makes that possible without root; as root a
# mount namespace alone will do.
#   on_full_disk.sh PROGRAM [ARGUMENT ...]
set -euo pipefail
folder="$(mktemp -d)"
trap 'rmdir "$folder" 2>/dev/null || true' EXIT
inside='mount -t tmpfs -o size=1m draftcalc-full "$0" && DRAFTCALC_FULL_DISK="$0" exec "$@"'
for namespaces in "-r -m" "-m"; do
  # shellcheck disable=SC2086
  if unshare $namespaces true 2>/dev/null; then
    # shellcheck disable=SC2086
    exec unshare $namespaces sh -c "$inside" "$folder" "$@"
  fi
done
echo "on_full_disk.sh: cannot make a mount namespace here (unshare -r -m and unshare -m both refused)" >&2
exit 1
