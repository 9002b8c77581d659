#include <gtest/gtest.h>

// Test main for the Qt-free tests. Each test makes the objects it works on,
// so no state carries over from one test to the next.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
