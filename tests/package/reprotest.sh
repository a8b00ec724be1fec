#!/usr/bin/env bash
# reprotest builds the package twice from the source package DSC, as the
# build user, each as scripts/package.sh does (so the source package is made
# again too), the second varied, and compares the .deb, the source package
# and both release zips with diffoscope. Varied: the environment, the build
# path, the kernel's name and address layout, the time (faketime), the host
# and domain names, HOME, the locale, PATH, the time zone and the umask. Not
# varied: the user and group (reprotest needs sudo rights to a second user),
# the order of files in folders (disorderfs needs FUSE, which only root has
# here), the number of cores (both builds take all; two are too few to vary).
# First, a tree whose files and folders are group-writable, as a clone made
# under umask 0002 has them, must give the same source package.
# Skipped (77) inside a testbed, where no namespace for the host name can be had.
# Usage: reprotest.sh DSC OUT_DIR
set -euo pipefail
dsc=$(realpath "$1")
out=$(realpath -m "$2")
source "$(dirname "$0")/../../scripts/lib/debian-tools.sh"
why=$(quill_can_nest) || { echo "Skipped: $why." && exit 77; }
rm -rf -- "$out" && mkdir -p "$out/tmp" && dpkg-source -x "$dsc" "$out/tree" >/dev/null && cd "$out"
cp -r tree umask-0002 && chmod -R g+w umask-0002
for tree in tree umask-0002; do bash "$tree/scripts/make-source.sh" "source-$tree" >/dev/null; done
for file in source-tree/*.dsc source-tree/*.tar.xz; do
  cmp "$file" "source-umask-0002/${file#*/}" || { diffoscope --text - "$file" "source-umask-0002/${file#*/}" | head -40 && exit 1; }
done
echo "A group-writable tree gives the same source package."
chown -R "$quill_build_user:" .
TMPDIR=$out/tmp quill_bound setpriv --reuid="$quill_build_user" --regid="$quill_build_user" --init-groups \
  env HOME="$out" TMPDIR="$out/tmp" reprotest --min-cpus="$(nproc)" --vary=-user_group,-fileordering,-num_cpus \
  --store-dir=store -c 'bash scripts/package.sh >/dev/null' tree \
  'build/deb/*.deb build/deb/source/*.dsc build/deb/source/*.tar.xz build/deb/build/*/obj-win*/*.zip' -- null
