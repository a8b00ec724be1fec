#!/usr/bin/env bash
# Builds the source package DSC with sbuild as Debian's build daemons do: in a
# throwaway root of Debian RELEASE holding only the build dependencies
# (--chroot-mode=unshare over a kept tarball that mmdebstrap makes with them
# installed), as the build user, with no network during the build. On this
# machine's release the .deb must be the bytes of the machine's build in
# MACHINE_DIR (scripts/package.sh's) where both had the same build
# dependencies (their .buildinfo); where a version differs, this names it.
# Skipped (77) inside a testbed. sbuild's log is kept in OUT_DIR.
# Usage: sbuild.sh RELEASE DSC MACHINE_DIR OUT_DIR
set -euo pipefail
release=$1 out=$(realpath -m "$4")
dsc=$(realpath "$2")
machine=$(realpath "$3")
source "$(dirname "$0")/../../scripts/lib/debian-tools.sh"
why=$(quill_can_nest) || { echo "Skipped: $why." && exit 77; }
quill_tarball sbuild "$release" --variant=buildd \
  --chrooted-customize-hook='bash -c ". /tmp/quill/scripts/lib/debian-tools.sh && quill_install_build_deps /tmp/quill"'
rm -rf -- "$out" && mkdir -p "$out/tmp" && cp "$dsc" "${dsc%.dsc}.tar.xz" "$out/" && cd "$out"
chown -R "$quill_build_user:" .
# setpriv, not runuser, which would start a session that quill_bound cannot end.
if ! TMPDIR=$out/tmp quill_bound setpriv --reuid="$quill_build_user" --regid="$quill_build_user" --init-groups \
  env HOME="$out" sbuild --chroot-mode=unshare --chroot="$quill_tarball_path" --dist="$release" --nolog \
  --no-run-lintian --no-run-piuparts --no-run-autopkgtest "$(basename "$dsc")" >sbuild.log 2>&1; then
  tail -40 sbuild.log
  echo "sbuild failed in Debian $release; its output is in $out/sbuild.log."
  exit 1
fi
deb=$(basename "$dsc" .dsc)_amd64.deb
echo "Built by sbuild in Debian $release: $deb ($(sha256sum <"$deb" | cut -c1-16))"
. /etc/os-release
[[ $VERSION_CODENAME == "$release" ]] || exit 0
if cmp -s "$deb" "$machine/$deb"; then
  echo "The same bytes as this machine's build."
  exit 0
fi
build_deps() { sed -n '/^Installed-Build-Depends:/,/^[^ ]/{/^ /p}' "$1" | tr -d ' ,' | sort; }
ours=$(build_deps "$machine/${deb%.deb}.buildinfo")
theirs=$(build_deps "${deb%.deb}.buildinfo")
differing=$(comm -3 <(echo "$ours") <(echo "$theirs") | tr -d '\t' | tr '\n' ' ')
if [[ -n $differing ]]; then
  echo "Not the bytes of this machine's build, whose build dependencies differ from the root's: $differing"
  exit 0
fi
echo "FAIL: not the bytes of this machine's build, with the same build dependencies:"
diffoscope --text - "$machine/$deb" "$deb" | head -60 || true
exit 1
