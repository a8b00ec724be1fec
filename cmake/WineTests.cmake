# Windows tests run under Wine in a prefix of their own inside the build
# tree. A CTest fixture prepares it (with an Xvfb display and a persistent
# wineserver) before the first Windows test and tears it down after the last.
# Both Windows trees feed one ctest run, so every name here carries the
# tree's: `win32.e2e_apply`, `win64.e2e_apply`, and every Wine test the
# label `wine_<tree>`. Where the machine runs no 32-bit code, the 32-bit
# tree's Wine tests exit 77 and show as skipped.
if(QUILL_TREE STREQUAL win64)
  set(QUILL_WINE_ARCH x86_64)
else()
  set(QUILL_WINE_ARCH i386)
endif()
set(QUILL_WINE_STATE "${CMAKE_BINARY_DIR}/wine")
set(_wine_dir "${CMAKE_SOURCE_DIR}/cmake/wine")
set(_wine_skip 77)

add_test(NAME ${QUILL_TREE}.wine_environment_start
         COMMAND ${_wine_dir}/start.sh ${QUILL_WINE_STATE} ${QUILL_WINE_ARCH})
set_tests_properties(${QUILL_TREE}.wine_environment_start PROPERTIES
  FIXTURES_SETUP wine_${QUILL_TREE} RUN_SERIAL ON TIMEOUT 300 SKIP_RETURN_CODE ${_wine_skip}
  LABELS wine_${QUILL_TREE})
add_test(NAME ${QUILL_TREE}.wine_environment_stop
         COMMAND ${_wine_dir}/stop.sh ${QUILL_WINE_STATE})
set_tests_properties(${QUILL_TREE}.wine_environment_stop PROPERTIES
  FIXTURES_CLEANUP wine_${QUILL_TREE} LABELS wine_${QUILL_TREE})

# quill_add_wine_test(NAME COMMAND...): runs COMMAND (a Windows test
# executable, or a script that takes the tree's kind of program) in this
# tree's Wine environment, once, as the CTest test <tree>.NAME (each Wine
# start costs about a second). The time limit only ends a hung run: on a
# loaded machine a suite that takes half a minute can take several.
function(quill_add_wine_test name)
  add_test(NAME ${QUILL_TREE}.${name} COMMAND ${ARGN})
  set_tests_properties(${QUILL_TREE}.${name} PROPERTIES
    FIXTURES_REQUIRED wine_${QUILL_TREE}
    RESOURCE_LOCK wine_registry_${QUILL_TREE}
    # The program speaks the locale's language: English unless a test says.
    ENVIRONMENT_MODIFICATION "QUILL_WINE_STATE=set:${QUILL_WINE_STATE};LC_ALL=set:C"
    SKIP_RETURN_CODE ${_wine_skip}
    LABELS wine_${QUILL_TREE}
    TIMEOUT 600)
endfunction()

# Runs the Wine test TEST under LOCALE (made by the tree's `locales` test in
# QUILL_LOCALES), expecting the catalogue LANGUAGE ("en" where the program
# has none of the locale's language).
set(QUILL_LOCALES ${CMAKE_BINARY_DIR}/locales)
function(quill_wine_test_in_locale test locale language)
  set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT_MODIFICATION
               "LC_ALL=unset:" "LC_MESSAGES=unset:" "LANGUAGE=unset:" "LANG=set:${locale}"
               "LOCPATH=set:${QUILL_LOCALES}" "QUILL_EXPECTED_LANGUAGE=set:${language}")
  set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED locales_${QUILL_TREE})
endfunction()
