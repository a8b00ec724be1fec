# The release package: a zip with the program, the README and the licence,
# named after the one version that project() defines and the tree's kind of
# Windows (`-win32`, `-win64`).
if(TARGET quillmar-appearance)
  install(TARGETS quillmar-appearance RUNTIME DESTINATION .)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_NAME quillmar-appearance)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
  set(CPACK_SYSTEM_NAME ${QUILL_TREE})
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
  set(CPACK_STRIP_FILES ON)
  include(CPack)
  find_program(QUILL_WRESTOOL wrestool REQUIRED)

  add_test(NAME ${QUILL_TREE}.release_package
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DVERSION=${PROJECT_VERSION}
                   -DSYSTEM_NAME=${QUILL_TREE} -DOBJDUMP=${CMAKE_OBJDUMP}
                   -DPROGRAM=$<TARGET_FILE:quillmar-appearance>
                   -DCMAKE_CPACK_COMMAND=${CMAKE_CPACK_COMMAND}
                   -DWRESTOOL=${QUILL_WRESTOOL} -DICOTOOL=${QUILL_ICOTOOL}
                   -P ${PROJECT_SOURCE_DIR}/cmake/CheckPackage.cmake)
endif()
