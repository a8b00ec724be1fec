#!/usr/bin/env bash
# The checks of scripts/test-package.sh, run as root inside the throwaway
# overlay over a minimal Debian root: the package at DEB, the driver beside
# it (apply_driver.exe). Each failure says what it saw; the first ends the run.
# Usage: test-package-in-root.sh DEB
set -euo pipefail
deb=$1
driver=$(dirname "$deb")/apply_driver.exe
user=tester
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# Runs the launcher as USER with the given environment; prints its status
# and what it wrote.
launch_as() {
  local who=$1
  shift
  local status=0
  runuser -u "$who" -- env -i HOME="/home/$who" PATH=/usr/bin:/bin "$@" quillmar-appearance \
    >/tmp/launch.out 2>&1 </dev/null || status=$?
  echo "$status: $(cat /tmp/launch.out)"
}

# Expects one line and STATUS from the launcher, as USER with the environment.
expect_refusal() {
  local status=$1 pattern=$2
  shift 2
  local answer
  answer=$(launch_as "$@")
  [[ $answer == "$status: quillmar-appearance: "* && $answer == *"$pattern"* &&
    $(wc -l </tmp/launch.out) == 1 ]] || fail "expected status $status and one line with '$pattern', got: $answer"
  echo "refused as expected: $answer"
}

useradd --create-home --shell /bin/bash "$user"
echo "== Wine missing: the package's files laid out by hand, before apt installs Wine"
dpkg-deb -x "$deb" /
expect_refusal 3 "Wine is not installed" "$user"

echo "== apt-get install ./$(basename "$deb")"
dpkg-query -W -f '${Package}\n' | sort >/tmp/before
apt-get install -y -qq "$deb" >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; fail "apt-get install"; }
dpkg-query -W -f '${Package}\n' | sort >/tmp/after
added=$(comm -13 /tmp/before /tmp/after)
echo "apt installed $(wc -l <<<"$added") packages: $(tr '\n' ' ' <<<"$added")"
development=$(grep -E -- '-dev$|^(build-essential|debhelper|dpkg-dev|make|gcc|g\+\+|cpp|clang|binutils)(-[0-9.]+)?$' \
  <<<"$added" || true)
[[ -z $development ]] || fail "development packages pulled in: $development"
dpkg -L quillmar-appearance | sort >/tmp/files

echo "== a new user starts it from the menu's command, under Xvfb"
[[ ! -e /home/$user/.wine ]] || fail "the new user has a Wine prefix already"
cp "$driver" /home/$user/apply_driver.exe
chown "$user:" /home/$user/apply_driver.exe
touch /tmp/started
cat >/tmp/session.sh <<'SESSION'
set -u
wineserver=/usr/lib/wine/wineserver64
# Ends the session early, and the program with it rather than left on screen.
give_up() {
  "$wineserver" -k
  cat ~/program.log
  echo "$*"
  exit 1
}
# Its output is kept apart, to see a crash in it.
quillmar-appearance >~/program.log 2>&1 &
program=$!
# The driver runs once the prefix is made, so that it does not make one too.
for _ in $(seq 180); do [[ -f ~/.wine/.update-timestamp ]] && break; sleep 1; done
[[ -f ~/.wine/.update-timestamp ]] || give_up "no prefix after 180 s"
export WINEDEBUG=-all
reg_add() {
  /usr/lib/wine/wine64 reg add "$@" /f >/dev/null || give_up "reg add $* failed"
}
# A crash ends the program instead of leaving it on Wine's crash dialog.
reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
# Colours that Apply must replace, none of them the scheme's.
reg_add 'HKCU\Control Panel\Colors' /v ActiveTitle /t REG_SZ /d '1 2 3'
reg_add 'HKCU\Control Panel\Colors' /v GradientActiveTitle /t REG_SZ /d '4 5 6'
reg_add 'HKCU\Control Panel\Colors' /v Menu /t REG_SZ /d '7 8 9'
/usr/lib/wine/wine64 ~/apply_driver.exe &
driver=$!
# A program that crashed (even before the crash dialog was turned off) or
# ended first leaves the driver waiting for its window in vain: given a few
# seconds to see a closed window go, the driver is stopped.
while kill -0 "$driver" 2>/dev/null && kill -0 "$program" 2>/dev/null &&
  ! grep -q 'starting debugger' ~/program.log; do sleep 1; done
for _ in $(seq 5); do kill -0 "$driver" 2>/dev/null || break; sleep 1; done
driven="stopped: the program crashed or ended first"
if ! kill -0 "$driver" 2>/dev/null; then
  wait "$driver"
  driven=$?
fi
# A driver that failed leaves the program on screen: it is ended, not waited for.
[[ $driven == 0 ]] || "$wineserver" -k
wait "$program"
program_status=$?
cat ~/program.log
echo "driver $driven, program $program_status"
"$wineserver" -w
SESSION
# Bounded as a whole, so that a hang ends the run in minutes rather than at
# ctest's limit; the log keeps the driver's reason and the program's output.
status=0
runuser -u "$user" -- env -i HOME=/home/$user PATH=/usr/bin:/bin timeout -k 10 300 \
  xvfb-run -a -s "-screen 0 1280x1024x24" bash /tmp/session.sh >/tmp/session.log 2>&1 || status=$?
answer=$(tail -1 /tmp/session.log)
if [[ $answer != "driver 0, program 0" ]]; then
  cat /tmp/session.log
  # No Wine process left behind in the root, whatever the timeout missed.
  runuser -u "$user" -- env -i HOME=/home/$user /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  [[ $status != 124 ]] || echo "the session was stopped after 300 s"
  fail "the session ended with status $status and: $answer"
fi
echo "$answer"
registry=/home/$user/.wine/user.reg
# The value lines of one key in the user's registry, from the key's line up to
# the next key's: a fresh prefix holds these value names under other keys too.
# KEY as user.reg spells it, backslashes doubled.
values_of() {
  key="[$1]" awk '/^\[/ { inside = $0 == ENVIRON["key"] || index($0, ENVIRON["key"] " ") == 1; next } inside' "$registry"
}
colours=$(values_of 'Control Panel\\Colors')
for value in '"ActiveTitle"="10 36 106"' '"GradientActiveTitle"="166 202 240"' '"Menu"="212 219 200"'; do
  grep -qxF "$value" <<<"$colours" ||
    fail "$value is not under Control Panel\\Colors in $registry, which holds: $(grep -E '^"(ActiveTitle|GradientActiveTitle|Menu)"=' <<<"$colours" | tr '\n' ' ')"
done
metrics=$(values_of 'Control Panel\\Desktop\\WindowMetrics')
grep -q '^"MenuFont"=hex:' <<<"$metrics" || fail "no MenuFont under Control Panel\\Desktop\\WindowMetrics in $registry"
[[ $(stat -c %U "$registry") == "$user" ]] || fail "$registry is not the user's"
# No other prefix made or touched: root's, or any other.
others=$(find / -xdev -name user.reg -newer /tmp/started -not -path "/home/$user/.wine/*" 2>/dev/null || true)
[[ ! -e /root/.wine && -z $others ]] || fail "another prefix was written: /root/.wine or $others"
echo "the scheme is in $registry, and in no other prefix"

echo "== refusals"
mkdir -p /srv/roots-prefix
expect_refusal 4 "belongs to another user" "$user" WINEPREFIX=/srv/roots-prefix
# A 32-bit prefix as Wine marks one (this root has no 32-bit loader to make it).
runuser -u "$user" -- mkdir -p /home/$user/prefix32
echo '#arch=win32' | runuser -u "$user" -- tee /home/$user/prefix32/system.reg >/dev/null
expect_refusal 5 "32-bit Wine prefix" "$user" QUILL_NO_32BIT=1 WINEPREFIX=/home/$user/prefix32
# No home to find ~/.wine in, and a prefix that Wine would refuse only later.
expect_refusal 6 "set HOME, or WINEPREFIX" "$user" HOME=
expect_refusal 7 "not an absolute path" "$user" WINEPREFIX=prefix

echo "== apt-get purge"
apt-get purge -y -qq quillmar-appearance >/dev/null
left=$(while read -r file; do if [[ -e $file && ! -d $file ]]; then echo "$file"; fi; done </tmp/files)
[[ -z $left ]] || fail "left after purge: $left"
echo "purge left none of its $(wc -l </tmp/files) paths"
