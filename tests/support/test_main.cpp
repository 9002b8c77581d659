#include <gtest/gtest.h>

#include "support/fresh_state.h"

// Test main for the Qt-free tests: every test starts from a full reset.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshStateForEachTest);
    return RUN_ALL_TESTS();
}
