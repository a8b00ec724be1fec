# The hardening builds: the core and its tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the libFuzzer targets (clang).
quill_add_sibling_build(sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILL_SANITIZE=ON)
quill_add_sibling_build(fuzz
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILL_FUZZ=ON
  -DQUILL_FUZZ_SECONDS=${QUILL_FUZZ_SECONDS})

# clang-tidy and cppcheck over all our code, in every tree's compile database.
get_filename_component(_builds "${CMAKE_BINARY_DIR}/.." ABSOLUTE)
add_test(NAME static_analysis
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/analyse.sh ${CMAKE_BINARY_DIR} ${_builds}/win32
                 ${_builds}/fuzz)
# Started first (COST): the longest of the tests that keep the cores busy.
set_tests_properties(static_analysis PROPERTIES TIMEOUT 1800 LABELS analysis COST 2000)
