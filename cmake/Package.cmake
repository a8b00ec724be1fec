# The release package: a zip with the stripped program, the README and the
# licence in one folder, named after the one version that project() defines
# and the tree's kind of Windows (`-win32`, `-win64`). Made by a script of
# ours rather than CPack, whose zips carry the files' access and change times
# and the builder's time zone: this one gives the same bytes from the same
# sources (cmake/ReleaseZip.cmake).
if(TARGET quillmar-appearance)
  find_program(QUILL_ZIP zip REQUIRED)
  set(QUILL_RELEASE_ZIP
      ${CMAKE_BINARY_DIR}/quillmar-appearance-${PROJECT_VERSION}-${QUILL_TREE}.zip)
  add_custom_command(OUTPUT ${QUILL_RELEASE_ZIP}
    COMMAND ${CMAKE_COMMAND} -DZIP=${QUILL_ZIP} -DSTRIP=${CMAKE_STRIP}
            -DEPOCH=${QUILL_SOURCE_DATE_EPOCH} -DOUT=${QUILL_RELEASE_ZIP}
            -DSTAGE=${CMAKE_BINARY_DIR}/release-zip
            -DFILES=$<TARGET_FILE:quillmar-appearance>|${PROJECT_SOURCE_DIR}/README.md|${PROJECT_SOURCE_DIR}/LICENSE
            -P ${PROJECT_SOURCE_DIR}/cmake/ReleaseZip.cmake
    DEPENDS quillmar-appearance ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
            ${PROJECT_SOURCE_DIR}/cmake/ReleaseZip.cmake
    VERBATIM)
  add_custom_target(release_zip DEPENDS ${QUILL_RELEASE_ZIP})

  if(QUILL_TESTS)
    find_program(QUILL_WRESTOOL wrestool REQUIRED)
    add_test(NAME ${QUILL_TREE}.release_package
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DVERSION=${PROJECT_VERSION}
                     -DSYSTEM_NAME=${QUILL_TREE} -DOBJDUMP=${CMAKE_OBJDUMP}
                     -DPROGRAM=$<TARGET_FILE:quillmar-appearance> -DZIP_FILE=${QUILL_RELEASE_ZIP}
                     -DEPOCH=${QUILL_SOURCE_DATE_EPOCH}
                     -DWRESTOOL=${QUILL_WRESTOOL} -DICOTOOL=${QUILL_ICOTOOL}
                     -P ${PROJECT_SOURCE_DIR}/cmake/CheckPackage.cmake)
  endif()
endif()
