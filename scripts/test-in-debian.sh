#!/usr/bin/env bash
# Runs the test command in a throwaway testbed of another Debian release
# (trixie unless named), as root: that release's Wine, compilers and
# analysers over an export of the committed tree (git archive HEAD); in
# bookworm the 32-bit tree's tests alone (QUILL_ONLY=win32), for machines
# whose mirror cannot give Wine's 32-bit loader. autopkgtest runs it as the
# DEP-8 test of scripts/lane.control in a testbed of its unshare back end,
# over a kept tarball that mmdebstrap makes with scripts/setup.sh run in it:
# with the i386 architecture and Wine's 32-bit loader where the machine runs
# 32-bit code, from the release and its updates alone (a line says so) where
# the security suite cannot give its i386 packages. Prints the run, then the
# release, the Wine that ran and ctest's summary; exits with the run's
# status. QUILL_NO_32BIT is passed on.
# Usage: scripts/test-in-debian.sh [RELEASE]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd -P)
source "$repo/scripts/lib/debian-tools.sh"
source "$repo/cmake/wine/loader.sh"

release=${1:-trixie}
why=$(quill_can_nest) || { echo "The Debian $release lane cannot run here: $why." >&2 && exit 1; }
recipe=(--variant=apt --chrooted-customize-hook='bash /tmp/quill/scripts/setup.sh')
mirror=http://deb.debian.org/debian
fallback=()
if quill_runs_32bit_code; then
  recipe+=(--architectures=amd64,i386)
  fallback=("deb $mirror $release main" "deb $mirror $release-updates main")
fi
# A tarball kept from either sources is taken; a new one tries them in turn.
note="the testbed takes $release and $release-updates alone: $release-security cannot give its i386 packages"
if ! quill_tarball lane "$release" --kept "${recipe[@]}"; then
  if ((${#fallback[@]})) && quill_tarball lane "$release" --kept "${recipe[@]}" "${fallback[@]}"; then
    echo "As when it was made, $note."
  elif ! quill_tarball lane "$release" "${recipe[@]}"; then
    ((${#fallback[@]})) || exit 1
    echo "As above, $note."
    quill_tarball lane "$release" "${recipe[@]}" "${fallback[@]}"
  fi
fi

work=$repo/build/lane-$release
rm -rf -- "$work" && mkdir -p "$work/tree" "$work/tmp"
git -C "$repo" archive HEAD | tar -x -C "$work/tree"
env=(--env=CI=true)
[[ -z ${QUILL_NO_32BIT:-} ]] || env+=(--env="QUILL_NO_32BIT=$QUILL_NO_32BIT")
[[ $release != bookworm ]] || env+=(--env=QUILL_ONLY=win32)
status=0
TMPDIR=$work/tmp quill_bound autopkgtest --no-built-binaries --override-control="$repo/scripts/lane.control" \
  --output-dir="$work/results" "${env[@]}" "$work/tree/" \
  -- unshare --release "$release" --tarball "$quill_tarball_path" || status=$?
if [[ -f $work/results/suite-stdout ]]; then
  echo
  sed -n '/^Debian .*:$/,$p' "$work/results/suite-stdout"
fi
exit $status
