#!/usr/bin/env bash
# Runs every benchmark under Wine and prints their figures. The Wine server,
# the display and the programs share one core: a request to the server then
# costs a switch on that core, not a wake-up of the other one, which on a
# virtual machine varies tenfold from run to run. --unpinned runs them where
# the system puts them, as a user's programs run.
# Usage: bench.sh [--unpinned] [WINDOWS_BUILD_DIR] (default build/win32 where
# the machine runs 32-bit code, else build/win64; the test command builds both).
set -euo pipefail
cd "$(dirname "$0")/.."
source cmake/wine/loader.sh
pin=(taskset -c 0)
if [[ ${1:-} == --unpinned ]]; then
  pin=()
  shift
fi
default=build/win32 arch=i386
quill_use_wine i386 >/dev/null || default=build/win64 arch=x86_64
build=$(realpath "${1:-$default}")
[[ -z ${1:-} ]] || arch=$(quill_pe_arch "$build/bin/quillmar-appearance.exe")
echo "Benchmarks of $build ($arch)${pin[*]:+, on one core}"
state="$build/bench-wine"
cmake --build "$build" -j"$(nproc)" >/dev/null
"${pin[@]}" cmake/wine/start.sh "$state" "$arch" >/dev/null
trap 'cmake/wine/stop.sh "$state"' EXIT
# A benchmark that fails (a figure it could not take) fails the run, after the others.
status=0
for bench in store_bench startup_bench editor_bench colour_choice_bench; do
  echo "== $bench"
  QUILL_WINE_STATE=$state "${pin[@]}" cmake/wine/run.sh "$build/bench/$bench.exe" || status=1
done
exit $status
