// Faults on the serial line, met by the whole main window: its own serial
// component on COM1 (mapped to a pseudo-terminal in RADIO.INI), the Qt
// hand-over and the 20 ms time base driven tick by tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>
#include <thread>

#include "gui/shell/serial_port_dialog.h"
#include "link/device_link.h"
#include "support/event_threads.h"
#include "support/form_fixture.h"
#include "support/heap_in_use.h"
#include "support/link_fixture.h"
#include "support/process_events.h"
#include "support/pty_pair.h"
#include "support/thread_reads.h"

namespace {

const QString kOnlineCaption = "Online - device interface mode";
const QString kOfflineCaption = "Offline - device emulation mode";
constexpr int kFloodPatienceMs = 180000;  // a hang guard for slow sanitizer builds

std::vector<uint8_t> Message() {
    const DisplayMessageBytes message = BuildDisplayMessage(ReceivingDisplay());
    return {message.begin(), message.end()};
}

// Random bytes that hold no message header and leave the receiver waiting
// for a start byte, so that only a real message can switch online.
std::vector<uint8_t> Noise(std::size_t size, uint32_t seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> noise(size);
    for (uint8_t& b : noise) b = static_cast<uint8_t>(random());
    for (std::size_t i = 0; i + 2 < size; ++i)
        if (noise[i] == DisplayMessageStart && noise[i + 1] == DisplayMessageType && noise[i + 2] == DisplayMessageZero)
            noise[i + 1] = DisplayMessageType + 1;
    noise[size - 2] = noise[size - 1] = 0xFF;
    return noise;
}

class SerialLinkFaultTest : public FormTest {
protected:
    PtyPair pty;

    void MapCom1(const std::string& devicePath) {
        dir.Write("RADIO.INI", "[Setup]\r\nCommsPort=0\r\n[Ports]\r\nCOM1=" + devicePath + "\r\n");
    }
    // The window as the program starts it, with COM1 on the pseudo-terminal.
    void OpenOnPty() {
        MapCom1(pty.SlavePath());
        Open();
        ASSERT_TRUE(form->Core.Comm1.Enabled());
        ASSERT_TRUE(portMessages.empty());
    }
    bool Online() const { return form->Core.Mode.Watchdog() != 0 && form->Label1->text() == kOnlineCaption; }
};

TEST_F(SerialLinkFaultTest, APulledDeviceIsReportedOnceGoesOfflineAndOpensAgainWhenChosenAfterItCameBack) {
    const int threadsBefore = EventThreadCount(0);
    OpenOnPty();
    EXPECT_EQ(EventThreadCount(threadsBefore + 1), threadsBefore + 1);
    std::vector<int32_t> errors;
    form->Core.Comm1.OnError = [&](TCustomComm*, int32_t Errors) { errors.push_back(Errors); };
    pty.Write(Message());
    ASSERT_TRUE(ProcessEventsUntil([&] { return Online(); }));

    pty.CloseMaster();
    ASSERT_TRUE(ProcessEventsUntil([&] { return !form->Core.Comm1.Enabled(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(errors, std::vector<int32_t>{CommErrorDeviceLost});
    EXPECT_EQ(EventThreadCount(threadsBefore), threadsBefore);  // the thread ended: nothing left to spin
    EXPECT_TRUE(portMessages.empty());
    EXPECT_TRUE(messages.empty());

    int ticks = 0;
    while (form->Core.Mode.Watchdog() != 0 && ticks < 200) {
        form->Timer2Timer();
        ++ticks;
    }
    EXPECT_GT(ticks, 100);
    EXPECT_LE(ticks, 125);  // 2.5 s of 20 ms ticks
    EXPECT_EQ(form->Label1->text(), kOfflineCaption);
    EXPECT_TRUE(form->ScrollBar1->isEnabled());
    EXPECT_TRUE(form->Timer1.isActive());  // the emulator starts again
    form->Timer1.stop();

    PtyPair replugged;
    MapCom1(replugged.SlavePath());
    form->Form15->show();
    form->Form15->RadioGroup2Items->button(0)->click();
    EXPECT_TRUE(form->Core.Comm1.Enabled());
    EXPECT_EQ(EventThreadCount(threadsBefore + 1), threadsBefore + 1);
    replugged.Write(Message());
    EXPECT_TRUE(ProcessEventsUntil([&] { return Online(); }));
    form->Form15->hide();
    EXPECT_TRUE(portMessages.empty());
    EXPECT_EQ(errors.size(), 1u);
}

// What the window's receive handler did over a run of batches.
struct BatchFigures {
    uint64_t batches = 0;
    uint64_t bytes = 0;
    uint64_t mostBytes = 0;   // read in one batch
    uint64_t mostReads = 0;   // read() calls in one batch
    int32_t mostWaiting = 0;  // bytes waiting when a batch was handled

    void Add(int32_t waiting, const ThreadReadMeter::Reads& reads) {
        ++batches;
        bytes += reads.bytes;
        mostBytes = std::max(mostBytes, reads.bytes);
        mostReads = std::max(mostReads, reads.calls);
        mostWaiting = std::max(mostWaiting, waiting);
    }
};

// A queued event that queues itself again when delivered: the window's other
// work (input, repaints, timers) waiting in the same event loop as the
// hand-overs. Counts the batches served between two of its deliveries.
class QueuedWork {
public:
    explicit QueuedWork(QObject* context) : context_(context) {}
    void Start() {
        running_ = true;
        Queue();
    }
    void Stop() { running_ = false; }
    bool Pending() const { return pending_; }
    void BatchServed() { ++batchesSinceDelivery_; }

    uint64_t deliveries = 0;
    uint64_t mostBatchesBetweenDeliveries = 0;

private:
    void Queue() {
        pending_ = true;
        QMetaObject::invokeMethod(
            context_, [this] { Deliver(); }, Qt::QueuedConnection);
    }
    void Deliver() {
        pending_ = false;
        ++deliveries;
        mostBatchesBetweenDeliveries = std::max(mostBatchesBetweenDeliveries, batchesSinceDelivery_);
        batchesSinceDelivery_ = 0;
        if (running_) Queue();
    }

    QObject* context_;
    bool running_ = false;
    bool pending_ = false;
    uint64_t batchesSinceDelivery_ = 0;
};

class SerialFloodTest : public SerialLinkFaultTest {
protected:
    ThreadReadMeter meter;
    BatchFigures figures;
    std::unique_ptr<QueuedWork> otherWork;

    void SetUp() override {
        SerialLinkFaultTest::SetUp();
        OpenOnPty();
        otherWork = std::make_unique<QueuedWork>(form.get());
        // The core's own receive handler, measured from outside.
        form->Core.Comm1.OnRxChar = [this](TCustomComm*, int32_t Count) {
            meter.Start();
            form->Core.ReceiveFromPort(Count);
            figures.Add(Count, meter.Stop());
            otherWork->BatchServed();
        };
    }
    void TearDown() override {
        otherWork->Stop();
        ProcessEventsUntil([&] { return !otherWork->Pending(); });
        SerialLinkFaultTest::TearDown();
    }

    // Writes the bytes as the device, as fast as the line takes them, while
    // the GUI thread serves the window until they were all read.
    bool Flood(const std::vector<uint8_t>& bytes) {
        const uint64_t target = figures.bytes + bytes.size();
        std::thread device([&] { pty.Write(bytes); });
        const bool drained = ProcessEventsUntil([&] { return figures.bytes >= target; }, kFloodPatienceMs);
        device.join();
        return drained && figures.bytes == target;
    }
};

TEST_F(SerialFloodTest, RandomBytesAreReadInSlicesWhileOtherEventsFlowAndTheHeapStaysFlat) {
    const std::vector<uint8_t> warmUp = Noise(64 * 1024, 1);
    const std::vector<uint8_t> flood = Noise(8 * 1024 * 1024, 2);
    otherWork->Start();
    ASSERT_TRUE(Flood(warmUp));  // lets the event loop and the hand-over reach their working size

    figures = {};
    const uint64_t deliveriesBefore = otherWork->deliveries;
    const std::size_t heapBefore = HeapInUse();
    ASSERT_TRUE(Flood(flood));
    const std::size_t heapAfter = HeapInUse();

    EXPECT_GT(figures.mostWaiting, DeviceLinkReadSize);  // the line backed up, so the limit was met
    EXPECT_LE(figures.mostBytes, static_cast<uint64_t>(DeviceLinkReadSize));
    EXPECT_EQ(figures.mostReads, 1u);
    EXPECT_GE(figures.batches, flood.size() / DeviceLinkReadSize);
    EXPECT_GE(otherWork->deliveries - deliveriesBefore, figures.batches / 2);
    EXPECT_LE(otherWork->mostBatchesBetweenDeliveries, 2u);
    // Less than one byte per batch: a receiver that kept anything per read would show.
    EXPECT_LE(std::abs(static_cast<long>(heapAfter) - static_cast<long>(heapBefore)), 4 * 1024)
        << "heap before " << heapBefore << ", after " << heapAfter;

    EXPECT_EQ(form->Core.Mode.Watchdog(), 0);  // no noise was taken for a message
    EXPECT_EQ(form->Label1->text(), kOfflineCaption);
    pty.Write(Message());
    EXPECT_TRUE(ProcessEventsUntil([&] { return Online(); }));
}

}  // namespace
