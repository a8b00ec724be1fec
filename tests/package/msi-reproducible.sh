#!/usr/bin/env bash
# The installer is made again from the same settings in another folder, in
# another time zone, locale and umask, a second or more later, and must have
# the bytes of the one the tree made; where not, diffoscope shows how they
# differ (cmp where it is not installed).
# Usage: msi-reproducible.sh MSI SETTINGS MAKE_INSTALLER VERSION
set -euo pipefail
msi=$(realpath "$1")
settings=$2 maker=$3 version=$4
work=$(mktemp -d "${TMPDIR:-/tmp}/quill-msi-again.XXXXXX")
trap 'rm -rf -- "$work"' EXIT
sleep 1
(umask 0002 && cd "$work" && TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 \
  cmake -DSETTINGS="$settings" -DVERSION="$version" -DSTAGE="$work/other stage" \
  -DOUT="$work/again.msi" -P "$maker")
if ! cmp "$msi" "$work/again.msi"; then
  if command -v diffoscope >/dev/null; then
    diffoscope --text - "$msi" "$work/again.msi" | head -60 || true
  fi
  exit 1
fi
echo "made again in another folder, time zone, locale and umask: the same $(stat -c %s "$msi") bytes"
