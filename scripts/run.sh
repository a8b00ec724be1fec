#!/usr/bin/env bash
# Sets up the machine, builds the 32-bit program and starts it under Wine, in
# the user's Wine prefix (or WINEPREFIX). With no X display it runs on a
# virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j"$(nproc)" --target quillmar-appearance
program=build/win32/bin/quillmar-appearance.exe
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [[ -z "${DISPLAY:-}" ]]; then
  echo "No X display: running on a virtual screen (xvfb-run); close it with Ctrl+C."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" wine "$program"
fi
exec wine "$program"
