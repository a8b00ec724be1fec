#!/usr/bin/env bash
# Builds the Debian package from source as Debian's builders do: makes the
# source package (scripts/make-source.sh), unpacks it and runs
# `dpkg-buildpackage -b` in it, which builds both Windows programs with
# MinGW-w64 (debian/rules). Needs the package's build dependencies
# (scripts/package.sh installs them). Leaves in OUT_DIR (default build/deb)
# the .deb, the two release zips, programs/win32 and programs/win64 (the
# programs as linked), source/ (the source package) and build/ (the build's
# tree and log); prints the .deb's path.
# Usage: make-deb.sh [OUT_DIR]   (a new folder, or one these scripts made)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd -P)
source "$repo/scripts/lib/output-dir.sh"
source "$repo/scripts/lib/build-results.sh"
out=$(realpath -m "${1:-$repo/build/deb}")
quill_fresh_output_dir "$out"
dsc=$(bash "$repo/scripts/make-source.sh" "$out/source")
version=$(basename "$dsc" .dsc)
version=${version#*_}
tree=$out/build/quillmar-appearance-$version
mkdir "$out/build"
if ! dpkg-source -x "$dsc" "$tree" >"$out/build/source.log" 2>&1; then
  cat "$out/build/source.log" >&2
  exit 1
fi
if ! (cd "$tree" && dpkg-buildpackage -b -us -uc --jobs-try=auto) >"$out/build/build.log" 2>&1; then
  tail -40 "$out/build/build.log" >&2
  echo "dpkg-buildpackage failed; its output is in $out/build/build.log." >&2
  exit 1
fi
quill_collect_build "$tree" "$out"
echo "$out/quillmar-appearance_${version}_amd64.deb"
