# The Windows Installer package: `release_msi` makes
# quillmar-appearance-<version>-<tree>.msi from packaging/windows/*.wxs with
# Debian's wixl (cmake/MakeInstaller.cmake). The Debian package needs none,
# so a tree without the tests makes it only where wixl is installed, and
# wixl stays out of the package's build dependencies. The icon is the
# program's, made before it (QUILL_RELEASE_DEPENDS names the program).
set(_tools QUILL_WIXL wixl QUILL_MSIBUILD msibuild QUILL_MSIINFO msiinfo QUILL_FAKETIME faketime)
while(_tools)
  list(POP_FRONT _tools variable program)
  if(QUILL_TESTS)
    find_program(${variable} ${program} REQUIRED)
  else()
    find_program(${variable} ${program})
    if(NOT ${variable})
      return()
    endif()
  endif()
endwhile()

if(QUILL_TREE STREQUAL win64)
  set(QUILL_MSI_ARCH x64)
else()
  set(QUILL_MSI_ARCH x86)
endif()
# Everything the package is made of but its version: the test of upgrades
# makes a later version from the same settings.
set(QUILL_MSI_SETTINGS ${CMAKE_BINARY_DIR}/windows/installer-settings.cmake)
file(GENERATE OUTPUT ${QUILL_MSI_SETTINGS} CONTENT "\
set(WIXL [[${QUILL_WIXL}]])
set(MSIBUILD [[${QUILL_MSIBUILD}]])
set(MSIINFO [[${QUILL_MSIINFO}]])
set(FAKETIME [[${QUILL_FAKETIME}]])
set(WXS [[${PROJECT_SOURCE_DIR}/packaging/windows/quillmar-appearance.wxs]])
set(ARCH ${QUILL_MSI_ARCH})
set(PROGRAM [[$<TARGET_FILE:quillmar-appearance>]])
set(STRIP [[${CMAKE_STRIP}]])
set(ICON [[${QUILL_ICON_FILE}]])
set(TEXTS [[${_texts}]])
set(URL [[${QUILL_HOMEPAGE}]])
set(EPOCH ${QUILL_SOURCE_DATE_EPOCH})
")
set(QUILL_RELEASE_MSI
    ${CMAKE_BINARY_DIR}/quillmar-appearance-${PROJECT_VERSION}-${QUILL_TREE}.msi)
add_custom_command(OUTPUT ${QUILL_RELEASE_MSI}
  COMMAND ${CMAKE_COMMAND} -DSETTINGS=${QUILL_MSI_SETTINGS} -DVERSION=${PROJECT_VERSION}
          -DSTAGE=${CMAKE_BINARY_DIR}/release-msi -DOUT=${QUILL_RELEASE_MSI}
          -P ${PROJECT_SOURCE_DIR}/cmake/MakeInstaller.cmake
  DEPENDS ${QUILL_RELEASE_DEPENDS} ${QUILL_ICON_FILE} ${QUILL_MSI_SETTINGS}
          ${PROJECT_SOURCE_DIR}/packaging/windows/quillmar-appearance.wxs
          ${PROJECT_SOURCE_DIR}/cmake/MakeInstaller.cmake ${PROJECT_SOURCE_DIR}/cmake/CabTimes.pl
  VERBATIM)
# The tests install it: there it is made with the programs.
if(QUILL_TESTS)
  set(_all ALL)
endif()
add_custom_target(release_msi ${_all} DEPENDS ${QUILL_RELEASE_MSI})
