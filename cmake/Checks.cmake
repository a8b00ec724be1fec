# The hardening builds: the core and its tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the libFuzzer targets (clang).
quill_add_sibling_build(sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILL_SANITIZE=ON)
quill_add_sibling_build(fuzz
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILL_FUZZ=ON
  -DQUILL_FUZZ_SECONDS=${QUILL_FUZZ_SECONDS})
