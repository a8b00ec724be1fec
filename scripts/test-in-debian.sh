#!/usr/bin/env bash
# Runs the README's test command in a minimal root of another Debian release
# (trixie unless named), entered with chroot, as root: that release's Wine,
# compilers and analysers over a clean export of the committed tree.
#
# The root lives in debian-roots/RELEASE (git ignores it) and is kept between
# runs; it is made again when it is incomplete, no longer starts a shell, or
# is older than a week. The export is made anew each run. /proc, /sys, /dev,
# /dev/pts and /dev/shm are bound into the root for the run and unbound on
# every way out; nothing else is mounted or unmounted.
#
# Prints the run, then the release and its Wine version and ctest's summary;
# exits with the run's status. QUILL_NO_32BIT is passed on to the run.
# Usage: scripts/test-in-debian.sh [RELEASE]
set -euo pipefail
release=${1:-trixie}
repo=$(cd "$(dirname "$0")/.." && pwd)
roots="$repo/debian-roots"
root="$roots/$release"
made="$roots/$release.made" # written once the root is complete
log="$roots/$release.log"
mirror=http://deb.debian.org/debian

mounted=()

# Ends whatever still runs inside the root (the run's Xvfb and wineserver
# leave their session), so that its mounts can go.
end_processes_in_root() {
  local signal pid
  for signal in TERM KILL; do
    local left=0
    for pid in /proc/[0-9]*; do
      [[ $(readlink "$pid/root" 2>/dev/null) == "$root" ]] || continue
      kill "-$signal" "${pid#/proc/}" 2>/dev/null && left=1
    done
    ((left)) || return 0
    sleep 1
  done
}

unbind() {
  local i
  ((${#mounted[@]})) || return 0
  end_processes_in_root
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}"
  done
  mounted=()
}
trap unbind EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

mounts_below() { findmnt -rn -o TARGET | grep -E "^$1(/|$)" || true; }

root_is_sound() {
  [[ -f $made && -x $root/bin/bash ]] || return 1
  [[ -z $(find "$made" -mmin +$((7 * 24 * 60))) ]] || return 1
  chroot "$root" /bin/true 2>/dev/null
}

make_root() {
  if [[ -n $(mounts_below "$root") ]]; then
    echo "Mounts are left below $root, not made by this run; not touching it:" >&2
    mounts_below "$root" >&2
    exit 1
  fi
  echo "Making a minimal Debian $release root in $root (debootstrap)."
  rm -rf --one-file-system "$root" "$made"
  mkdir -p "$roots"
  if ! debootstrap --variant=minbase "$release" "$root" "$mirror" >"$roots/$release.debootstrap.log" 2>&1; then
    tail -20 "$roots/$release.debootstrap.log" >&2
    exit 1
  fi
  date -u >"$made"
}

bind() {
  local what
  for what in proc sys dev dev/pts dev/shm; do
    mount --bind "/$what" "$root/$what"
    mounted+=("$root/$what")
    mount --make-private "$root/$what"
  done
}

command -v debootstrap >/dev/null || bash "$repo/scripts/setup.sh"
root_is_sound || make_root
cp /etc/resolv.conf "$root/etc/resolv.conf"

rm -rf --one-file-system "$root/work/quillmar"
mkdir -p "$root/work/quillmar"
git -C "$repo" archive --format=tar HEAD | tar -x -C "$root/work/quillmar"

bind
# In the background, so that an interrupt runs the trap at once (ctest itself
# only ends the test it is running); the trap then ends the run in the root.
rm -f "$roots/$release.status"
{
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb CI=true \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    ${QUILL_NO_32BIT:+QUILL_NO_32BIT=$QUILL_NO_32BIT} \
    bash -c 'cd /work/quillmar && bash scripts/test.sh' </dev/null
  echo $? >"$roots/$release.status"
} 2>&1 | tee "$log" &
wait $!
status=$(cat "$roots/$release.status" 2>/dev/null || echo 1)
wine=$(chroot "$root" /usr/bin/wine --version 2>/dev/null || echo "no Wine")
unbind

echo
echo "Debian $release ($(cat "$root/etc/debian_version")), $wine:"
sed -n '/tests passed, .* tests failed out of/,$p' "$log"
exit "$status"
