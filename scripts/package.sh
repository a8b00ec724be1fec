#!/usr/bin/env bash
# Installs the Debian package's build dependencies (debian/control's
# Build-Depends and build-essential; nothing of the test tools) and builds
# the package from source as Debian's builders do: the source package
# (scripts/make-source.sh), then `dpkg-buildpackage -b` in its unpacked tree.
# Leaves in OUT_DIR (build/deb unless given) the .deb and its .buildinfo,
# source/ and build/ (the tree and its log); prints the .deb's path.
# Usage: package.sh [OUT_DIR]   (a new folder, or one these scripts made)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd -P)
source "$repo/scripts/lib/debian-tools.sh"
source "$repo/scripts/lib/output-dir.sh"
if ! dpkg-checkbuilddeps "$repo/debian/control" >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive apt-get update -qq
  quill_install_build_deps "$repo"
fi
out=$(realpath -m "${1:-$repo/build/deb}")
quill_fresh_output_dir "$out"
dsc=$(bash "$repo/scripts/make-source.sh" "$out/source")
tree=$out/build/$(basename "$dsc" .dsc | tr _ -)
mkdir "$out/build"
dpkg-source -x "$dsc" "$tree" >"$out/build/source.log" 2>&1 || { cat "$out/build/source.log" >&2 && exit 1; }
if ! (cd "$tree" && dpkg-buildpackage -b -us -uc --jobs-try=auto) >"$out/build/build.log" 2>&1; then
  tail -40 "$out/build/build.log" >&2
  echo "dpkg-buildpackage failed; its output is in $out/build/build.log." >&2
  exit 1
fi
mv "$out"/build/*.deb "$out"/build/*.buildinfo "$out/"
echo "$out/$(basename "$dsc" .dsc)_amd64.deb"
