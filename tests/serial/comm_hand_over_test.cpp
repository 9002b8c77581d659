#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "serial/comm_hand_over.h"

namespace {

// A hand-over whose waker counts its calls.
class HandOverTest : public ::testing::Test {
protected:
    CommHandOver handOver;
    int wakes = 0;

    HandOverTest() {
        handOver.SetWaker([this](const CommEventBatch&) { ++wakes; });
    }
};

// The event thread never waits: what it delivers before the GUI thread takes
// it is one batch with every bit, announced by one wake; after the take the
// next delivery wakes again, as does a backlog joining the batch. Deliveries from another thread race with the
// takes, and no bit is ever lost.
TEST_F(HandOverTest, DeliveriesMergeUntilTakenAndEveryBitArrives) {
    EXPECT_TRUE(handOver.Deliver({0x01, false, 1}));
    EXPECT_TRUE(handOver.Deliver({0x04, false, 1}));
    EXPECT_TRUE(handOver.Deliver({0x00, true, 1}));
    EXPECT_EQ(wakes, 1);
    const auto batch = handOver.Take();
    ASSERT_TRUE(batch);
    EXPECT_EQ(batch->mask, 0x05u);
    EXPECT_TRUE(batch->deviceLost);
    EXPECT_FALSE(handOver.Take());  // taken once only
    EXPECT_TRUE(handOver.Deliver({0x02, false, 1}));
    EXPECT_EQ(wakes, 2);
    // Input left after a partial read joins a batch that may be waiting for
    // the owner's tick: it wakes again, once.
    handOver.Deliver({0x01, false, 1, true});
    handOver.Deliver({0x01, false, 1, true});
    EXPECT_EQ(wakes, 3);
    EXPECT_TRUE(handOver.Take()->backlog);

    constexpr int kDeliveries = 20000;
    std::thread eventThread([this] {
        for (int i = 0; i < kDeliveries; ++i) handOver.Deliver({1u << (i % 8), false, 1});
    });
    uint32_t seen = 0;
    const auto take = [&] {
        if (const auto next = handOver.Take()) seen |= next->mask;
    };
    for (int spins = 0; spins < 100000 && seen != 0xFF; ++spins) take();
    eventThread.join();
    take();
    EXPECT_EQ(seen, 0xFFu);
}

TEST_F(HandOverTest, CancelDropsThePendingBatchAndRefusesFurtherBatchesUntilReset) {
    handOver.Deliver({0x01, false, 1});
    handOver.Cancel();
    EXPECT_FALSE(handOver.Take());
    EXPECT_FALSE(handOver.Deliver({0x01, false, 1}));
    EXPECT_FALSE(handOver.Take());
    handOver.Reset();
    EXPECT_TRUE(handOver.Deliver({0x02, false, 2}));
    const auto batch = handOver.Take();
    ASSERT_TRUE(batch);
    EXPECT_EQ(batch->mask, 0x02u);
    EXPECT_EQ(wakes, 2);
}

}  // namespace
