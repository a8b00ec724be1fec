# The release packages: a zip with the stripped program and the texts for
# Windows users in one folder, and a Windows Installer package of the same
# files (cmake/WindowsInstaller.cmake), both named after the one version that
# project() defines and the tree's kind of Windows (`-win32`, `-win64`). Made
# by scripts of ours rather than CPack, whose zips carry the files' access and
# change times and the builder's time zone: these give the same bytes from
# the same sources (cmake/StageRelease.cmake).
if(TARGET quillmar-appearance)
  find_program(QUILL_ZIP zip REQUIRED)
  # The texts for Windows users; the developers' README stays out.
  find_file(QUILL_GPL3 GPL-3 PATHS /usr/share/common-licenses NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
            REQUIRED)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in
                 ${CMAKE_BINARY_DIR}/windows/README.txt @ONLY)
  set(QUILL_RELEASE_TEXTS ${CMAKE_BINARY_DIR}/windows/README.txt
      ${PROJECT_SOURCE_DIR}/LICENSE>LICENSE.txt ${PROJECT_SOURCE_DIR}/packaging/windows/NOTICES.txt
      ${QUILL_GPL3}>GPL-3.txt)
  set(QUILL_RELEASE_TEXT_FILES ${QUILL_RELEASE_TEXTS})
  list(TRANSFORM QUILL_RELEASE_TEXT_FILES REPLACE ">.*" "")
  string(JOIN "|" _texts ${QUILL_RELEASE_TEXTS})
  set(QUILL_RELEASE_DEPENDS quillmar-appearance ${QUILL_RELEASE_TEXT_FILES}
      ${PROJECT_SOURCE_DIR}/cmake/StageRelease.cmake)

  set(QUILL_RELEASE_ZIP
      ${CMAKE_BINARY_DIR}/quillmar-appearance-${PROJECT_VERSION}-${QUILL_TREE}.zip)
  add_custom_command(OUTPUT ${QUILL_RELEASE_ZIP}
    COMMAND ${CMAKE_COMMAND} -DZIP=${QUILL_ZIP} -DSTRIP=${CMAKE_STRIP}
            -DEPOCH=${QUILL_SOURCE_DATE_EPOCH} -DOUT=${QUILL_RELEASE_ZIP}
            -DSTAGE=${CMAKE_BINARY_DIR}/release-zip
            -DPROGRAM=$<TARGET_FILE:quillmar-appearance> -DTEXTS=${_texts}
            -P ${PROJECT_SOURCE_DIR}/cmake/ReleaseZip.cmake
    DEPENDS ${QUILL_RELEASE_DEPENDS} ${PROJECT_SOURCE_DIR}/cmake/ReleaseZip.cmake
    VERBATIM)
  add_custom_target(release_zip DEPENDS ${QUILL_RELEASE_ZIP})
  include(${PROJECT_SOURCE_DIR}/cmake/WindowsInstaller.cmake)

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
