#!/usr/bin/env bash
# Installs everything the builds and tests need on Debian 12 or 13, as root:
# the Debian package's build dependencies (debian/control, with Debian's
# build-essential), the project's test tools and, where a testbed can be had
# (not inside one), Debian's tools for roots, builds and package tests with
# the build user, the subordinate ids and the locale they need. Idempotent:
# when everything is there it only checks. Wine's 32-bit loader comes from
# the i386 architecture where the mirror has it; where the machine runs no
# 32-bit code it stays unused (the Wine scripts probe it before use).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/debian-tools.sh

packages=(
  make g++ googletest libgtest-dev wine wine64 fonts-wine xvfb xauth
  fonts-liberation fonts-ipafont-gothic fonts-vlgothic fonts-wqy-microhei fonts-dejavu-core
  clang libclang-rt-dev clang-tidy cppcheck locales lintian desktop-file-utils appstream
  wixl msitools faketime x11-utils
)
# wixl makes the Windows installers (faketime stops its clock at the sources'
# date, msitools sets and reads their tables), and x11-utils shows the
# installed program's window to their test; faketime lets reprotest vary the
# clock too.
nest=false
if quill_can_nest >/dev/null; then
  nest=true
  packages+=(mmdebstrap uidmap sbuild autopkgtest reprotest diffoscope-minimal)
fi

# i386 comes first, for one refresh a run to fetch its lists too. A list kept
# from before the mirror's last sync can name files the mirror no longer has
# ("File has unexpected size"), so a failed update fetches them afresh; a
# mirror in the middle of a sync fails for a while, so after three tries the
# lists that came are used, and an install that needs another fails.
dpkg --print-foreign-architectures | grep -x i386 >/dev/null || dpkg --add-architecture i386
refresh_lists() {
  [[ -z ${lists_refreshed:-} ]] || return 0
  lists_refreshed=1
  local try
  for try in 1 2 3; do
    apt-get update -qq && return 0
    find /var/lib/apt/lists -maxdepth 1 -type f ! -name lock -delete
    ((try == 1)) || sleep 30
  done
  echo "setup: some package lists could not be refreshed (above); going on with those there are" >&2
}

# Liberation Sans Narrow came with fonts-liberation up to its version 1
# (Debian 12); where a release offers it as a package of its own (Debian 13),
# that is taken. grep reads it all: with -q its early exit fails the pipeline.
offered() { apt-cache policy "$1" 2>/dev/null | grep 'Candidate: [0-9]' >/dev/null; }
if ! ls /usr/share/fonts/truetype/liberation*/LiberationSansNarrow-Regular.ttf >/dev/null 2>&1; then
  offered fonts-liberation-sans-narrow || refresh_lists
  if offered fonts-liberation-sans-narrow; then packages+=(fonts-liberation-sans-narrow); fi
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep 'install ok installed' >/dev/null; }
missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
need32=false
installed wine32:i386 || need32=true
if ((${#missing[@]})) || $need32 || ! dpkg-checkbuilddeps >/dev/null 2>&1; then
  export DEBIAN_FRONTEND=noninteractive
  refresh_lists
  quill_install_build_deps ./
  ((${#missing[@]} == 0)) || apt-get install -y -qq --no-install-recommends "${missing[@]}"
  # Its i386 packages must match the versions of the amd64 ones; where the
  # mirror lacks them, scripts/test.sh takes a Debian 12 testbed instead.
  if $need32 && ! apt-get install -y -qq --no-install-recommends wine32:i386; then
    echo "setup: wine32:i386 cannot be installed here (above): the 32-bit program's Wine tests will run in a Debian 12 testbed" >&2
  fi
fi

$nest || exit 0
# reprotest's varied build takes et_EE.UTF-8, which varies nothing uncompiled.
locale -a | grep -x et_EE.utf8 >/dev/null || localedef -i et_EE -c -f UTF-8 et_EE.UTF-8
# sbuild and reprotest build as an ordinary user; the unshare modes map root,
# and sbuild the build user, into subordinate ids past every range given.
id -u "$quill_build_user" >/dev/null 2>&1 ||
  useradd --system --create-home --home-dir "/var/lib/$quill_build_user" --shell /bin/bash "$quill_build_user"
for file in /etc/subuid /etc/subgid; do
  touch "$file"
  for owner in root "$quill_build_user"; do
    if ! grep "^$owner:" "$file" >/dev/null; then
      start=$(awk -F: '$2 + $3 > n { n = $2 + $3 } END { print (n > 100000 ? n : 100000) }' "$file")
      echo "$owner:$start:65536" >>"$file"
    fi
  done
done
