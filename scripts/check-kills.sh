#!/usr/bin/env bash
# Kills with SIGKILL what runs Debian's tools for us, while they work, and
# checks that within 30 s no process that it had started and no mount is
# left on the machine, and that nothing blocks the next run:
#   - a tarball being made (mmdebstrap), its script alone killed while a hook
#     runs a process that left its session;
#   - a package build (sbuild), its script alone killed while the build runs;
#   - a lane run (autopkgtest), its process group killed, then (the next run)
#     its script alone, while the suite runs in the testbed.
# The lane's and the machine's release's sbuild tarballs should be kept
# already (.ci/run's earlier steps make them); else they are made first.
# Prints one line; exits 1 when anything was left.
# Usage: scripts/check-kills.sh [RELEASE]   # the lane's, trixie unless named
set -euo pipefail
release=${1:-trixie}
repo=$(cd "$(dirname "$0")/.." && pwd -P)
source "$repo/scripts/lib/debian-tools.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "Kill check: FAIL: $*"
  exit 1
}
mounts() { findmnt -rn -o TARGET | sort; }
mounts_before=$(mounts)

# "PID START" of PID and of every process below it (START tells a PID used
# again by another process apart).
started_by() {
  local pid
  for pid in $(ps -e -o pid= -o ppid= | awk -v r="$1" '{ kids[$2] = kids[$2] " " $1 }
      END { todo = r; while (todo != "") { n = split(todo, a, " "); todo = ""
        for (i = 1; i <= n; i++) { print a[i]; todo = todo " " kids[a[i]] } } }'); do
    echo "$pid $(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -d' ' -f20)"
  done
}
alive() {
  local pid start
  while read -r pid start; do
    [[ $(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -d' ' -f20) != "$start" ]] || echo "$pid"
  done <<<"$1"
}

# Starts the script ARG... in a session of its own, its output in LOG.
start() {
  local log=$1
  shift
  setsid bash "$@" >"$log" 2>&1 </dev/null &
  started=$!
}
# Waits up to SECONDS for FILE to match PATTERN while the started script
# runs, then 5 s more for the work to be under way.
await() {
  local file=$1 pattern=$2 seconds=$3
  for _ in $(seq "$seconds"); do
    if grep -qE -- "$pattern" "$file" 2>/dev/null; then
      sleep 5
      return 0
    fi
    kill -0 "$started" 2>/dev/null || fail "it ended before '$pattern' showed in $file: $(tail -5 "$file")"
    sleep 1
  done
  fail "no '$pattern' in $file after $seconds s: $(tail -5 "$file")"
}

# Kills the started script alone, or with "group" its process group, then
# waits up to 30 s for all it had started to end.
kill_and_check() {
  local what=$1 how=$2 processes left
  processes=$(started_by "$started")
  (($(wc -l <<<"$processes") >= 5)) || fail "$what: only $(wc -l <<<"$processes") processes to kill; the check is blind"
  if [[ $how == group ]]; then kill -KILL -- "-$started"; else kill -KILL "$started"; fi
  for _ in $(seq 30); do
    left=$(alive "$processes")
    [[ -n $left ]] || break
    sleep 1
  done
  [[ -z $left ]] || fail "$what: processes left after 30 s: $(ps -o pid=,args= -p "$(tr '\n' , <<<"$left")" | cut -c1-100)"
  [[ $(mounts) == "$mounts_before" ]] || fail "$what: mounts left: $(comm -13 <(echo "$mounts_before") <(mounts) | tr '\n' ' ')"
  counted+=("$what ($(wc -l <<<"$processes") processes)")
}
counted=()

cat >"$work/making.sh" <<EOF
source "$repo/scripts/lib/debian-tools.sh"
quill_tarball killcheck bookworm --variant=apt \
  --chrooted-customize-hook='setsid sleep 600 </dev/null >/dev/null 2>&1 & echo hook running; sleep 600'
EOF
start "$work/making.log" "$work/making.sh"
await "$work/making.log" '^hook running' 120
making=$(compgen -G "$_quill_cache/.making.$started.*") || fail "no folder of the making"
kill_and_check "a tarball being made" script
[[ ! -e $(compgen -G "$_quill_cache/killcheck-bookworm-*.tar") ]] || fail "the killed making left a tarball"
_quill_sweep_makings
[[ ! -e $making ]] || fail "the next making would not delete the killed one's folder $making"

. /etc/os-release
dsc=$(bash "$repo/scripts/make-source.sh" "$work/source")
start "$work/sbuild.log" "$repo/scripts/test-sbuild.sh" "$VERSION_CODENAME" "$dsc" "$work" "$work/sbuild"
await "$work/sbuild/sbuild.log" 'dpkg-buildpackage: info: source package' 900
kill_and_check "a package build" script
rm -rf -- "$work/sbuild" || fail "the killed build's folder cannot be deleted"

lane=$repo/build/lane-$release
for how in group script; do
  start "$work/lane-$how.log" "$repo/scripts/test-in-debian.sh" "$release"
  await "$work/lane-$how.log" 'test suite: \[' 1800
  kill_and_check "a lane run, its $how killed" "$how"
done
rm -rf -- "$lane" || fail "the killed lane's folder cannot be deleted"
echo "Kill check: PASS: SIGKILL of $(printf '%s, ' "${counted[@]}" | sed 's/, $//') left within 30 s no process and no mount; what each left was deleted as the next run deletes it."
