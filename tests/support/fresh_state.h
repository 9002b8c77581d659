#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "modes/global_state.h"

// Starts every test from the program's state at start: a listener that runs
// the full reset before each test's fixture is built.
class FreshStateForEachTest : public testing::EmptyTestEventListener {
public:
    explicit FreshStateForEachTest(std::function<void()> alsoReset = {}) : alsoReset_(std::move(alsoReset)) {}
    void OnTestStart(const testing::TestInfo&) override {
        ResetGlobalState();
        if (alsoReset_) alsoReset_();
    }

private:
    std::function<void()> alsoReset_;
};
