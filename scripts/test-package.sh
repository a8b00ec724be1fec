#!/usr/bin/env bash
# The package's DEP-8 tests (debian/tests/control), run by autopkgtest as
# Debian's CI runs them: in throwaway testbeds of Debian RELEASE (bookworm
# or trixie) from autopkgtest's unshare back end, over a minimal tarball
# that mmdebstrap makes (kept in the machine's cache folder), into which
# autopkgtest installs the package and each test's dependencies from the
# release. Prints autopkgtest's output and its summary; its logs are kept
# in OUT_DIR. Skipped (77) inside a testbed, which cannot hold another.
# Usage: test-package.sh RELEASE DEB DSC OUT_DIR
set -euo pipefail
release=$1
deb=$(realpath "$2")
dsc=$(realpath "$3")
out=$(realpath -m "$4")
source "$(dirname "$0")/lib/debian-tools.sh"
if ! why=$(quill_can_nest); then
  echo "Skipped: $why."
  exit 77
fi
quill_tarball testbed "$release" --variant=apt
rm -rf -- "$out"
mkdir -p "$out/tmp"
TMPDIR=$out/tmp quill_bound autopkgtest --output-dir="$out/results" --apt-upgrade "$deb" "$dsc" \
  -- unshare --release "$release" --tarball "$quill_tarball_path"
