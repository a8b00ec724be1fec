#!/usr/bin/env bash
# Makes the Debian source package (quillmar-appearance_<version>.dsc and its
# .tar.xz, format 3.0 (native)) from the working tree, or an export of it:
# every file but those version control ignores, less what
# debian/source/options leaves out (the build folders); their modes are the
# same whatever the umask they were made under. Prints the .dsc's path.
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
ignores=$(sed -nE 's/^tar-ignore *= *(.+)$/--exclude=\1/p' "$repo/debian/source/options")
mapfile -t ignored <<<"$ignores"
mkdir "$src"
tar -C "$repo" --exclude-vcs --exclude-vcs-ignores "${ignored[@]}" -c . | tar -x -C "$src"
chmod -R u+rwX,go+rX,go-w "$src"
if ! (cd "$out" && dpkg-source -b "quillmar-appearance-$version") >"$out/source.log" 2>&1; then
  cat "$out/source.log" >&2
  exit 1
fi
echo "$out/quillmar-appearance_$version.dsc"
