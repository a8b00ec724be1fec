#!/usr/bin/env bash
# Kills with SIGKILL what runs Debian's tools for us while they work: the
# script making a tarball (mmdebstrap, a hook running a process that left its
# session), a package build (sbuild, while dpkg-buildpackage runs) and a lane
# run (autopkgtest, while the suite runs in the testbed: its process group,
# then the next run's script alone); and a test run under Wine (ctest in the
# 64-bit tree, while a test runs: the display and the Wine server its
# environment started are no descendants of it). Within 30 s no process that each had
# started and no mount may be left on the machine, and what each left must
# be deletable, as the next run deletes it. The tarballs the lane and sbuild
# take are made first where they are not kept. Prints one line.
# Usage: scripts/check-kills.sh [RELEASE]   # the lane's, trixie unless named
set -euo pipefail
release=${1:-trixie}
repo=$(cd "$(dirname "$0")/.." && pwd -P)
source "$repo/scripts/lib/debian-tools.sh"
work=$(mktemp -d) && chmod 0755 "$work" # the build user builds in it
started=""
# A failed check ends what it started, as a kill would.
trap 'if [[ -n $started ]] && kill -0 -- "-$started" 2>/dev/null; then kill -KILL -- "-$started"; fi
  rm -rf "$work"' EXIT
fail() {
  echo "Kill check: FAIL: $*"
  exit 1
}
mounts() { findmnt -rn -o TARGET | sort; }
mounts_before=$(mounts)
# "PID START" of the started script and of every process below it: START
# tells a PID taken again by another process apart.
start_of() { sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f20; }
processes() {
  for pid in $(ps -e -o pid= -o ppid= | awk -v r="$started" '{ kids[$2] = kids[$2] " " $1 } END {
      for (todo = r; todo != ""; ) { n = split(todo, a, " "); todo = ""
        for (i = 1; i <= n; i++) { print a[i]; todo = todo " " kids[a[i]] } } }'); do
    start=$(start_of "$pid")
    [[ -z $start ]] || echo "$pid $start" # one that has ended already is left out
  done
}

# Starts SCRIPT ARG... in a session of its own, with its output in LOG, and
# waits up to 30 minutes for FILE to match PATTERN, then 5 s more.
start() {
  local log=$1 file=$2 pattern=$3
  shift 3
  setsid bash "$@" >"$log" 2>&1 </dev/null &
  started=$!
  disown
  for _ in $(seq 1800); do
    grep -qE -- "$pattern" "$file" 2>/dev/null && sleep 5 && return 0
    kill -0 "$started" 2>/dev/null || fail "$1 ended before '$pattern' showed: $(tail -3 "$log")"
    sleep 1
  done
  fail "$1: no '$pattern' in $file after 30 minutes"
}

# "PID START" of the display and the Wine server of the Wine environment in
# STATE (cmake/wine/start.sh): the server is the one whose folder is its
# prefix's, as Wine names it.
wine_environment() {
  local xvfb device inode pid
  xvfb=$(cat "$1/xvfb.pid")
  read -r device inode < <(stat -c '%d %i' "$1/prefix")
  for pid in $(pgrep -x 'wineserver(64)?' || true); do
    [[ $(readlink "/proc/$pid/cwd") != */"$(printf 'server-%x-%x' "$device" "$inode")" ]] || echo "$pid $(start_of "$pid")"
  done
  echo "$xvfb $(start_of "$xvfb")"
}

# Kills the started script alone, or its process group, and waits for all
# it had started to end, and for those of `also` ("PID START" lines): at
# least LEAST (5 unless given), else the check is blind.
# Usage: kill_and_check WHAT script|group LEFT_PATH [LEAST]
also=""
kill_and_check() {
  local what=$1 least=${4:-5} before left
  before=$(processes && if [[ -n $also ]]; then echo "$also"; fi)
  also=""
  (($(wc -l <<<"$before") >= least)) || fail "$what: only $(wc -l <<<"$before") processes to kill; the check is blind"
  if [[ $2 == group ]]; then kill -KILL -- "-$started"; else kill -KILL "$started"; fi
  for _ in $(seq 30); do
    left=$(while read -r pid start; do [[ $(start_of "$pid") != "$start" ]] || echo "$pid"; done <<<"$before")
    [[ -n $left ]] || break
    sleep 1
  done
  [[ -z $left ]] || fail "$what: processes left after 30 s: $(ps -o args= -p "$(paste -sd, <<<"$left")" | cut -c1-80)"
  [[ $(mounts) == "$mounts_before" ]] || fail "$what: mounts left: $(comm -13 <(echo "$mounts_before") <(mounts))"
  rm -rf -- "$3" || fail "$what: $3 cannot be deleted"
  killed+=("$what ($(wc -l <<<"$before") processes)")
}
killed=()

tree=$repo/build/win64
[[ -f $tree/tests/win32/language_tests.exe ]] || fail "no $tree: build it first (scripts/build.sh)"
printf '%s\n' "exec ctest --test-dir '$tree' -R 'wine_environment_start|locales|language\.|wine_environment_stop'" >"$work/wine"
start "$work/wine.log" "$work/wine.log" 'wine_environment_start .*Passed' "$work/wine"
also=$(wine_environment "$tree/wine")
(($(wc -l <<<"$also") == 2)) || fail "a test run under Wine: no Wine server of its prefix found; the check is blind"
kill_and_check "a test run under Wine" script "$work/wine.log" 3

printf '%s\n' "source $repo/scripts/lib/debian-tools.sh" "quill_tarball killcheck bookworm --variant=apt \
  --chrooted-customize-hook='setsid sleep 600 </dev/null >/dev/null 2>&1 & echo hook running; sleep 600'" >"$work/make"
start "$work/make.log" "$work/make.log" '^hook running' "$work/make"
kill_and_check "a tarball being made" script "$(compgen -G "$quill_cache/killcheck-bookworm-*.making")"
[[ -z $(compgen -G "$quill_cache/killcheck-bookworm-*.tar") ]] || fail "the killed making left a tarball"

. /etc/os-release
dsc=$(bash "$repo/scripts/make-source.sh" "$work/source")
start "$work/sbuild.log" "$work/sbuild/sbuild.log" 'dpkg-buildpackage: info: source package' \
  "$repo/tests/package/sbuild.sh" "$VERSION_CODENAME" "$dsc" "$work" "$work/sbuild"
kill_and_check "a package build" script "$work/sbuild"

for how in group script; do
  start "$work/lane.log" "$work/lane.log" 'test suite: \[' "$repo/scripts/test-in-debian.sh" "$release"
  kill_and_check "a lane run, its $how killed" "$how" "$repo/build/lane-$release"
done
echo "Kill check: PASS: SIGKILL of $(printf '%s, ' "${killed[@]}" | sed 's/, $//') left within 30 s no process and no mount, and nothing that the next run cannot delete."
