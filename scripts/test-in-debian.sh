#!/usr/bin/env bash
# Runs the README's test command in a minimal root of another Debian release
# (trixie unless named), entered with chroot, as root: that release's Wine,
# compilers and analysers over a clean export of the committed tree.
#
# The root, dev-RELEASE, is kept in the machine's folder of roots
# (scripts/lib/debian-root.sh: $QUILL_ROOTS, else /var/cache/quillmar/roots),
# set up with the committed scripts/setup.sh and shared by every clone; it is
# made again when incomplete, broken or a week old, and set up again when
# setup.sh changes. Each run works on a throwaway overlay of it, in mount and
# PID namespaces of its own that end with this script however it ends.
#
# Prints the run, then the release and its Wine version and ctest's summary;
# exits with the run's status. QUILL_NO_32BIT is passed on to the run.
# Usage: scripts/test-in-debian.sh [RELEASE]
set -euo pipefail
release=${1:-trixie}
repo=$(cd "$(dirname "$0")/.." && pwd -P)
# shellcheck source=scripts/lib/debian-root.sh
source "$repo/scripts/lib/debian-root.sh"

# Roots this script kept in the clone before: binds a killed run left there
# would be deleted with the clone.
left=$(quill_mounts_below "$repo/debian-roots")
if [[ -n $left ]]; then
  echo "Warning: mounts are left below $repo/debian-roots; unmount them (umount -R) before deleting it:" >&2
  echo "$left" >&2
fi

command -v debootstrap >/dev/null || bash "$repo/scripts/setup.sh"
recipe=$(mktemp)
git -C "$repo" show HEAD:scripts/setup.sh >"$recipe"
status=0
quill_keep_root "dev-$release" "$release" "$recipe" || status=$?
rm -f "$recipe"
((status == 0)) || exit "$status"

# shellcheck disable=SC2016 # expanded in the root
run='cd /work/quillmar
bash scripts/test.sh 2>&1 | tee /tmp/lane.log
status=${PIPESTATUS[0]}
echo
echo "Debian $1 ($(cat /etc/debian_version)), $(wine --version 2>/dev/null || echo "no Wine"):"
sed -n "/tests passed, .* tests failed out of/,\$p" /tmp/lane.log
exit "$status"'
# From this shell, not a pipeline: the run then dies with this script.
quill_run_in_root "dev-$release" --tar /work/quillmar CI=true QUILL_IN_LANE=1 \
  ${QUILL_NO_32BIT:+"QUILL_NO_32BIT=$QUILL_NO_32BIT"} \
  bash -c "$run" lane "$release" < <(git -C "$repo" archive --format=tar HEAD)
