#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "serial/comm_hand_over.h"

namespace {

// A hand-over whose waker lets the test wait for a pending batch.
class HandOverTest : public ::testing::Test {
protected:
    CommHandOver handOver;
    std::promise<void> woken;

    HandOverTest() {
        handOver.SetWaker([this] { woken.set_value(); });
    }
    std::future<bool> DeliverOnAnotherThread(uint32_t mask) {
        return std::async(std::launch::async, [this, mask] { return handOver.Deliver({mask, false, 1}); });
    }
    void AwaitWake() {
        ASSERT_EQ(woken.get_future().wait_for(std::chrono::seconds(10)), std::future_status::ready);
        woken = {};
    }
};

TEST_F(HandOverTest, TheDeliveringThreadWaitsUntilTheBatchIsFinished) {
    std::future<bool> delivered = DeliverOnAnotherThread(0x01);
    AwaitWake();
    const auto ticket = handOver.Take();
    ASSERT_TRUE(ticket);
    EXPECT_EQ(ticket->batch.mask, 0x01u);
    EXPECT_FALSE(handOver.Take());  // taken once only
    EXPECT_EQ(delivered.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout);
    handOver.Finish(ticket->number);
    EXPECT_TRUE(delivered.get());
}

TEST_F(HandOverTest, CancelReleasesTheWaiterAndRefusesFurtherBatchesUntilReset) {
    std::future<bool> delivered = DeliverOnAnotherThread(0x01);
    AwaitWake();
    handOver.Cancel();
    EXPECT_FALSE(delivered.get());
    EXPECT_FALSE(handOver.Take());
    EXPECT_FALSE(handOver.Deliver({0x01, false, 1}));  // would otherwise block forever
    handOver.Reset();

    std::future<bool> next = DeliverOnAnotherThread(0x02);
    AwaitWake();
    const auto ticket = handOver.Take();
    ASSERT_TRUE(ticket);
    handOver.Finish(ticket->number - 1);  // a batch of an earlier thread finishing late
    EXPECT_EQ(next.wait_for(std::chrono::milliseconds(0)), std::future_status::timeout);
    handOver.Finish(ticket->number);
    EXPECT_TRUE(next.get());
}

}  // namespace
