#!/usr/bin/env bash
# Installs everything the builds and tests need on Debian 12 or 13, as root:
# the Debian package's build dependencies (debian/control, with Debian's
# build-essential), the project's test tools and, where a testbed can be had
# here (not inside one), Debian's own package tools with the build user and
# the subordinate ids they need. Idempotent: when everything is already there
# it only checks and returns.
# Wine's 32-bit loader comes from the i386 architecture, where the mirror
# has its packages; where the machine runs no 32-bit code it stays unused
# (the Wine scripts probe it before use).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/debian-tools.sh

packages=(
  make g++ googletest libgtest-dev
  wine wine64 fonts-wine xvfb xauth
  fonts-liberation fonts-ipafont-gothic fonts-wqy-microhei
  clang libclang-rt-dev clang-tidy cppcheck
  locales lintian desktop-file-utils appstream
)
# Debian's tools for roots, builds and package tests, which cannot run inside
# a testbed; faketime lets reprotest vary the clock.
if quill_can_nest >/dev/null; then
  packages+=(mmdebstrap uidmap sbuild autopkgtest reprotest faketime diffoscope-minimal)
fi

# The i386 architecture is added first, so that one refresh a run fetches
# its lists too. A list kept from before the mirror's last sync can name
# files that the mirror no longer has ("File has unexpected size ... Mirror
# sync in progress?"): after a failed update the lists are fetched afresh. A
# mirror caught in the middle of a sync fails for a while; after three tries
# the lists that did come are used, and an install that needs one that did
# not fails on its own.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
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
# (Debian 12); where a release offers it as a package of its own (Debian 13,
# whose fonts-liberation is version 2 without it), that package is taken.
# grep reads it all: with -q its early exit fails the pipeline (pipefail).
offered() { apt-cache policy "$1" 2>/dev/null | grep 'Candidate: [0-9]' >/dev/null; }
if ! ls /usr/share/fonts/truetype/liberation*/LiberationSansNarrow-Regular.ttf >/dev/null 2>&1; then
  offered fonts-liberation-sans-narrow || refresh_lists
  if offered fonts-liberation-sans-narrow; then packages+=(fonts-liberation-sans-narrow); fi
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep 'install ok installed' >/dev/null; }
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
need32=false
installed wine32:i386 || need32=true
build_deps_met() { command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps >/dev/null 2>&1; }

if ((${#missing[@]})) || $need32 || ! build_deps_met; then
  export DEBIAN_FRONTEND=noninteractive
  refresh_lists
  quill_install_build_deps ./
  ((${#missing[@]} == 0)) || apt-get install -y -qq --no-install-recommends "${missing[@]}"
  # The 32-bit loader needs the i386 packages at the versions of the amd64
  # ones; where the mirror lacks them (its i386 lists out of date) the
  # 32-bit program's Wine tests run in a Debian 12 testbed instead
  # (scripts/test.sh).
  if $need32 && ! apt-get install -y -qq --no-install-recommends wine32:i386; then
    echo "setup: wine32:i386 cannot be installed here (above): the 32-bit program's Wine tests will run in a Debian 12 testbed" >&2
  fi
fi

quill_can_nest >/dev/null || exit 0
# reprotest's varied build runs under et_EE.UTF-8, which only a locale
# compiled for it makes vary anything.
locale -a | grep -x et_EE.utf8 >/dev/null || localedef -i et_EE -c -f UTF-8 et_EE.UTF-8
# sbuild and reprotest build as an ordinary user; autopkgtest's and
# mmdebstrap's unshare modes map root, and sbuild's the build user, into a
# range of subordinate ids of their own, past every range given already.
if ! id -u "$quill_build_user" >/dev/null 2>&1; then
  useradd --system --create-home --home-dir "/var/lib/$quill_build_user" --shell /bin/bash "$quill_build_user"
fi
for file in /etc/subuid /etc/subgid; do
  touch "$file"
  for owner in root "$quill_build_user"; do
    if ! grep -q "^$owner:" "$file"; then
      start=$(awk -F: '$2 + $3 > n { n = $2 + $3 } END { print (n > 100000 ? n : 100000) }' "$file")
      echo "$owner:$start:65536" >>"$file"
    fi
  done
done
