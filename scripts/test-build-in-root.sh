#!/usr/bin/env bash
# Builds the source package (scripts/make-source.sh) from source in a clean
# minimal root of RELEASE that holds only its build dependencies (installed
# with `apt-get build-dep` from its debian/control; kept as the lane keeps
# its root, keyed by that file), with no network during the build, as an
# unprivileged user, as Debian's builders do; twice, the second as a second
# build varies (scripts/lib/build-variant.sh), and compares the two. Where
# RELEASE is this machine's release, it also compares the root's build with
# the machine's in MACHINE_DIR (scripts/make-deb.sh): each release's
# compilers give their own bytes, so only there must they agree.
# Skipped (77) inside the Debian lane, where no root can be made, and where
# the roots folder cannot be made.
# Usage: test-build-in-root.sh RELEASE MACHINE_DIR OUT_DIR
set -euo pipefail
release=$1
machine=$(realpath "$2")
repo=$(cd "$(dirname "$0")/.." && pwd -P)
source "$repo/scripts/lib/debian-root.sh"
source "$repo/scripts/lib/recipe.sh"
source "$repo/scripts/lib/output-dir.sh"
quill_roots_usable || exit 77
out=$(realpath -m "$3")
quill_fresh_output_dir "$out"
start=$SECONDS

dsc=$(bash "$repo/scripts/make-source.sh" "$out/source")
recipe=$out/recipe
quill_recipe_with_files "$(dirname "$dsc")/$(basename "$dsc" .dsc | tr _ -)" \
  'export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get build-dep -y -qq --no-install-recommends ./ >/dev/null
apt-get clean' debian/control >"$recipe"
key=$(quill_root_key "build-$release" "$recipe")
quill_keep_root "$key" "$release" "$recipe"
echo "Root $key ready in $((SECONDS - start)) s."

input=$out/input
mkdir "$input"
cp "$dsc" "${dsc%.dsc}.tar.xz" "$repo/scripts/build-in-root-inside.sh" "$repo/scripts/lib/build-variant.sh" \
  "$repo/scripts/lib/build-results.sh" "$input/"
# Builds VARIANT in the root into OUT_DIR/NAME; from this shell, not a
# pipeline, so that the run dies with this script.
build() {
  local variant=$1 name=$2 status=0
  mkdir "$out/$name"
  quill_run_in_root "$key" --tar /build/input --offline bash /build/input/build-in-root-inside.sh "$variant" \
    >"$out/$name.tar" 2>"$out/$name.log" < <(tar -c -C "$input" .) || status=$?
  if ((status != 0)); then
    tail -30 "$out/$name.log"
    echo "The build in $key failed ($status); its output is in $out/$name.log."
    return 1
  fi
  tar -x -C "$out/$name" -f "$out/$name.tar"
  echo "Built in $key in $((SECONDS - start)) s."
}
build 1 first
build 2 second
status=0
echo "The root's two builds must agree:"
bash "$repo/scripts/compare-builds.sh" "$out/first" "$out/second" || status=1
. /etc/os-release
if [[ ${VERSION_CODENAME:-} == "$release" ]]; then
  echo "This machine runs Debian $release: its build and the root's must agree too:"
  bash "$repo/scripts/compare-builds.sh" "$machine" "$out/first" || status=1
fi
exit $status
