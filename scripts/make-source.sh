#!/usr/bin/env bash
# Makes the Debian source package (quillmar-appearance_<version>.dsc and its
# .tar.xz, format 3.0 native) from the source tree: the files git tracks or
# would track (the working tree's state), or, in an export without .git,
# every file but the build folders. Prints the .dsc's path.
# Usage: make-source.sh OUT_DIR   (a new folder, or one these scripts made)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd -P)
source "$repo/scripts/lib/output-dir.sh"
out=$(realpath -m "$1")
version=$(dpkg-parsechangelog -l "$repo/debian/changelog" -SVersion)
project=$(sed -nE 's/^project\([A-Za-z]+ VERSION ([0-9.]+).*/\1/p' "$repo/CMakeLists.txt")
if [[ $version != "$project" ]]; then
  echo "debian/changelog's version $version is not project()'s $project in CMakeLists.txt" >&2
  exit 1
fi
quill_fresh_output_dir "$out"
src=$out/quillmar-appearance-$version
mkdir "$src"

if git -C "$repo" rev-parse --git-dir >/dev/null 2>&1; then
  git -C "$repo" ls-files -z --cached --others --exclude-standard |
    (cd "$repo" && while IFS= read -r -d '' f; do [[ -e $f ]] && printf '%s\0' "$f"; done)
else
  (cd "$repo" && find . -path ./build -prune -o -path './build-*' -prune -o -path ./debian-roots -prune \
    -o ! -type d -printf '%P\0')
fi | tar -C "$repo" --null -T - -c | tar -x -C "$src"

if ! (cd "$out" && dpkg-source -b "quillmar-appearance-$version") >"$out/source.log" 2>&1; then
  cat "$out/source.log" >&2
  exit 1
fi
echo "$out/quillmar-appearance_$version.dsc"
