#!/usr/bin/env bash
# Checks that a run in a kept root leaves nothing behind when it is killed:
# enters the root as the Debian lane does, with a command that waits and a
# process that leaves the run's session (as Xvfb and the Wine server do),
# sends SIGKILL to the whole process group once it is inside, then checks
# that the machine has no new mount below the root or the run's overlay
# folder, that no process is left in the run's root, and that the next run deletes the killed run's overlay folder.
#
# Prints one line; exits non-zero when something was left. The root must be
# kept already (scripts/test-in-debian.sh makes it).
# Usage: scripts/check-lane-cleanup.sh [ROOT]   # dev-trixie unless named
set -euo pipefail
name=${1:-dev-trixie}
repo=$(cd "$(dirname "$0")/.." && pwd -P)
# shellcheck source=scripts/lib/debian-root.sh
source "$repo/scripts/lib/debian-root.sh"
dir=$(realpath -- "$(quill_roots_dir)")

fail() {
  echo "Kill check: FAIL: $*"
  exit 1
}

[[ -f $dir/$name.made ]] || fail "no kept root $name in $dir (scripts/test-in-debian.sh makes it)"

# Processes whose root (as the machine sees it) is TOP.
processes_in() {
  local p
  for p in /proc/[0-9]*; do
    [[ $(readlink "$p/root" 2>/dev/null) == "$1" ]] && echo "${p#/proc/}"
  done
  return 0
}

mounts_before=$(findmnt -rn -o TARGET | sort)
token=quill-kill-check-$$
# shellcheck disable=SC2016 # expanded by the inner shell
setsid bash -c 'source "$1"; quill_run_in_root "$2" sh -c "$3"' check \
  "$repo/scripts/lib/debian-root.sh" "$name" \
  "setsid sleep 600 </dev/null >/dev/null 2>&1 & touch /tmp/$token; exec sleep 600" \
  </dev/null >/dev/null 2>&1 &
group=$!

marker=
for _ in $(seq 120); do
  marker=$(compgen -G "$dir/scratch/$name.*/upper/tmp/$token" || true)
  [[ -n $marker ]] && break
  sleep 0.5
done
[[ -n $marker ]] || fail "the run did not get inside $name within a minute"
scratch=${marker%/upper/tmp/*}
inside=$(processes_in "$scratch/top" | wc -l)
((inside >= 2)) || fail "only $inside of the run's processes are seen in its root; the check is blind"

kill -KILL -- "-$group"
{ wait "$group" || true; } 2>/dev/null
for _ in $(seq 20); do
  [[ -z $(processes_in "$scratch/top") ]] && break
  sleep 0.5
done

left=$(processes_in "$scratch/top" | tr '\n' ' ')
[[ -z $left ]] || fail "processes left in the killed run's root: $left"
# Only the run's own places: other work on the machine may mount elsewhere.
new=$(comm -13 <(echo "$mounts_before") <(findmnt -rn -o TARGET | sort) |
  awk -v s="$scratch" -v r="$dir/$name" '{ p = $0 "/" } index(p, s "/") == 1 || index(p, r "/") == 1' |
  tr '\n' ' ')
[[ -z $new ]] || fail "mounts left on the machine: $new"
[[ -d $scratch ]] || fail "the killed run's overlay folder went before the next run"
quill_run_in_root "$name" true </dev/null
[[ ! -e $scratch ]] || fail "the next run left the killed run's overlay folder $scratch"

echo "Kill check: PASS: SIGKILL of a run in $name ($inside processes inside, one out of its session) left no mount and no process; the next run deleted its overlay folder."
