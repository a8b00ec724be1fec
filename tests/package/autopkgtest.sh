#!/usr/bin/env bash
# The package's DEP-8 tests (debian/tests/control), run by autopkgtest as
# Debian's CI runs them: in throwaway testbeds of Debian RELEASE from
# autopkgtest's unshare back end, over a kept minimal tarball that mmdebstrap
# makes, into which autopkgtest installs the package and each test's
# dependencies from the release. Its logs are kept in OUT_DIR. Skipped (77)
# inside a testbed.
# Usage: autopkgtest.sh RELEASE DEB DSC OUT_DIR
set -euo pipefail
release=$1 out=$(realpath -m "$4")
deb=$(realpath "$2")
dsc=$(realpath "$3")
source "$(dirname "$0")/../../scripts/lib/debian-tools.sh"
why=$(quill_can_nest) || { echo "Skipped: $why." && exit 77; }
quill_tarball testbed "$release" --variant=apt
rm -rf -- "$out" && mkdir -p "$out/tmp"
TMPDIR=$out/tmp quill_bound autopkgtest --output-dir="$out/results" --apt-upgrade "$deb" "$dsc" \
  -- unshare --release "$release" --tarball "$quill_tarball_path"
