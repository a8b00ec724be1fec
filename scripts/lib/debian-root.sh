# shellcheck shell=bash
# Kept Debian roots, shared by every clone and run on the machine, and
# throwaway runs inside them. Sourced, not run; needs root, debootstrap,
# util-linux (unshare, setpriv, flock, findmnt) and overlayfs.
#
#   quill_roots_dir
#       Prints the folder the roots are kept in: $QUILL_ROOTS, else
#       /var/cache/quillmar/roots.
#
#   quill_roots_ready
#       Returns 0 when the folder can be made and written; else prints one
#       line saying why and returns 1, having written nothing anywhere.
#
#   quill_roots_usable
#       As quill_roots_ready, and 1 with a line inside the Debian lane
#       (QUILL_IN_LANE set), where no root of another release is made: the
#       tests that need roots skip on it.
#
#   quill_root_key NAME RECIPE
#       Prints the key of the root that RECIPE (a file) sets up:
#       NAME-<the first 12 hex digits of its SHA-256>. A changed recipe is a
#       root of its own, so that no run sees a root change under it and a
#       package the recipe no longer installs is gone.
#
#   quill_keep_root KEY RELEASE RECIPE
#       Makes sure root KEY holds Debian RELEASE set up by RECIPE, a bash
#       script run as root inside it. Checked under a shared lock, so that
#       runs using the root are not waited for. Made when missing, broken
#       or a week old: a copy of the release's minimal root (base-RELEASE,
#       made by `debootstrap --variant=minbase` and itself remade weekly),
#       with RECIPE run in it, built in a folder of its own and swapped in
#       only when complete; while a remake fails, the old root is used. Once
#       a root is made, the same NAME's roots of other recipes unused for a
#       day are deleted. Progress goes to stderr, nothing to stdout; a
#       failing step stops it with one line, and a non-zero status.
#
#   quill_run_in_root KEY [--tar DIR] [--offline] [VAR=value ...] COMMAND [ARG ...]
#       Runs COMMAND chrooted in root KEY, over a throwaway overlay: the kept
#       root is never changed, and any number of runs may share it (each
#       holds a shared lock on it). With --tar DIR, stdin is a tar stream
#       unpacked at DIR inside the overlay before COMMAND starts (and
#       COMMAND's stdin is /dev/null); otherwise COMMAND reads the caller's
#       stdin. With --offline the run has no network (a network namespace
#       of its own, with only a loopback). COMMAND gets a clean environment
#       (HOME=/root LANG=C.UTF-8 TERM=dumb and a standard PATH) plus the
#       VAR=value arguments. Returns COMMAND's status.
#
#   quill_mounts_below PATH
#       Prints the machine's mounts at or below PATH (a resolved path).
#
# Both quill_keep_root and quill_run_in_root do their work in mount and PID
# namespaces of their own, under a parent-death chain: the caller's shell is
# the parent of `setpriv --pdeathsig KILL unshare --kill-child`, whose child
# is the first process of the new PID namespace. However the caller ends
# (SIGKILL of its process group or of it alone, the OOM killer), unshare gets
# SIGKILL, the namespace's first process then, and the kernel ends every
# other process in the namespace; every mount (the overlay, /proc, /sys,
# /dev, what debootstrap and the recipes mount) is in the mount namespace,
# which no other process on the machine sees, and goes with it. Call them
# from the script's own shell, not a pipeline, command substitution or
# background job, for that shell to be the parent; give a tar stream by
# `< <(...)`. The folders a killed maker or run leaves are deleted by the
# next one. A root with a mount below it in the machine's namespace (an older
# lane's binds) is neither used nor deleted.
#
# In the folder: base-RELEASE/ and KEY/ (the roots, each with
# var/lib/quillmar/made once complete), NAME.lock (shared by users, taken
# whole to swap a root in or delete it; its time is the root's last use),
# NAME.make (held by the one process making NAME), NAME.log (the making's
# output), new/ (roots being made, and old ones being deleted) and scratch/
# (the runs' overlays).

_quill_lib=$(realpath -- "${BASH_SOURCE[0]}")
_quill_mirror=http://deb.debian.org/debian
_quill_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
_quill_week=$((7 * 24 * 60))
_quill_day=$((24 * 60))

quill_roots_dir() { printf '%s\n' "${QUILL_ROOTS:-/var/cache/quillmar/roots}"; }

# The folder, made and resolved (/proc/PID/root and findmnt show resolved
# paths); one line and 1 when it cannot be made or written.
_quill_dir() {
  local dir probe
  dir=$(quill_roots_dir)
  if [[ $dir != /* ]]; then
    echo "The roots folder '$dir' (QUILL_ROOTS) is not an absolute path." >&2
    return 1
  fi
  if ! mkdir -p -- "$dir/scratch" "$dir/new" 2>/dev/null || ! probe=$(mktemp -p "$dir" .probe.XXXXXX 2>/dev/null); then
    echo "Cannot make or write the roots folder $dir: set QUILL_ROOTS to a folder that root can write." >&2
    return 1
  fi
  rm -f -- "$probe"
  realpath -- "$dir"
}

quill_roots_ready() { _quill_dir >/dev/null; }

quill_roots_usable() {
  if [[ -n ${QUILL_IN_LANE:-} ]]; then
    echo "Skipped: inside the Debian lane, where no root of another release can be made." >&2
    return 1
  fi
  quill_roots_ready
}

quill_root_key() {
  local hash
  hash=$(sha256sum <"$2") || return 1
  printf '%s-%s\n' "$1" "${hash:0:12}"
}

quill_mounts_below() { findmnt -rn -o TARGET | awk -v p="$1" '$0 == p || index($0, p "/") == 1'; }

# Fails with a message when anything is mounted below PATH: such a folder is
# not used, and deleting it would delete what is bound there.
_quill_refuse_mounts() {
  local left
  left=$(quill_mounts_below "$1")
  [[ -z $left ]] && return 0
  echo "Mounts are left below $1; not using or deleting it until they are unmounted (umount -R): $(tr '\n' ' ' <<<"$left")" >&2
  return 1
}

# Opens FILE on a new descriptor, left in _quill_fd, and takes MODE (-s or
# -x) lock on it; says so when it has to wait. The lock is held until every
# process holding the descriptor has closed it or ended.
_quill_lock() {
  local mode=$1 file=$2
  exec {_quill_fd}>>"$file" || return 1
  if ! flock -n "$mode" "$_quill_fd"; then
    echo "Waiting for another run's lock on $file." >&2
    flock "$mode" "$_quill_fd" || return 1
  fi
}

# The inner functions below run only as the first process of a PID namespace
# of their own (their end, and `kill -1` in them, reach that namespace only).
_quill_first_in_namespace() {
  (($$ == 1)) && return 0
  echo "debian-root.sh: $1 runs only as the first process of its own PID namespace; refusing." >&2
  return 1
}

# Runs FUNCTION ARG... in new mount and PID namespaces (and with --offline a
# new network namespace) that end with this shell's parent: unshare gets
# SIGKILL when the parent ends (setpriv), and the namespaces' first process
# when unshare ends (--kill-child). Replaces this shell.
_quill_exec_namespaced() {
  local net=()
  if [[ $1 == --offline ]]; then
    net=(--net)
    shift
  fi
  # shellcheck disable=SC2016 # expanded by the new shell
  exec setpriv --pdeathsig KILL \
    unshare --mount --propagation private --pid --fork --kill-child "${net[@]}" \
    bash -c 'source "$1" && shift && "$@"' quill-root "$_quill_lib" "$@"
}

# Mounts what programs need inside TOP: /proc, and /sys, /dev, /dev/pts and
# /dev/shm bound; gives it the machine's name servers.
_quill_mount_system() {
  local top=$1 what
  mount -t proc proc "$top/proc" || return 1
  for what in sys dev dev/pts dev/shm; do
    mount --bind "/$what" "$top/$what" || return 1
  done
  rm -f "$top/etc/resolv.conf" && cp /etc/resolv.conf "$top/etc/resolv.conf"
}

_quill_root_is_sound() {
  [[ -f $1/var/lib/quillmar/made && -x $1/bin/bash ]] && chroot "$1" /bin/true 2>/dev/null
}

_quill_root_is_fresh() {
  [[ -z $(find "$1/var/lib/quillmar/made" -mmin +"$_quill_week" 2>/dev/null) ]]
}

# The last line of LOG, for a one-line report of a failed step.
_quill_last_line() { tail -n 1 "$1" 2>/dev/null | tr -d '\r'; }

# Makes NEW (an empty folder) into a root: debootstrap's minimal RELEASE
# when RECIPE is empty, else a copy of base-RELEASE with RECIPE run in it.
# Its output goes to LOG. Runs in the maker's namespaces: what debootstrap
# and RECIPE mount there goes with them.
_quill_make_into() {
  local dir=$1 new=$2 suite=$3 recipe=$4 log=$5 fd
  if [[ -z $recipe ]]; then
    if ! debootstrap --variant=minbase "$suite" "$new" "$_quill_mirror" >>"$log" 2>&1; then
      echo "debootstrap of Debian $suite failed (its output is in $log): $(_quill_last_line "$log")" >&2
      return 1
    fi
  else
    _quill_lock -s "$dir/base-$suite.lock" || return 1
    fd=$_quill_fd
    if ! cp -a --one-file-system "$dir/base-$suite/." "$new/" 2>>"$log"; then
      echo "Copying base-$suite into $new failed: $(_quill_last_line "$log")" >&2
      return 1
    fi
    exec {fd}>&-
    mkdir -p "$new/var/lib/quillmar" && cp "$recipe" "$new/var/lib/quillmar/recipe" || return 1
    local status=0
    _quill_mount_system "$new" &&
      chroot "$new" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb PATH="$_quill_path" \
        bash /var/lib/quillmar/recipe </dev/null >>"$log" 2>&1 || status=$?
    # Unmounted whatever happened, for the folder to be deleted or swapped in.
    umount -R "$new/proc" "$new/sys" "$new/dev" 2>/dev/null
    if ((status != 0)); then
      echo "The set-up of $(basename "$new") failed (its output is in $log): $(_quill_last_line "$log")" >&2
      return 1
    fi
  fi
  mkdir -p "$new/var/lib/quillmar" && date -u >"$new/var/lib/quillmar/made"
}

# Deletes PATH, a root or a folder of roots, unless something is mounted
# below it.
_quill_delete() {
  _quill_refuse_mounts "$1" || return 1
  rm -rf --one-file-system -- "$1"
}

# Deletes PATH when LOCK can be taken whole now: no process that holds it
# (a maker, a run) is alive. Returns 1 only when LOCK could be taken and the
# deletion failed.
_quill_delete_if_unlocked() {
  local lock=$1 path=$2 fd status=0
  exec {fd}>>"$lock" || return 0
  if flock -n -x "$fd"; then
    _quill_delete "$path" || status=1
  fi
  exec {fd}>&-
  return $status
}

# Swaps NEW in as root NAME once no run uses the old one, then deletes the old.
_quill_swap_in() {
  local dir=$1 name=$2 new=$3 old=""
  _quill_lock -x "$dir/$name.lock" || return 1
  if [[ -e $dir/$name ]]; then
    old=$(mktemp -d "$dir/new/$name.old.XXXXXX") && mv -- "$dir/$name" "$old/" || return 1
  fi
  mv -- "$new" "$dir/$name" || return 1
  exec {_quill_fd}>&-
  [[ -z $old ]] || _quill_delete "$old"
}

# Deletes the roots of NAME's other recipes that no run has used for a day
# and none uses now.
_quill_prune() {
  local dir=$1 key=$2 other
  for other in "$dir/${key%-*}"-[0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f]; do
    [[ -d $other && $other != "$dir/$key" ]] || continue
    [[ -z $(find "$other.lock" -mmin -"$_quill_day" 2>/dev/null) ]] || continue
    _quill_delete_if_unlocked "$other.lock" "$other" || continue
    if [[ ! -e $other ]]; then
      rm -f -- "$other.make" "$other.log"
      echo "Deleted $other, a root of another recipe unused for a day." >&2
    fi
  done
  return 0
}

# Deletes what killed makers left in new/: NAME's own (this maker holds its
# lock), and any other whose maker's lock is free.
_quill_sweep_new() {
  local dir=$1 name=$2 new other
  for new in "$dir"/new/*; do
    [[ -e $new ]] || continue
    other=${new##*/}
    other=${other%%.*}
    if [[ $other == "$name" ]]; then
      _quill_delete "$new" || return 1
      continue
    fi
    _quill_delete_if_unlocked "$dir/$other.make" "$new"
  done
  return 0
}

# Makes sure root NAME is sound and less than a week old (see
# quill_keep_root); RECIPE empty for base-RELEASE.
_quill_ensure() {
  local dir=$1 name=$2 suite=$3 recipe=$4 root=$1/$2 new
  _quill_lock -s "$dir/$name.lock" || return 1
  if _quill_root_is_sound "$root" && _quill_root_is_fresh "$root"; then
    exec {_quill_fd}>&-
    return 0
  fi
  exec {_quill_fd}>&-
  # One maker at a time; another may have made it meanwhile.
  _quill_lock -x "$dir/$name.make" || return 1
  if _quill_root_is_sound "$root" && _quill_root_is_fresh "$root"; then
    return 0
  fi
  if [[ -n $recipe ]]; then
    _quill_ensure "$dir" "base-$suite" "$suite" "" || return 1
  fi
  _quill_sweep_new "$dir" "$name" || return 1
  new=$(mktemp -d "$dir/new/$name.XXXXXX") || return 1
  if [[ -e $root ]]; then
    echo "Making $name again beside the old one (broken or a week old)." >&2
  else
    echo "Making $name in $dir." >&2
  fi
  : >"$dir/$name.log"
  if _quill_make_into "$dir" "$new" "$suite" "$recipe" "$dir/$name.log"; then
    _quill_swap_in "$dir" "$name" "$new" || return 1
    [[ -z $recipe ]] || _quill_prune "$dir" "$name"
    return 0
  fi
  _quill_delete "$new"
  if _quill_root_is_sound "$root"; then
    echo "Using the old $name, made $(cat "$root/var/lib/quillmar/made"), until a remake succeeds." >&2
    return 0
  fi
  return 1
}

# quill_keep_root's work, in its own namespaces.
_quill_keep_inside() {
  _quill_first_in_namespace _quill_keep_inside || exit 1
  _quill_ensure "$@" || exit 1
}

quill_keep_root() (
  local dir
  dir=$(_quill_dir) || exit 1
  if [[ ! -f $3 ]]; then
    echo "No recipe file $3 for root $1." >&2
    exit 1
  fi
  _quill_exec_namespaced _quill_keep_inside "$dir" "$1" "$2" "$(realpath -- "$3")"
)

# Deletes the scratch folders of runs that have ended (killed runs leave
# theirs): a live run holds the lock in its folder.
_quill_sweep_scratch() {
  local dir=$1 scratch
  for scratch in "$dir"/scratch/*/; do
    scratch=${scratch%/}
    [[ -d $scratch ]] || continue
    _quill_delete_if_unlocked "$scratch/lock" "$scratch"
  done
  return 0
}

# A run, in its own namespaces: mounts the overlay, binds what programs
# need, unpacks the input and runs the command chrooted. On its way out it
# ends what the command left running and deletes the overlay's folder.
# Arguments: ROOT SCRATCH TAR_DIR|"" COUNT VAR=value... COMMAND...
_quill_inside() {
  _quill_first_in_namespace _quill_inside || exit 1
  set -euo pipefail
  local root=$1 scratch=$2 into=$3 count=$4 top=$2/top
  shift 4
  local vars=("${@:1:count}")
  shift "$count"
  # The values now: the trap may run after this function has returned.
  # shellcheck disable=SC2064
  trap "set +e; kill -KILL -1 2>/dev/null; wait
    umount -R $(printf %q "$top"); rm -rf --one-file-system $(printf %q "$scratch")" EXIT
  mount -t overlay overlay -o "lowerdir=$root,upperdir=$scratch/upper,workdir=$scratch/work" "$top"
  _quill_mount_system "$top"
  if [[ -n $into ]]; then
    mkdir -p "$top$into"
    tar -x -C "$top$into"
    exec </dev/null
  fi
  # In the background: the first process of a PID namespace gets only the
  # signals it has handlers for, and runs them only between commands.
  trap 'exit 130' INT
  trap 'exit 143' TERM HUP
  chroot "$top" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb PATH="$_quill_path" \
    "${vars[@]}" "$@" &
  wait $!
}

quill_run_in_root() (
  local key=$1 into="" offline=() dir root scratch sweep
  shift
  while [[ ${1-} == --* ]]; do
    case $1 in
      --tar) into=$2 && shift 2 ;;
      --offline) offline=(--offline) && shift ;;
      *) echo "quill_run_in_root: unknown option $1" >&2 && exit 2 ;;
    esac
  done
  local vars=()
  while [[ ${1-} =~ ^[A-Za-z_][A-Za-z0-9_]*= ]]; do
    vars+=("$1")
    shift
  done
  dir=$(_quill_dir) || exit 1
  root=$dir/$key
  _quill_lock -s "$dir/$key.lock" || exit 1
  touch "$dir/$key.lock"
  if ! _quill_root_is_sound "$root"; then
    echo "No complete root $root; make it with quill_keep_root first." >&2
    exit 1
  fi
  _quill_refuse_mounts "$root" || exit 1

  # Under a lock of its own, so that no sweep sees the new folder before
  # its run holds it.
  _quill_lock -x "$dir/scratch/sweep.lock" || exit 1
  sweep=$_quill_fd
  _quill_sweep_scratch "$dir"
  scratch=$(mktemp -d "$dir/scratch/$key.XXXXXX") || exit 1
  _quill_lock -x "$scratch/lock" || exit 1
  exec {sweep}>&-
  mkdir "$scratch/upper" "$scratch/work" "$scratch/top" || exit 1

  _quill_exec_namespaced "${offline[@]}" _quill_inside "$root" "$scratch" "$into" "${#vars[@]}" "${vars[@]}" "$@"
)
