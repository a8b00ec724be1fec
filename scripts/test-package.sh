#!/usr/bin/env bash
# Tries the Debian package as a user of RELEASE (bookworm or trixie) would,
# in a throwaway overlay over a kept minimal root of that release, as root
# (scripts/test-package-in-root.sh says what it checks).
#
# The kept root (scripts/lib/debian-root.sh) is debootstrap's minbase with
# Xvfb and xauth, the test's tools, and no development package. Its recipe
# also downloads, without installing, what the package's Depends and
# Recommends pull in, so that each run installs Wine from the root's apt
# cache instead of fetching it again; the recipe, and so the root, follows
# the package's relations.
# Inside the Debian lane (it sets QUILL_IN_LANE=1) no root is
# made, and none where the roots folder cannot be made: skipped (77).
# Usage: test-package.sh RELEASE DEB APPLY_DRIVER_EXE
set -euo pipefail
release=$1
deb=$(realpath "$2")
driver=$(realpath "$3")
repo=$(cd "$(dirname "$0")/.." && pwd)
source "$repo/scripts/lib/debian-root.sh"
quill_roots_usable || exit 77
start=$SECONDS

# wine32 is i386's, which these roots do not enable: apt passes it over, and
# `apt-get satisfy` would fail on it.
relations=$(dpkg-deb -f "$deb" Depends Recommends | sed -E 's/^(Depends|Recommends): //' |
  tr '\n' ',' | sed -E 's/(^|, *)wine32(,|$)/\1/; s/,+$//')
recipe=$(mktemp)
input=$(mktemp -d)
trap 'rm -rf "$recipe" "$input"' EXIT
cat >"$recipe" <<RECIPE
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends xvfb xauth
apt-get satisfy -y -qq --download-only '$relations'
RECIPE
key=$(quill_root_key "package-$release" "$recipe")
quill_keep_root "$key" "$release" "$recipe"
echo "Root ready in $((SECONDS - start)) s."

cp "$deb" "$driver" "$repo/scripts/test-package-in-root.sh" "$input/"
# From this shell, not a pipeline: the run then dies with this script.
quill_run_in_root "$key" --tar /tmp/package DEBIAN_FRONTEND=noninteractive \
  bash /tmp/package/test-package-in-root.sh "/tmp/package/$(basename "$deb")" \
  < <(tar -c -C "$input" .)
echo "Debian $release: the package's checks passed in $((SECONDS - start)) s."
