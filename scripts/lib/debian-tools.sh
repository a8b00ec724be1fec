# shellcheck shell=bash
# What the scripts share around Debian's own tools (mmdebstrap, sbuild,
# autopkgtest, reprotest). Sourced, not run; the tarballs need root.
#
#   quill_build_user        the ordinary user that sbuild and reprotest run as
#                           (scripts/setup.sh makes it)
#   quill_install_build_deps TREE
#                           installs the build dependencies of the source tree
#                           TREE (its debian/control) with Debian's
#                           build-essential, as a builder does
#   quill_can_nest          1, with the reason, inside a testbed or a root
#                           being made, where no testbed of its own can be had
#   quill_bound COMMAND...  runs COMMAND so that it ends, with all it started,
#                           when the calling script ends, however it ends
#   quill_tarball NAME RELEASE [--kept] [--with FILE]... ARG...
#                           sets quill_tarball_path to a kept tarball of
#                           RELEASE made by `mmdebstrap --mode=unshare ARG...`
#                           (see below); call it from the script's own shell,
#                           not a command substitution, for quill_bound to
#                           end the making with the script

quill_build_user=quill-build
_quill_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd -P)
_quill_cache=/var/cache/quillmar

quill_install_build_deps() {
  DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq --no-install-recommends "$1" >/dev/null
}

# A testbed, or a root that mmdebstrap is making, is a user namespace that
# maps 65536 ids: too few to give another one its own.
quill_can_nest() {
  local ids=0 count
  while read -r _ _ count; do ((ids += count)); done </proc/self/uid_map
  if ((ids < 65536 * 2)); then
    echo "this runs in a testbed that maps only $ids user ids, too few for a testbed of its own"
    return 1
  fi
}

# The Debian tools keep running, and keep their testbeds' namespaces alive,
# when they are killed or their parent dies. COMMAND runs in a process group
# of its own, under a bash that gets TERM when the calling shell ends
# (setpriv's parent-death signal) and then kills that whole group; the first
# process of each PID namespace that the tools make is in it, so every
# process inside a namespace goes too, and the namespace's mounts with it.
quill_bound() {
  setpriv --pdeathsig TERM setsid bash -c 'trap "kill -KILL 0" TERM; "$@" & wait $!' bound "$@"
}

# The tarball's name carries a hash of RELEASE, the arguments and the
# contents of each --with FILE (a path in the repository, copied into the
# new root's /tmp/quill before the hooks run and removed after them): a
# changed recipe is a tarball of its own. It is made when missing or a week
# old (with --kept, it returns 1 instead), in a folder of its own that
# becomes the tarball only when complete; what a killed making left is
# deleted by the next one, and tarballs of the same NAME unused for a day are
# deleted once a new one is made. Progress goes to stderr. Every step is
# checked by hand: callers may call it where set -e is off.
quill_tarball() {
  local name=$1 release=$2 files=() args=() kept=false
  shift 2
  while (($#)); do
    case $1 in
      --with) files+=("$2") && shift 2 ;;
      --kept) kept=true && shift ;;
      *) args+=("$1") && shift ;;
    esac
  done
  local key making tarball
  key=$({ printf '%s\0' "$release" "${args[@]}" "${files[@]}" && (cd "$_quill_repo" && cat -- "${files[@]}"); } |
    sha256sum) || return 1
  tarball=$_quill_cache/$name-$release-${key:0:12}.tar
  quill_tarball_path=$tarball
  if [[ -f $tarball && -z $(find "$tarball" -mmin +$((7 * 24 * 60))) ]]; then
    touch -a "$tarball" || return 1
    return 0
  fi
  ! $kept || return 1
  mkdir -p "$_quill_cache" && _quill_sweep_makings || return 1
  making=$(mktemp -d "$_quill_cache/.making.$$.XXXXXX") && chmod 0755 "$making" || return 1
  local copy=()
  if ((${#files[@]})); then
    mkdir "$making/files" && (cd "$_quill_repo" && cp --parents -- "${files[@]}" "$making/files/") || return 1
    copy=(--customize-hook="mkdir -p \"\$1/tmp/quill\" && cp -r $(printf '%q' "$making")/files/. \"\$1/tmp/quill/\"")
    args+=(--customize-hook='rm -rf "$1/tmp/quill"')
  fi
  echo "Making $tarball with mmdebstrap." >&2
  if ! TMPDIR=$making quill_bound mmdebstrap --mode=unshare --quiet --format=tar \
    "${copy[@]}" "${args[@]}" "$release" "$making/tarball.tar" >&2; then
    rm -rf -- "$making"
    echo "mmdebstrap could not make the tarball $tarball (above)." >&2
    return 1
  fi
  chmod 0644 "$making/tarball.tar" && mv -- "$making/tarball.tar" "$tarball" && rm -rf -- "$making" || return 1
  find "$_quill_cache" -maxdepth 1 -name "$name-$release-*.tar" ! -path "$tarball" -amin +$((24 * 60)) -delete
}

# Deletes the folders of makings whose maker is gone.
_quill_sweep_makings() {
  local making pid
  for making in "$_quill_cache"/.making.*; do
    [[ -e $making ]] || continue
    pid=${making#"$_quill_cache"/.making.}
    pid=${pid%%.*}
    kill -0 "$pid" 2>/dev/null || rm -rf -- "$making" || return 1
  done
}
