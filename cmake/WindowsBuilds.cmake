# The Windows program with MinGW-w64, from the same sources twice: the 32-bit
# release (`win32`) and the same program for 64-bit-only systems (`win64`).
# Each tree's tests run under Wine's loader for its own kind of program; the
# 32-bit tree's are skipped where the machine runs no 32-bit code.
# QUILL_WINDOWS_TREES picks the trees (the Debian 12 testbed, which runs the
# 32-bit tree's tests alone, builds that one only).
set(QUILL_WINDOWS_TREES win32 win64 CACHE STRING "The Windows trees to build: win32, win64 or both")
if(win32 IN_LIST QUILL_WINDOWS_TREES)
  quill_add_sibling_build(win32
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/toolchain-i686-mingw.cmake
    -DCMAKE_BUILD_TYPE=Release)
endif()
if(win64 IN_LIST QUILL_WINDOWS_TREES)
  quill_add_sibling_build(win64
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/toolchain-x86_64-mingw.cmake
    -DCMAKE_BUILD_TYPE=Release)
endif()
