# Windows tests run under Wine in a prefix of their own inside the build
# tree. A CTest fixture prepares it (with an Xvfb display and a persistent
# wineserver) before the first Windows test and tears it down after the last.
set(QUILL_WINE_STATE "${CMAKE_BINARY_DIR}/wine")
set(_wine_dir "${CMAKE_SOURCE_DIR}/cmake/wine")

add_test(NAME wine_environment_start
         COMMAND ${_wine_dir}/start.sh ${QUILL_WINE_STATE})
set_tests_properties(wine_environment_start PROPERTIES
  FIXTURES_SETUP wine RUN_SERIAL ON TIMEOUT 300)
add_test(NAME wine_environment_stop
         COMMAND ${_wine_dir}/stop.sh ${QUILL_WINE_STATE})
set_tests_properties(wine_environment_stop PROPERTIES FIXTURES_CLEANUP wine)

# quill_add_wine_test(NAME target [ARGS ...]): runs a Windows test executable
# under Wine, once, as one CTest test (each Wine start costs about a second).
function(quill_add_wine_test name target)
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    RESOURCE_LOCK wine_registry
    ENVIRONMENT "QUILL_WINE_STATE=${QUILL_WINE_STATE}"
    TIMEOUT 60)
endfunction()
