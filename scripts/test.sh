#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test with ctest; ends
# with the release, the Wine that ran, ctest's summary and the stripped
# programs' sizes. Where the machine runs no 32-bit code (or QUILL_NO_32BIT=1),
# the 32-bit tree's Wine tests show as skipped, and a line says why. Where it
# does but set-up could not install Wine's 32-bit loader, they run after the
# rest in a Debian 12 testbed (scripts/test-in-debian.sh bookworm).
# QUILL_ONLY=win32 builds the core and the 32-bit tree alone and runs that
# tree's tests (that testbed's run).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source cmake/wine/loader.sh
source scripts/lib/debian-tools.sh
select=()
[[ ${QUILL_ONLY:-} != win32 ]] || select=(-R '^win32\.')
in_debian12=false
if ! why=$(quill_use_wine i386); then
  if [[ ! -x $quill_wine_dir/wine ]] && quill_runs_32bit_code && quill_can_nest >/dev/null; then
    echo "Wine's 32-bit loader could not be installed here: the 32-bit tree's Wine tests run in a Debian 12 testbed after the rest."
    in_debian12=true
    select=(-LE '^wine_win32$')
  else
    echo "The 32-bit tree's Wine tests will be skipped: $why."
  fi
fi
why=$(quill_use_wine x86_64) || echo "The 64-bit tree's Wine tests cannot run: $why."
bash scripts/build.sh
status=0
log=build/native/ctest.log
# One test more than there are cores: the package tests spend much of their
# time waiting for the network and the disk.
ctest --test-dir build/native --output-on-failure --no-label-summary -j"$(($(nproc) + 1))" --timeout 900 \
  "${select[@]}" |
  tee "$log" || status=1
wine="no Wine"
for arch in i386 x86_64; do
  if quill_use_wine "$arch" >/dev/null; then
    wine="$("$WINELOADER" --version) ($(basename "$WINELOADER"))"
    break
  fi
done
. /etc/os-release
echo
echo "Debian $VERSION_CODENAME ($(cat /etc/debian_version)), $wine:"
sed -n '/tests passed, .* tests failed out of/,$p' "$log"
# As this run's release package tests measured them (cmake/CheckPackage.cmake).
for size in build/win*/stripped-size.txt; do
  [[ ! -f $size ]] || echo "The stripped program of ${size%/*}: $(<"$size") bytes."
done
if $in_debian12; then bash scripts/test-in-debian.sh bookworm || status=1; fi
exit $status
