# shellcheck shell=bash
# Kept Debian roots, shared by every clone and run on the machine, and
# throwaway runs inside them. Sourced, not run; needs root, debootstrap,
# util-linux (unshare, setpriv, flock, findmnt) and overlayfs.
#
#   quill_roots_dir
#       Prints the folder the roots are kept in: $QUILL_ROOTS, else
#       /var/cache/quillmar/roots.
#
#   quill_keep_root NAME RELEASE RECIPE
#       Makes sure the folder's root NAME holds Debian RELEASE set up by
#       RECIPE, a bash script run as root inside the root (an empty file for
#       a bare minbase root). Checked under a shared lock on NAME, so that
#       runs using the root are not waited for; when there is work, under an
#       exclusive one: the root is made with `debootstrap --variant=minbase`
#       when it is missing, incomplete, no longer starts a shell or a week
#       old, or its last set-up did not finish; RECIPE runs when the root is
#       new or RECIPE's hash differs from the one it last ran with. Progress goes to stderr, nothing to stdout; non-zero with a
#       message on failure.
#
#   quill_run_in_root NAME [--tar DIR] [VAR=value ...] COMMAND [ARG ...]
#       Runs COMMAND chrooted in root NAME, over a throwaway overlay: the kept
#       root is never changed, and any number of runs may share it (each holds
#       a shared lock on NAME). With --tar DIR, stdin is a tar stream unpacked
#       at DIR inside the overlay before COMMAND starts (and COMMAND's stdin
#       is /dev/null); otherwise COMMAND reads the caller's stdin. COMMAND
#       gets a clean environment (HOME=/root LANG=C.UTF-8 TERM=dumb and a
#       standard PATH) plus the VAR=value arguments. Returns COMMAND's status.
#
#   quill_mounts_below PATH
#       Prints the machine's mounts at or below PATH (a resolved path).
#
# Every mount (the overlay, /proc, /sys, /dev, /dev/pts, /dev/shm) is made in
# a mount namespace of the run's own, and every process in a PID namespace of
# its own, both ending with the run however it ends (SIGKILL too): no other
# process on the machine sees the mounts, nothing is left to unmount, and
# whatever the run leaves behind (an X server, a Wine server) dies with it.
# A killed run's overlay folder is deleted by the next run. A root with a
# mount below it in the machine's namespace is neither used nor deleted.
#
# Beside each root NAME in the folder: NAME.lock (the lock), NAME.made
# (written once debootstrap has made it), NAME.recipe (the hash of the recipe
# it was set up with; "pending" while the recipe runs), NAME.log
# (debootstrap's and the recipe's output), and scratch/ (the runs' overlays).

quill_roots_dir() { printf '%s\n' "${QUILL_ROOTS:-/var/cache/quillmar/roots}"; }

_quill_mirror=http://deb.debian.org/debian
_quill_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

# The folder, made and resolved (/proc/PID/root and findmnt show resolved
# paths).
_quill_dir() {
  local dir
  dir=$(quill_roots_dir)
  mkdir -p "$dir/scratch" && realpath -- "$dir"
}

quill_mounts_below() { findmnt -rn -o TARGET | awk -v p="$1" '$0 == p || index($0, p "/") == 1'; }

# Fails with a message when anything is mounted below PATH in the machine's
# namespace (binds an older lane made in the machine's namespace and a killed
# run left): such a folder is not used, and deleting it would delete what is
# bound there.
_quill_refuse_mounts() {
  local left
  left=$(quill_mounts_below "$1")
  [[ -z $left ]] && return 0
  echo "Mounts are left below $1; not using or deleting it until they are unmounted (umount -R):" >&2
  echo "$left" >&2
  return 1
}

# Takes MODE (-s or -x) lock on FILE through a new descriptor, held until the
# shell ends or closes it; the descriptor is left in _quill_fd. Says so when
# it has to wait for another run.
_quill_lock() {
  local mode=$1 file=$2
  exec {_quill_fd}>>"$file"
  if ! flock -n "$mode" "$_quill_fd"; then
    echo "Waiting for another run's lock on $file." >&2
    flock "$mode" "$_quill_fd"
  fi
}

# Runs inside the run's own mount and PID namespaces, as their first process
# (so its end ends every process in them): mounts the overlay when given one,
# binds what programs need, unpacks the input and runs the command chrooted.
# Arguments: ROOT UPPER|"" TAR_DIR|"" COUNT VAR=value... COMMAND...
_quill_inside() {
  set -euo pipefail
  local root=$1 scratch=$2 into=$3 count=$4 top what
  shift 4
  local vars=("${@:1:count}")
  shift "$count"
  top=$root
  if [[ -n $scratch ]]; then
    top=$scratch/top
    mount -t overlay overlay -o "lowerdir=$root,upperdir=$scratch/upper,workdir=$scratch/work" "$top"
  fi
  mount -t proc proc "$top/proc"
  for what in sys dev dev/pts dev/shm; do
    mount --bind "/$what" "$top/$what"
  done
  rm -f "$top/etc/resolv.conf"
  cp /etc/resolv.conf "$top/etc/resolv.conf"
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

# Runs _quill_inside in new mount and PID namespaces, which end with this
# shell: unshare gets SIGKILL when this shell ends (setpriv), and the
# namespaces' first process when unshare ends (--kill-child). Same arguments.
_quill_enter() {
  local pid status=0 input
  exec {input}<&0
  setpriv --pdeathsig KILL \
    unshare --mount --propagation private --pid --fork --kill-child \
    bash -c "_quill_path=$(printf %q "$_quill_path"); $(declare -f _quill_inside); _quill_inside \"\$@\"" \
    quill-root "$@" <&"$input" &
  pid=$!
  exec {input}<&-
  # Interrupted, the wait ends at once and the trap ends the run.
  trap 'kill -KILL "$pid" 2>/dev/null; wait "$pid"; exit 130' INT
  trap 'kill -KILL "$pid" 2>/dev/null; wait "$pid"; exit 143' TERM HUP
  wait "$pid" || status=$?
  trap - INT TERM HUP
  return "$status"
}

# Deletes the scratch folders of runs that have ended (killed runs leave
# theirs): a live run holds the lock in its folder.
_quill_sweep_scratch() {
  local dir=$1 scratch fd
  for scratch in "$dir"/scratch/*/; do
    scratch=${scratch%/}
    [[ -d $scratch ]] || continue
    exec {fd}>>"$scratch/lock"
    if flock -n -x "$fd" && _quill_refuse_mounts "$scratch"; then
      rm -rf --one-file-system "$scratch"
    fi
    exec {fd}>&-
  done
}

# A set-up that did not finish (killed in the middle of apt, say) may have
# left the root in any state: such a root is made again.
_quill_root_is_sound() {
  local root=$1 made=$2 recipe=$3
  [[ -f $made && -x $root/bin/bash ]] || return 1
  [[ $(cat "$recipe" 2>/dev/null) != pending ]] || return 1
  [[ -z $(find "$made" -mmin +$((7 * 24 * 60))) ]] || return 1
  chroot "$root" /bin/true 2>/dev/null
}

quill_keep_root() (
  set -euo pipefail
  local root_name=$1 suite=$2 recipe=$3 dir root made stamp hash
  dir=$(_quill_dir)
  root=$dir/$root_name
  made=$dir/$root_name.made
  stamp=$dir/$root_name.recipe
  hash=$(sha256sum <"$recipe")
  hash=${hash%% *}

  # Shared first, so that a root in use by other runs is checked without
  # waiting for them; exclusive only when there is work to do.
  _quill_lock -s "$dir/$root_name.lock"
  if _quill_root_is_sound "$root" "$made" "$stamp" && [[ $(cat "$stamp") == "$hash" ]]; then
    return 0
  fi
  exec {_quill_fd}>&-
  _quill_lock -x "$dir/$root_name.lock"
  _quill_refuse_mounts "$root"

  if ! _quill_root_is_sound "$root" "$made" "$stamp"; then
    echo "Making a minimal Debian $suite root in $root (debootstrap)." >&2
    rm -f "$made" "$stamp"
    rm -rf --one-file-system "$root"
    if ! debootstrap --variant=minbase "$suite" "$root" "$_quill_mirror" >"$dir/$root_name.log" 2>&1; then
      tail -20 "$dir/$root_name.log" >&2
      echo "debootstrap failed; its output is in $dir/$root_name.log." >&2
      return 1
    fi
    date -u >"$made"
  fi

  if [[ $(cat "$stamp" 2>/dev/null) != "$hash" ]]; then
    echo "Setting up $root with its recipe (new or changed)." >&2
    echo pending >"$stamp"
    mkdir -p "$root/var/lib/quillmar"
    cp "$recipe" "$root/var/lib/quillmar/recipe"
    if ! _quill_enter "$root" "" "" 0 bash /var/lib/quillmar/recipe </dev/null >>"$dir/$root_name.log" 2>&1; then
      tail -20 "$dir/$root_name.log" >&2
      echo "The set-up failed; its output is in $dir/$root_name.log." >&2
      return 1
    fi
    echo "$hash" >"$stamp"
  fi
)

quill_run_in_root() (
  set -euo pipefail
  local root_name=$1 into="" dir root scratch sweep
  shift
  if [[ ${1-} == --tar ]]; then
    into=$2
    shift 2
  fi
  local vars=()
  while [[ ${1-} =~ ^[A-Za-z_][A-Za-z0-9_]*= ]]; do
    vars+=("$1")
    shift
  done
  dir=$(_quill_dir)
  root=$dir/$root_name
  _quill_lock -s "$dir/$root_name.lock"
  if [[ ! -f $dir/$root_name.made || ! -s $dir/$root_name.recipe || $(cat "$dir/$root_name.recipe") == pending ]]; then
    echo "No complete root $root; make it with quill_keep_root first." >&2
    return 1
  fi
  _quill_refuse_mounts "$root"

  # Under a lock of its own, so that no sweep sees the new folder before
  # its run holds it.
  _quill_lock -x "$dir/scratch/sweep.lock"
  sweep=$_quill_fd
  _quill_sweep_scratch "$dir"
  scratch=$(mktemp -d "$dir/scratch/$root_name.XXXXXX")
  _quill_lock -x "$scratch/lock"
  exec {sweep}>&-
  # shellcheck disable=SC2064 # the path now: locals are gone when it runs
  trap "rm -rf --one-file-system $(printf %q "$scratch") || true" EXIT
  mkdir "$scratch/upper" "$scratch/work" "$scratch/top"

  _quill_enter "$root" "$scratch" "$into" "${#vars[@]}" "${vars[@]}" "$@"
)
