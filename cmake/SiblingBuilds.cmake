# Sibling trees built from this one as external projects, each in a folder
# beside this tree, whose tests are pulled into this tree's CTest run: one
# `ctest` runs them all and prints one summary.
include(ExternalProject)

function(quill_add_sibling_build name)
  get_filename_component(dir "${CMAKE_BINARY_DIR}/../${name}" ABSOLUTE)
  ExternalProject_Add(${name}_build
    SOURCE_DIR "${CMAKE_SOURCE_DIR}"
    BINARY_DIR "${dir}"
    CMAKE_ARGS -DQUILL_WERROR=${QUILL_WERROR} -DQUILL_WITH_WIN32=OFF -DQUILL_WITH_CHECKS=OFF ${ARGN}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    USES_TERMINAL_BUILD ON)
  # ctest reads this file while it runs; `subdirs` adds the sibling's tests.
  set(include_file "${CMAKE_BINARY_DIR}/${name}_tests.cmake")
  file(WRITE "${include_file}"
       "if(EXISTS \"${dir}/CTestTestfile.cmake\")\n  subdirs(\"${dir}\")\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include_file}")
endfunction()
