#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it under Wine, in the
# user's Wine prefix (or WINEPREFIX): the 32-bit program where the machine
# runs 32-bit code, the 64-bit one where it does not (or QUILL_NO_32BIT=1).
# With no X display it runs on a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
source cmake/wine/loader.sh
if why=$(quill_use_wine i386); then
  tree=win32 toolchain=i686
  echo "Starting the 32-bit program."
else
  tree=win64 toolchain=x86_64
  if ! why64=$(quill_use_wine x86_64); then
    echo "Neither program can start here: $why; $why64." >&2
    exit 1
  fi
  echo "Starting the 64-bit program: $why."
fi
# A tree the test command made already is built as it is configured.
if [[ ! -f build/$tree/CMakeCache.txt ]]; then
  cmake -S . -B build/$tree -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-$toolchain-mingw.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build build/$tree -j"$(nproc)" --target quillmar-appearance
program=build/$tree/bin/quillmar-appearance.exe
if [[ -z "${DISPLAY:-}" ]]; then
  echo "No X display: running on a virtual screen (xvfb-run); close it with Ctrl+C."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" cmake/wine/run.sh "$program"
fi
exec cmake/wine/run.sh "$program"
