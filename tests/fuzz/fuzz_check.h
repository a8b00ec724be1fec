#pragma once

#include <cstdio>
#include <cstdlib>

// A property that does not hold ends the run as a crash, so the fuzzer saves
// the input that broke it.
#define FUZZ_CHECK(holds) \
    ((holds) ? void() : (std::fprintf(stderr, "property failed: %s\n", #holds), std::abort()))
