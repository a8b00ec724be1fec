#!/usr/bin/env bash
# Installs the Debian package's build dependencies (debian/control's
# Build-Depends and Debian's build-essential, from Debian's packages; nothing
# of the project's test tools) and builds the package from source; prints the
# .deb's path. Install it with `apt-get install ./<that path>`.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v dpkg-checkbuilddeps >/dev/null || ! dpkg-checkbuilddeps >/dev/null 2>&1; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get build-dep -y -qq --no-install-recommends ./ >/dev/null
fi
bash scripts/make-deb.sh build/deb
