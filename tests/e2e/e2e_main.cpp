#include <gtest/gtest.h>

#include <cstring>

#include "tests/e2e/e2e_test_support.h"

namespace quill::e2e {
namespace {
bool afterServerRestart = false;
}
bool AfterServerRestart() {
    return afterServerRestart;
}
}  // namespace quill::e2e

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--after-server-restart") == 0) {
            quill::e2e::afterServerRestart = true;
        }
    }
    return RUN_ALL_TESTS();
}
