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
quillmar-appearance &
program=$!
# The driver runs once the prefix is made, so that it does not make one too.
for _ in $(seq 300); do [[ -f ~/.wine/.update-timestamp ]] && break; sleep 1; done
WINEDEBUG=-all /usr/lib/wine/wine64 ~/apply_driver.exe
driver=$?
wait $program
echo "driver $driver, program $?"
/usr/lib/wine/wineserver64 -w
SESSION
answer=$(runuser -u "$user" -- env -i HOME=/home/$user PATH=/usr/bin:/bin \
  xvfb-run -a -s "-screen 0 1280x1024x24" bash /tmp/session.sh 2>&1 | tail -1)
[[ $answer == "driver 0, program 0" ]] || fail "the session ended with: $answer"
echo "$answer"
registry=/home/$user/.wine/user.reg
grep -q '^"ActiveTitle"="10 36 106"$' "$registry" && grep -q '^"GradientActiveTitle"=' "$registry" &&
  grep -q '^"MenuFont"=hex:' "$registry" || fail "the scheme is not in $registry"
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

echo "== apt-get purge"
apt-get purge -y -qq quillmar-appearance >/dev/null
left=$(while read -r file; do if [[ -e $file && ! -d $file ]]; then echo "$file"; fi; done </tmp/files)
[[ -z $left ]] || fail "left after purge: $left"
echo "purge left none of its $(wc -l </tmp/files) paths"
