#!/usr/bin/env bash
# Makes the Debian package quillmar-appearance_<version>_amd64.deb from the
# programs the two Windows trees built (build/win32, build/win64), with
# debhelper, over a copy of packaging/ in OUT_DIR (default build/deb) so that
# nothing is written outside it. The version is project()'s. Prints the
# package's path.
# Usage: make-deb.sh [OUT_DIR]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$repo/build/deb}")
version=$(sed -nE 's/^project\([A-Za-z]+ VERSION ([0-9.]+).*/\1/p' "$repo/CMakeLists.txt")
[[ -n $version ]] || { echo "no version in project() of $repo/CMakeLists.txt" >&2; exit 1; }
src=$out/quillmar-appearance-$version

rm -rf "$out"
mkdir -p "$src/i386" "$src/x86_64"
cp -r "$repo/packaging/." "$src/"
cp "$repo/cmake/wine/loader.sh" "$repo/win32/resources/quillmar-appearance.svg" "$src/"
i686-w64-mingw32-strip -o "$src/i386/quillmar-appearance.exe" \
  "$repo/build/win32/bin/quillmar-appearance.exe"
x86_64-w64-mingw32-strip -o "$src/x86_64/quillmar-appearance.exe" \
  "$repo/build/win64/bin/quillmar-appearance.exe"
sed -i "s/@VERSION@/$version/g" "$src/debian/changelog" "$src/quillmar-appearance.1" \
  "$src/org.quillmar.AppearanceEditor.metainfo.xml"
# The licence, in the machine-readable copyright's form: each line indented,
# an empty one as " .".
{
  sed '/^License:/d' "$src/debian/copyright.in"
  echo "License: Expat"
  sed -e 's/^$/./' -e 's/^/ /' "$repo/LICENSE" | sed -n '/Permission is hereby/,$p'
} >"$src/debian/copyright"
rm "$src/debian/copyright.in"

if ! (cd "$src" && dpkg-buildpackage -b -us -uc) >"$out/build.log" 2>&1; then
  tail -30 "$out/build.log" >&2
  exit 1
fi
echo "$out/quillmar-appearance_${version}_amd64.deb"
