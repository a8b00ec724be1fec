#!/usr/bin/env bash
# Sets up the machine, builds the 32-bit and the 64-bit program and makes the
# Debian package from them; prints its path. Install it with
# `apt-get install ./<that path>`.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
for tree in win32:i686 win64:x86_64; do
  # A tree the test command made already is built as it is configured.
  if [[ ! -f build/${tree%%:*}/CMakeCache.txt ]]; then
    cmake -S . -B "build/${tree%%:*}" -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-${tree#*:}-mingw.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "build/${tree%%:*}" -j"$(nproc)" --target quillmar-appearance >/dev/null
done
bash scripts/make-deb.sh
