# Builds the 32-bit Windows program with MinGW-w64 in a sibling tree and
# makes that tree's tests (run under Wine) part of this tree's CTest run.
include(ExternalProject)

get_filename_component(win32_dir "${QUILL_WIN32_BINARY_DIR}" ABSOLUTE)

ExternalProject_Add(win32_build
  SOURCE_DIR "${CMAKE_SOURCE_DIR}"
  BINARY_DIR "${win32_dir}"
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/toolchain-i686-mingw.cmake
    -DCMAKE_BUILD_TYPE=Release
    -DQUILL_WERROR=${QUILL_WERROR}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  USES_TERMINAL_BUILD ON)

# ctest reads this file while it runs; `subdirs` adds the Windows tree's tests.
file(WRITE "${CMAKE_BINARY_DIR}/win32_tests.cmake"
     "if(EXISTS \"${win32_dir}/CTestTestfile.cmake\")\n  subdirs(\"${win32_dir}\")\nendif()\n")
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES
             "${CMAKE_BINARY_DIR}/win32_tests.cmake")
