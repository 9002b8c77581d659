#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <memory>

#include "gui/comm/qt_comm_hand_over.h"
#include "serial/comm.h"
#include "support/process_events.h"
#include "support/pty_pair.h"

namespace {

class QtHandOverTest : public ::testing::Test {
protected:
    PtyPair pty;
    TComm comm;
    std::unique_ptr<QtCommHandOver> glue = std::make_unique<QtCommHandOver>(comm);

    QtHandOverTest() {
        comm.SetDeviceName(pty.SlavePath());
        comm.Open();
    }
};

// While the owner's tick serves the port, received bytes wait for the tick,
// so the GUI thread is not woken for each batch; what a handler leaves unread
// is served through the event loop at once, without waiting for further
// ticks. Without the tick, every batch is served through the event loop.
TEST_F(QtHandOverTest, BytesWaitForTheTickAndWhatIsLeftUnreadIsServedAtOnce) {
    constexpr int32_t kMostPerRead = 2;
    std::vector<uint8_t> received;
    bool onGuiThread = true;
    comm.OnRxChar = [&](TCustomComm*, int32_t Count) {
        onGuiThread = onGuiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        std::vector<uint8_t> bytes(kMostPerRead);
        bytes.resize(static_cast<std::size_t>(std::max(0, comm.Read(bytes.data(), std::min(Count, kMostPerRead)))));
        received.insert(received.end(), bytes.begin(), bytes.end());
    };
    glue->SetServedAtTicks(true);
    std::vector<uint8_t> sent{0x02, 0x05, 0x00, 0x41, 0x42};
    pty.Write(sent);
    bool ticked = false;
    ASSERT_TRUE(ProcessEventsUntil([&] { return ticked = ticked || comm.ServeHandOver(); }));  // the tick
    EXPECT_EQ(received.size(), static_cast<std::size_t>(kMostPerRead));
    ASSERT_TRUE(ProcessEventsUntil([&] { return received.size() == sent.size(); }));

    glue->SetServedAtTicks(false);
    sent.push_back(0x43);
    pty.Write({0x43});
    ASSERT_TRUE(ProcessEventsUntil([&] { return received.size() == sent.size(); }));
    EXPECT_EQ(received, sent);
    EXPECT_TRUE(onGuiThread);
}

TEST_F(QtHandOverTest, TheGlueMayGoFirstAndAWakeAfterCloseFindsNothing) {
    int handled = 0;
    comm.OnRxChar = [&](TCustomComm*, int32_t) { ++handled; };
    pty.Write({1});
    comm.Close();  // possibly with a batch pending and its call queued
    glue.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(comm.Enabled());
    comm.Open();  // a component without glue still opens and closes cleanly
    pty.Write({2});
    comm.Close();
    EXPECT_EQ(handled, 0);
}

}  // namespace
