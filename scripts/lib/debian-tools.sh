# shellcheck shell=bash
# What the scripts share around Debian's own tools. Sourced, not run.
#   quill_build_user          the ordinary user that sbuild and reprotest run as
#   quill_install_build_deps TREE   the build dependencies of TREE/debian/control
#   quill_can_nest            1, with the reason, where no testbed can be had
#   quill_bound COMMAND...    COMMAND, ended with all it started when the
#                             calling shell ends, however it ends
#   quill_tarball NAME RELEASE [--kept] ARG...   see below

quill_build_user=quill-build
quill_cache=/var/cache/quillmar
_quill_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd -P)

quill_install_build_deps() {
  DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq --no-install-recommends "$1" >/dev/null
}

# A testbed is a user namespace of 65536 ids, too few to give another one
# its own; a root that mmdebstrap makes becomes one.
quill_can_nest() {
  local ids=0 count
  while read -r _ _ count; do ((ids += count)); done </proc/self/uid_map
  if [[ -n ${MMDEBSTRAP_MODE-} ]]; then
    echo "this runs in a root that mmdebstrap makes for a testbed"
  elif ((ids <= 65536 * 2)); then
    echo "this runs in a testbed, whose $ids user ids are too few for a testbed of its own"
  else
    return 0
  fi
  return 1
}

# Debian's tools keep their testbeds' namespaces alive when they are killed
# or their parent dies. COMMAND runs in a process group of its own, under a
# bash that gets TERM when the calling shell ends (setpriv's parent-death
# signal) and then kills the whole group: the first process of every PID
# namespace the tools make is in it, so the namespaces go too, mounts and all.
quill_bound() {
  setpriv --pdeathsig TERM setsid bash -c 'trap "kill -KILL 0" TERM; "$@" & wait $!' bound "$@"
}

# Sets quill_tarball_path to a tarball of Debian RELEASE made by `mmdebstrap
# --mode=unshare ARG...`, kept in the machine's cache folder and named by a
# hash of RELEASE, ARG... and the recipe files that hooks may take from
# /tmp/quill (scripts/setup.sh, this file, debian/control): a changed recipe
# is a tarball of its own. Made when missing or a week old (with --kept, 1 is
# returned instead) in a folder of its own, which the next making deletes if
# this one is killed. Tarballs of NAME unused for a day go once a new one is
# made. Call it from the script's own shell (not a command substitution), for
# quill_bound to end it with the script; every step is checked by hand, for
# callers that call it where set -e is off.
quill_tarball() {
  local name=$1 release=$2 kept=false key making tarball
  shift 2
  [[ $1 != --kept ]] || { kept=true && shift; }
  local recipe=(scripts/setup.sh scripts/lib/debian-tools.sh debian/control)
  key=$({ printf '%s\0' "$release" "$@" && (cd "$_quill_repo" && cat "${recipe[@]}"); } | sha256sum) || return 1
  tarball=$quill_cache/$name-$release-${key:0:12}.tar
  quill_tarball_path=$tarball
  if [[ -f $tarball && -z $(find "$tarball" -mmin +$((7 * 24 * 60))) ]]; then
    touch -a "$tarball"
    return
  fi
  ! $kept || return 1
  making=$tarball.making
  rm -rf -- "$making" && mkdir -p "$making/quill" && chmod -R a+rX "$making" &&
    (cd "$_quill_repo" && cp --parents "${recipe[@]}" "$making/quill/") || return 1
  echo "Making $tarball with mmdebstrap." >&2
  if ! TMPDIR=$making quill_bound mmdebstrap --mode=unshare --quiet --format=tar \
    --customize-hook="cp -r '$making/quill' \"\$1/tmp/\"" "$@" --customize-hook='rm -rf "$1/tmp/quill"' \
    "$release" "$making/tarball.tar" >&2; then
    rm -rf -- "$making"
    echo "mmdebstrap could not make $tarball (above)." >&2
    return 1
  fi
  chmod 0644 "$making/tarball.tar" && mv "$making/tarball.tar" "$tarball" && rm -rf -- "$making" &&
    find "$quill_cache" -maxdepth 1 -name "$name-$release-*.tar" -amin +$((24 * 60)) -delete
}
