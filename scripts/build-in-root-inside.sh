#!/usr/bin/env bash
# Inside a clean root of build dependencies, with no network, as root: builds
# the source package beside this script (its .dsc) as an unprivileged user,
# the way Debian's builders do, and writes to stdout a tar of the results in
# scripts/make-deb.sh's layout; the build's output goes to stderr. With
# VARIANT 2 it builds as scripts/lib/build-variant.sh's second build does.
# Usage: build-in-root-inside.sh VARIANT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dsc=$(echo "$here"/*.dsc)
work=/build/src
if [[ $1 == 2 ]]; then
  # shellcheck source=scripts/lib/build-variant.sh
  source "$here/build-variant.sh"
  work=/build/second-build-in-a-folder-with-a-much-longer-name/src
  umask "$(quill_variant_umask)"
  # shellcheck disable=SC2046 # one word each
  export $(quill_variant_env)
fi
mkdir -p "$work" /build/out
chown -R nobody:nogroup /build "$here"
# shellcheck disable=SC2016 # expanded by the inner shell
runuser -u nobody -- env HOME=/nonexistent DEB_BUILD_OPTIONS="parallel=$(nproc)" bash -c '
  set -euo pipefail
  dpkg-source -x "$1" "$2/tree" >&2
  cd "$2/tree"
  dpkg-buildpackage -b -us -uc >&2' build "$dsc" "$work"
# shellcheck source=scripts/lib/build-results.sh
source "$here/build-results.sh"
quill_collect_build "$work/tree" /build/out
tar -c -C /build/out .
