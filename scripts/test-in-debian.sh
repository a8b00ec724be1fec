#!/usr/bin/env bash
# Runs the README's test command in a minimal root of another Debian release
# (trixie unless named), entered with chroot, as root: that release's Wine,
# compilers and analysers over a clean export of the committed tree.
#
# The root is kept in the machine's folder of roots
# (scripts/lib/debian-root.sh: $QUILL_ROOTS, else /var/cache/quillmar/roots),
# set up with the committed scripts/setup.sh and debian/control (the build
# dependencies) and shared by every clone; it is keyed by their contents, so
# a change to either gives a root of its own. Each run works on a throwaway
# overlay of it, in mount and PID namespaces of its own that end with this
# script however it ends.
#
# Prints the run, then the release, the Wine it ran and ctest's summary;
# exits with the run's status. QUILL_NO_32BIT is passed on to the run.
# Usage: scripts/test-in-debian.sh [RELEASE]
set -euo pipefail
release=${1:-trixie}
repo=$(cd "$(dirname "$0")/.." && pwd -P)
# shellcheck source=scripts/lib/debian-root.sh
source "$repo/scripts/lib/debian-root.sh"
# shellcheck source=scripts/lib/recipe.sh
source "$repo/scripts/lib/recipe.sh"

# Roots this script kept in the clone before: binds a killed run left there
# would be deleted with the clone.
left=$(quill_mounts_below "$repo/debian-roots")
if [[ -n $left ]]; then
  echo "Warning: mounts are left below $repo/debian-roots; unmount them (umount -R) before deleting it:" >&2
  echo "$left" >&2
fi

command -v debootstrap >/dev/null || bash "$repo/scripts/setup.sh"
recipe=$(mktemp)
trap 'rm -f "$recipe"' EXIT
quill_lane_recipe "$repo" >"$recipe"
key=$(quill_root_key "dev-$release" "$recipe")
quill_keep_root "$key" "$release" "$recipe"

# The Wine that ran: the 32-bit loader's where the run could use it, else
# the 64-bit one's (Debian's `wine` wrapper would name the 32-bit one).
# shellcheck disable=SC2016 # expanded in the root
run='cd /work/quillmar
bash scripts/test.sh 2>&1 | tee /tmp/lane.log
status=${PIPESTATUS[0]}
source cmake/wine/loader.sh
wine="no Wine"
for arch in i386 x86_64; do
  if quill_use_wine "$arch" >/dev/null; then
    wine="$("$WINELOADER" --version) ($(basename "$WINELOADER"))"
    break
  fi
done
echo
echo "Debian $1 ($(cat /etc/debian_version)), $wine:"
sed -n "/tests passed, .* tests failed out of/,\$p" /tmp/lane.log
exit "$status"'
# From this shell, not a pipeline: the run then dies with this script.
quill_run_in_root "$key" --tar /work/quillmar CI=true QUILL_IN_LANE=1 \
  ${QUILL_NO_32BIT:+"QUILL_NO_32BIT=$QUILL_NO_32BIT"} \
  bash -c "$run" lane "$release" < <(git -C "$repo" archive --format=tar HEAD)
