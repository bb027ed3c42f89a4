#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/Harness.h"

// Quillox.exe is expected beside this program (both are built into the same folder).
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::printf("program under test: %s\n", qx::test::QuilloxUnderTest().c_str());
    return RUN_ALL_TESTS();
}
