#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
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

TEST_F(QtHandOverTest, EventsAreHandledOnTheGuiThreadThroughTheEventLoop) {
    std::vector<uint8_t> received;
    bool onGuiThread = true;
    comm.OnRxChar = [&](TCustomComm*, int32_t Count) {
        onGuiThread = onGuiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        std::vector<uint8_t> bytes(static_cast<std::size_t>(Count));
        bytes.resize(static_cast<std::size_t>(std::max(0, comm.Read(bytes.data(), Count))));
        received.insert(received.end(), bytes.begin(), bytes.end());
    };
    pty.Write({0x02, 0x05, 0x00});
    ASSERT_TRUE(ProcessEventsUntil([&] { return received.size() == 3; }));
    pty.Write({0x41});
    ASSERT_TRUE(ProcessEventsUntil([&] { return received.size() == 4; }));
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
