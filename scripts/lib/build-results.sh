# shellcheck shell=bash
# What a package build leaves, laid out for scripts/compare-builds.sh.
#   quill_collect_build TREE OUT
#       Copies from the build in TREE (the unpacked source, where
#       dpkg-buildpackage ran) into OUT: the .deb (from TREE's parent), the
#       two release zips, and the programs as linked in programs/win32 and
#       programs/win64.
quill_collect_build() {
  local tree=$1 out=$2 kind
  cp "$tree"/../quillmar-appearance_*_amd64.deb "$tree"/obj-win*/quillmar-appearance-*.zip "$out/" || return 1
  for kind in win32 win64; do
    mkdir -p "$out/programs/$kind" && cp "$tree/obj-$kind/bin/quillmar-appearance.exe" "$out/programs/$kind/" || return 1
  done
}
