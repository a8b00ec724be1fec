# The 32-bit Windows program with MinGW-w64; its tests run under Wine.
quill_add_sibling_build(win32
  -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/toolchain-i686-mingw.cmake
  -DCMAKE_BUILD_TYPE=Release)
