#!/usr/bin/env bash
# Runs every benchmark under Wine and prints their figures. The Wine server,
# the display and the programs share one core: a request to the server then
# costs a switch on that core, not a wake-up of the other one, which on a
# virtual machine varies tenfold from run to run.
# Usage: bench.sh [WINDOWS_BUILD_DIR] (default build/win32 where the machine
# runs 32-bit code, else build/win64; the test command builds both).
set -euo pipefail
cd "$(dirname "$0")/.."
source cmake/wine/loader.sh
default=build/win32 arch=i386
quill_use_wine i386 >/dev/null || default=build/win64 arch=x86_64
build=$(realpath "${1:-$default}")
[[ -z ${1:-} ]] || arch=$(quill_pe_arch "$build/bin/quillmar-appearance.exe")
echo "Benchmarks of $build ($arch)"
state="$build/bench-wine"
cmake --build "$build" -j"$(nproc)" >/dev/null
taskset -c 0 cmake/wine/start.sh "$state" "$arch" >/dev/null
trap 'cmake/wine/stop.sh "$state"' EXIT
for bench in store_bench startup_bench editor_bench colour_choice_bench; do
  echo "== $bench"
  QUILL_WINE_STATE=$state taskset -c 0 cmake/wine/run.sh "$build/bench/$bench.exe"
done
