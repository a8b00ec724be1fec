#!/usr/bin/env bash
# Configures and builds every tree: build/native (the core and its tests) and,
# from it, build/win32 and build/win64 (the 32-bit and 64-bit Windows
# programs and their Wine tests), build/sanitize (the core's tests under
# ASan and UBSan) and build/fuzz (the libFuzzer targets). QUILL_ONLY=win32
# builds the core and the 32-bit tree alone.
set -euo pipefail
cd "$(dirname "$0")/.."
trees=()
if [[ ${QUILL_ONLY:-} == win32 ]]; then
  trees=(-DQUILL_WINDOWS_TREES=win32 -DQUILL_WITH_CHECKS=OFF)
fi
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILL_WERROR=ON \
  -DQUILL_WITH_CHECKS=ON "${trees[@]}" "$@" >/dev/null
cmake --build build/native -j"$(nproc)"
