#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test with ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --test-dir build/native --output-on-failure -j"$(nproc)" --timeout 900
