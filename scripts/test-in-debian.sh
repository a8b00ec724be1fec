#!/usr/bin/env bash
# Runs the test command in a throwaway testbed of another Debian release
# (trixie unless named), as root: that release's Wine, compilers and
# analysers over an export of the committed tree (git archive HEAD). In
# bookworm it runs the 32-bit tree's tests alone (QUILL_ONLY=win32), for
# machines whose own mirror cannot give Wine's 32-bit loader.
#
# autopkgtest runs it as the DEP-8 test of scripts/lane.control, in a testbed
# of its unshare back end over a tarball that mmdebstrap makes with the
# committed scripts/setup.sh run in it (kept in the machine's cache folder,
# made again when setup.sh or debian/control changes, or after a week).
# Where the machine runs 32-bit code the testbed has the i386 architecture
# and Wine's 32-bit loader; where the release's security suite cannot give
# its i386 packages, the release and its updates alone are taken, and a line
# says so.
#
# Prints the run, then the release, the Wine it ran and ctest's summary;
# exits with the run's status. QUILL_NO_32BIT is passed on.
# Usage: scripts/test-in-debian.sh [RELEASE]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd -P)
source "$repo/scripts/lib/debian-tools.sh"
source "$repo/cmake/wine/loader.sh"

# Inside the testbed: the suite, then the lines that end the lane.
if [[ ${1-} == --inside ]]; then
  log=$AUTOPKGTEST_TMP/suite.log
  status=0
  bash scripts/test.sh 2>&1 | tee "$log" || status=$?
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
  exit "$status"
fi

release=${1:-trixie}
if ! why=$(quill_can_nest); then
  echo "The Debian $release lane cannot run here: $why." >&2
  exit 1
fi
recipe=(--variant=apt --with scripts/setup.sh --with scripts/lib/debian-tools.sh --with debian/control
  --chrooted-customize-hook='bash /tmp/quill/scripts/setup.sh')
multiarch=false
if quill_runs_32bit_code; then
  recipe+=(--architectures=amd64,i386)
  multiarch=true
fi
# A tarball kept from either sources is taken; a new one tries the security
# suite first. Only the i386 lists lag behind (a mirror in the middle of a
# sync), and the 32-bit loader's packages must match the amd64 ones.
without_security=("deb http://deb.debian.org/debian $release main" "deb http://deb.debian.org/debian $release-updates main")
fallback="the testbed takes $release and $release-updates alone: $release-security cannot give its i386 packages"
if quill_tarball lane "$release" --kept "${recipe[@]}"; then
  :
elif $multiarch && quill_tarball lane "$release" --kept "${recipe[@]}" "${without_security[@]}"; then
  echo "Kept from an earlier run, $fallback."
elif ! quill_tarball lane "$release" "${recipe[@]}"; then
  $multiarch || exit 1
  echo "As above, $fallback."
  quill_tarball lane "$release" "${recipe[@]}" "${without_security[@]}"
fi

work=$repo/build/lane-$release
rm -rf -- "$work"
mkdir -p "$work/tree" "$work/tmp"
git -C "$repo" archive HEAD | tar -x -C "$work/tree"
env=(--env=CI=true)
[[ -z ${QUILL_NO_32BIT:-} ]] || env+=(--env="QUILL_NO_32BIT=$QUILL_NO_32BIT")
[[ $release != bookworm ]] || env+=(--env=QUILL_ONLY=win32)
status=0
TMPDIR=$work/tmp quill_bound autopkgtest --no-built-binaries --override-control="$repo/scripts/lane.control" \
  --output-dir="$work/results" "${env[@]}" "$work/tree/" \
  -- unshare --release "$release" --tarball "$quill_tarball_path" || status=$?
echo
sed -n '/^Debian .*:$/,$p' "$work/results/suite-stdout" 2>/dev/null || true
exit $status
