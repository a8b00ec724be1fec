#!/usr/bin/env bash
# Checks that the kept roots leave nothing behind however their users are
# killed, with SIGKILL, in three ways:
#   - a run in the lane's root, the whole process group killed once inside;
#   - a run in the lane's root, the calling script alone killed (as by
#     `kill -9` of it, or the OOM killer): the parent-death chain must end it;
#   - a root being made (copied from the release's base, its recipe
#     running), the calling script alone killed.
# Each run or making holds a process that left its session (as Xvfb and the
# Wine server do), and the making has mounted a file system in the new root.
# After each kill: no process is left in the root or the making, no mount
# is left on the machine below the roots folder, no lock is held, and the
# next run or making deletes the folder the killed one left. The check's own
# roots are deleted at the end. First, a roots folder that cannot be made
# must be refused in one line, with nothing written, and the run's inner
# function must refuse to run but as its namespace's first process; last,
# a new root must
# delete the same name's roots of other recipes unused for a day, and only
# those.
#
# Prints one line; exits non-zero when something was left. The lane's root
# must be kept already (scripts/test-in-debian.sh makes it).
# Usage: scripts/check-lane-cleanup.sh [RELEASE]   # trixie unless named
set -euo pipefail
release=${1:-trixie}
repo=$(cd "$(dirname "$0")/.." && pwd -P)
# shellcheck source=scripts/lib/debian-root.sh
source "$repo/scripts/lib/debian-root.sh"
# shellcheck source=scripts/lib/recipe.sh
source "$repo/scripts/lib/recipe.sh"
dir=$(realpath -- "$(quill_roots_dir)")
token=quill-kill-check-$$
work=$(mktemp -d)
made=()
cleanup() {
  local key
  for key in "${made[@]}"; do
    rm -rf --one-file-system "${dir:?}/$key" "$dir/$key.lock" "$dir/$key.make" "$dir/$key.log"
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "Kill check: FAIL: $*"
  exit 1
}

quill_lane_recipe "$repo" >"$work/lane-recipe"
lane=$(quill_root_key "dev-$release" "$work/lane-recipe")
[[ -f $dir/$lane/var/lib/quillmar/made ]] || fail "no kept root $lane in $dir (scripts/test-in-debian.sh makes it)"

# Processes whose root (as the machine sees it) is TOP or below it, and
# those whose command line names WORD.
processes_in() {
  local p root
  for p in /proc/[0-9]*; do
    root=$(readlink "$p/root" 2>/dev/null) || continue
    [[ $root == "$1" || $root == "$1"/* ]] && echo "${p#/proc/}"
  done
  return 0
}
processes_naming() {
  local p command
  for p in /proc/[0-9]*; do
    command=$(tr '\0' ' ' 2>/dev/null <"$p/cmdline") || continue
    [[ $command == *"$1"* ]] && echo "${p#/proc/}"
  done
  return 0
}
mounts_below_roots() { findmnt -rn -o TARGET | awk -v d="$dir" 'index($0 "/", d "/") == 1' | sort; }

# Starts COMMAND (sourcing the library) as a script in a session of its own;
# its PID is left in started.
start() {
  setsid bash -c "source $(printf %q "$repo/scripts/lib/debian-root.sh"); $1" check </dev/null >"$work/out" 2>&1 &
  started=$!
}

# Waits up to a minute for a file matching GLOB; prints it.
wait_for() {
  local found
  for _ in $(seq 120); do
    found=$(compgen -G "$1" || true)
    [[ -n $found ]] && { echo "$found"; return 0; }
    sleep 0.5
  done
  return 1
}

# Kills the script PID, or its whole group with "group"; then waits for the
# processes in TOP and those naming WORD to end, and fails if any is left or
# a mount appeared below the roots folder.
kill_and_check() {
  local what=$1 pid=$2 how=$3 top=$4 word=$5 left
  if [[ $how == group ]]; then
    kill -KILL -- "-$pid"
  else
    kill -KILL "$pid"
  fi
  { wait "$pid" || true; } 2>/dev/null
  for _ in $(seq 20); do
    [[ -z $(processes_in "$top")$(processes_naming "$word") ]] && break
    sleep 0.5
  done
  left=$(processes_in "$top"; processes_naming "$word")
  [[ -z $left ]] || fail "$what: processes left: $(tr '\n' ' ' <<<"$left")"
  [[ $(mounts_below_roots) == "$mounts_before" ]] || fail "$what: mounts left on the machine: $(mounts_below_roots | tr '\n' ' ')"
}

mounts_before=$(mounts_below_roots)

# A roots folder that cannot be made, or is not absolute: one line, a
# failing status, and nothing written anywhere (the machine's root, here).
top_before=$(ls -A /)
for bad in "/proc/$token-roots" "relative/$token-roots"; do
  answer=$(cd "$work" && QUILL_ROOTS=$bad bash -c 'source "$1"; quill_keep_root "$2" "$3" "$4"' check \
    "$repo/scripts/lib/debian-root.sh" "$lane" "$release" "$work/lane-recipe" 2>&1) &&
    fail "QUILL_ROOTS=$bad was taken"
  [[ $(wc -l <<<"$answer") == 1 ]] || fail "QUILL_ROOTS=$bad gave more than one line: $answer"
  [[ ! -e $work/relative && $(ls -A /) == "$top_before" ]] || fail "QUILL_ROOTS=$bad wrote something: $answer"
done

# The inner function, run as the second process of PID and mount namespaces
# (where, were it to run, it could reach no process and no mount of the
# machine, and only this check's own folder), refuses.
# shellcheck disable=SC2016 # expanded by the inner shells
answer=$(unshare --pid --mount --propagation private --fork \
  bash -c 'bash -c "source \"\$1\"; _quill_inside \"\$2/root\" \"\$2/scratch\" \"\" 0 true" inner "$@"; exit $?' \
  outer "$repo/scripts/lib/debian-root.sh" "$work" 2>&1) && fail "the run's inner function ran as a second process"
[[ $answer == *"runs only as the first process"* ]] || fail "the run's inner function did not say why it refused: $answer"

# A run, killed as a group, then as the script alone.
inside=0
for how in group script; do
  start "quill_run_in_root $lane sh -c 'setsid sleep 600 </dev/null >/dev/null 2>&1 & touch /tmp/$token-$how; exec sleep 600'"
  marker=$(wait_for "$dir/scratch/$lane.*/upper/tmp/$token-$how") ||
    fail "the run did not get inside $lane within a minute: $(cat "$work/out")"
  scratch=${marker%/upper/tmp/*}
  inside=$(processes_in "$scratch/top" | wc -l)
  ((inside >= 2)) || fail "only $inside of the run's processes are seen in its root; the check is blind"
  kill_and_check "a run killed by its $how" "$started" "$how" "$scratch/top" "$scratch"
  [[ -d $scratch ]] || fail "the killed run's overlay folder went before the next run"
  quill_run_in_root "$lane" true </dev/null
  [[ ! -e $scratch ]] || fail "the next run left the killed run's overlay folder $scratch"
done

# A root being made, its script killed while the recipe runs.
cat >"$work/blocking-recipe" <<RECIPE
mount -t tmpfs $token /mnt
setsid sleep 600 </dev/null >/dev/null 2>&1 &
touch /tmp/$token-making
exec sleep 600
RECIPE
blocked=$(quill_root_key "killcheck-$release" "$work/blocking-recipe")
made+=("$blocked")
start "quill_keep_root $blocked $release $work/blocking-recipe"
marker=$(wait_for "$dir/new/$blocked.*/tmp/$token-making") ||
  fail "the making of $blocked did not reach its recipe within a minute: $(cat "$work/out")"
new=${marker%/tmp/*}
making=$(processes_in "$new" | wc -l)
((making >= 2)) || fail "only $making of the making's processes are seen in its root; the check is blind"
kill_and_check "a making killed by its script" "$started" script "$new" "$blocked"
flock -n -x "$dir/$blocked.make" true || fail "the killed making's lock is still held"
[[ -d $new ]] || fail "the killed making's folder went before the next making"
# Makes a root of the recipe `true # TEXT`; its key is left in made_key.
make_quick_root() {
  echo "true # $token, $1" >"$work/recipe-$1"
  made_key=$(quill_root_key "killcheck-$release" "$work/recipe-$1")
  made+=("$made_key")
  quill_keep_root "$made_key" "$release" "$work/recipe-$1" 2>/dev/null
}
make_quick_root first
quick=$made_key
[[ ! -e $new ]] || fail "the next making left the killed making's folder $new"

# Roots of the same name's other recipes: one unused for two days is deleted
# when a new one is made, one used a minute ago is kept.
touch -d '2 days ago' "$dir/$quick.lock"
make_quick_root second
other=$made_key
[[ ! -e $dir/$quick ]] || fail "a root of another recipe unused for two days was kept: $quick"
make_quick_root third
[[ -e $dir/$other ]] || fail "a root of another recipe used a minute ago was deleted: $other"

echo "Kill check: PASS: SIGKILL of a run in $lane (its group, then its script alone; $inside processes inside, one out of its session) and of the script making a root (a mount and $making processes in it) left no mount, no process and no lock; the next run or making deleted what each left. A roots folder that cannot be made was refused in one line; a root of another recipe was deleted when unused for two days, kept when used."
