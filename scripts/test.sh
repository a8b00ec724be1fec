#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test with ctest.
# Where the machine runs no 32-bit code (or QUILL_NO_32BIT=1), the 32-bit
# tree's Wine tests show as skipped, and this says why.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
source cmake/wine/loader.sh
if ! why=$(quill_use_wine i386); then
  echo "The 32-bit tree's Wine tests will be skipped: $why."
fi
if ! why=$(quill_use_wine x86_64); then
  echo "The 64-bit tree's Wine tests cannot run: $why."
fi
ctest --test-dir build/native --output-on-failure -j"$(nproc)" --timeout 900
