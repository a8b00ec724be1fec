#!/usr/bin/env bash
# Configures and builds both trees: build/native (core and its tests) and,
# from it, build/win32 (the Windows program and its Wine tests).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILL_WERROR=ON \
  -DQUILL_WITH_CHECKS=ON "$@" >/dev/null
cmake --build build/native -j"$(nproc)"
