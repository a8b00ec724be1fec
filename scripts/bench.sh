#!/usr/bin/env bash
# Runs every benchmark under Wine and prints their figures. The Wine server,
# the display and the programs share one core: a request to the server then
# costs a switch on that core, not a wake-up of the other one, which on a
# virtual machine varies tenfold from run to run.
# Usage: bench.sh [WIN32_BUILD_DIR] (default build/win32, built by the test command).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/win32}")
state="$build/bench-wine"
cmake --build "$build" -j"$(nproc)" >/dev/null
taskset -c 0 cmake/wine/start.sh "$state" >/dev/null
trap 'cmake/wine/stop.sh "$state"' EXIT
for bench in store_bench startup_bench editor_bench colour_choice_bench; do
  echo "== $bench"
  QUILL_WINE_STATE=$state taskset -c 0 cmake/wine/run.sh "$build/bench/$bench.exe"
done
