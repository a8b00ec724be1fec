#!/usr/bin/env bash
# Installs everything the builds and tests need on Debian 12 or 13, as root:
# the Debian package's build dependencies (debian/control, with Debian's
# build-essential) and the project's test tools. Idempotent: when everything
# is already there it only checks and returns.
# Both Wine loaders are installed, the 32-bit one where the mirror has its
# packages; where the machine runs no 32-bit code it stays unused (the Wine
# scripts probe it before use).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  make g++ googletest libgtest-dev
  wine wine64 fonts-wine xvfb xauth
  fonts-liberation fonts-ipafont-gothic fonts-wqy-microhei
  clang libclang-rt-dev clang-tidy cppcheck
  debootstrap locales
  lintian desktop-file-utils appstream
)

# A mirror caught in the middle of a sync fails an update for a while; after
# three tries the lists that did come are used, and an install that needs one
# that did not fails on its own. One refresh a run is enough.
refresh_lists() {
  [[ -z ${lists_refreshed:-} ]] || return 0
  lists_refreshed=1
  local try
  for try in 1 2 3; do
    apt-get update -qq && return 0
    ((try == 3)) || sleep 30
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
  offered fonts-liberation-sans-narrow && packages+=(fonts-liberation-sans-narrow)
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep 'install ok installed' >/dev/null; }
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done

# The 32-bit loader comes from the i386 architecture, on its own (below).
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
need32=false
installed wine32:i386 || need32=true

build_deps_met() { command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps >/dev/null 2>&1; }

if ((${#missing[@]})) || $need32 || ! build_deps_met; then
  export DEBIAN_FRONTEND=noninteractive
  refresh_lists
  apt-get build-dep -y -qq --no-install-recommends ./ >/dev/null
  ((${#missing[@]} == 0)) || apt-get install -y -qq --no-install-recommends "${missing[@]}"
  # The 32-bit loader needs the i386 packages at the versions of the amd64
  # ones; where the mirror lacks them (its i386 lists out of date) the machine
  # is left as one that runs no 32-bit Wine, which the tests say and skip.
  if $need32 && ! apt-get install -y -qq --no-install-recommends wine32:i386; then
    echo "setup: wine32:i386 cannot be installed (above): the 32-bit program's Wine tests will be skipped" >&2
  fi
fi
