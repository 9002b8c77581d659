#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "common/program_directory.h"
#include "serial/comm.h"
#include "support/event_threads.h"
#include "support/manual_hand_over.h"
#include "support/pty_pair.h"

namespace {

// The text of the ECommError that Open raises, or "" when it opens.
std::string OpenFailure(TComm& comm) {
    try {
        comm.Open();
    } catch (const ECommError& e) {
        return e.what();
    }
    return "";
}

std::vector<uint8_t> ReadAll(TComm& comm, int32_t count) {
    std::vector<uint8_t> bytes(static_cast<std::size_t>(count));
    const int32_t n = comm.Read(bytes.data(), count);
    bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return bytes;
}

class CommTest : public ::testing::Test {
protected:
    PtyPair pty;
    TComm comm;
    ManualHandOver handOver{comm};
    int threadsBefore = EventThreadCount(0);

    void OpenOnPty() {
        comm.SetDeviceName(pty.SlavePath());
        comm.Open();
    }
};

TEST_F(CommTest, OpenFailuresRaiseTheirMessagesAndLeaveTheComponentClosed) {
    comm.SetDeviceName("/dev/vhfcom-no-such-port");
    EXPECT_EQ(OpenFailure(comm), "Error accessing specified device (Error: 2) ");
    EXPECT_FALSE(comm.Enabled());

    comm.SetDeviceName("COM0");  // names no device at all
    EXPECT_EQ(OpenFailure(comm), "Error accessing specified device (Error: 2) ");

    const std::string file =
        std::filesystem::temp_directory_path() / ("vhfcom-comm-test-file-" + std::to_string(getpid()));
    std::ofstream(file) << "x";
    for (const std::string& notATerminal : {file, std::string("/dev/null")}) {
        comm.SetDeviceName(notATerminal);
        EXPECT_EQ(OpenFailure(comm), "Invalid device handle, access denied (Error: -1) ") << notATerminal;
        EXPECT_FALSE(comm.Enabled());
    }
    std::filesystem::remove(file);
    EXPECT_EQ(EventThreadCount(threadsBefore), threadsBefore);
}

TEST_F(CommTest, OpeningTwiceReopensWithOneEventThread) {
    OpenOnPty();
    EXPECT_EQ(EventThreadCount(threadsBefore + 1), threadsBefore + 1);
    comm.Open();
    EXPECT_TRUE(comm.Enabled());
    EXPECT_EQ(EventThreadCount(threadsBefore + 1), threadsBefore + 1);

    int32_t count = 0;
    comm.OnRxChar = [&](TCustomComm*, int32_t Count) { count = Count; };
    pty.Write({1, 2, 3});
    ASSERT_TRUE(handOver.ServeNext());
    EXPECT_EQ(count, 3);

    comm.Close();
    EXPECT_FALSE(comm.Enabled());
    EXPECT_EQ(EventThreadCount(threadsBefore), threadsBefore);
}

// What the line carried before the port was opened was meant for nobody: the
// first batch holds only what arrived after the opening.
TEST_F(CommTest, BytesQueuedBeforeTheOpeningAreNeverRead) {
    pty.Write(std::vector<uint8_t>(3000, 0x55));
    OpenOnPty();
    comm.SetCharsTimeOut(0);
    pty.Write({1, 2, 3});
    ASSERT_TRUE(handOver.WaitForBatch());
    EXPECT_EQ(ReadAll(comm, 1000), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(CommTest, TheDeviceIsExclusiveUntilClosed) {
    OpenOnPty();
    TComm other;
    other.SetDeviceName(pty.SlavePath());
    EXPECT_EQ(OpenFailure(other), "Error accessing specified device (Error: 16) ");
    EXPECT_FALSE(other.Enabled());
    comm.Close();
    EXPECT_EQ(OpenFailure(other), "");
    EXPECT_TRUE(other.Enabled());
}

TEST_F(CommTest, SettingsThatNeedAClosedDeviceAreRefusedWhileOpenAndKeepTheirValues) {
    OpenOnPty();
    const std::string assigned = "Device already assigned (open) (Error: -1) ";
    auto refusal = [](auto&& change) -> std::string {
        try {
            change();
        } catch (const ECommError& e) {
            EXPECT_EQ(e.ErrorCode, -1);
            return e.what();
        }
        return "";
    };
    EXPECT_EQ(refusal([&] { comm.SetDeviceName("COM5"); }), assigned);
    EXPECT_EQ(refusal([&] { comm.SetMonitorEvents({evRxChar}); }), assigned);
    EXPECT_EQ(refusal([&] { comm.SetReadBufSize(100); }), assigned);
    EXPECT_EQ(refusal([&] { comm.SetWriteBufSize(100); }), assigned);
    EXPECT_EQ(comm.DeviceName(), pty.SlavePath());
    EXPECT_EQ(comm.MonitorEvents(), AllCommEvents);
    EXPECT_EQ(comm.ReadBufSize(), 4096);
    EXPECT_EQ(comm.WriteBufSize(), 2048);
    EXPECT_TRUE(comm.Enabled());

    comm.Close();
    comm.SetDeviceName("COM5");
    EXPECT_EQ(comm.DeviceName(), "COM5");
}

TEST_F(CommTest, CharsTimeOutZeroMakesReadsReturnAtOnceWithWhatIsWaiting) {
    OpenOnPty();
    EXPECT_EQ(pty.SlaveSettings().c_cc[VMIN], 1);  // 250 ms between bytes by default
    EXPECT_EQ(pty.SlaveSettings().c_cc[VTIME], 3);

    comm.SetCharsTimeOut(0);
    EXPECT_EQ(pty.SlaveSettings().c_cc[VMIN], 0);
    EXPECT_EQ(pty.SlaveSettings().c_cc[VTIME], 0);
    pty.Write({7, 8, 9, 10, 11});
    ASSERT_TRUE(handOver.WaitForBatch());
    EXPECT_EQ(ReadAll(comm, 100), (std::vector<uint8_t>{7, 8, 9, 10, 11}));
    uint8_t byte;
    EXPECT_EQ(comm.Read(&byte, 1), 0);  // nothing waiting: at once, with nothing

    comm.SetCharsTimeOut(250);
    EXPECT_EQ(comm.Read(&byte, 1), -1);  // a read that would have to wait fails at once
}

TEST_F(CommTest, ALineSettingIsWrittenOnlyWhenItChanges) {
    OpenOnPty();
    termios t = pty.SlaveSettings();
    EXPECT_EQ(cfgetospeed(&t), B9600);
    EXPECT_EQ(t.c_lflag & ICANON, 0u);
    cfsetospeed(&t, B2400);
    cfsetispeed(&t, B2400);
    pty.SetSlaveSettings(t);  // someone else changed the line behind our back

    comm.SetBaudRate(cbr9600);
    EXPECT_EQ(cfgetospeed(&(t = pty.SlaveSettings())), B2400);
    comm.SetBaudRate(cbr19200);
    EXPECT_EQ(cfgetospeed(&(t = pty.SlaveSettings())), B19200);
    comm.SetStopbits(sb20);
    EXPECT_EQ(pty.SlaveSettings().c_cflag & CSTOPB, static_cast<tcflag_t>(CSTOPB));
    comm.EventChars().SetXoffChar(0x7F);
    EXPECT_EQ(pty.SlaveSettings().c_cc[VSTOP], 0x7F);
}

TEST_F(CommTest, ARefusedLineSettingRaisesAndLeavesTheDeviceOpen) {
    comm.SetDatabits(da4);  // closed: only stored
    comm.SetDeviceName(pty.SlavePath());
    EXPECT_EQ(OpenFailure(comm), "Error updating DataControlBlock (Error: 22) ");
    EXPECT_TRUE(comm.Enabled());
    EXPECT_EQ(EventThreadCount(threadsBefore + 1), threadsBefore + 1);
    comm.SetDatabits(da8);
    EXPECT_EQ(pty.SlaveSettings().c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_THROW(comm.SetStopbits(sb15), ECommError);  // 1.5 stop bits only with 5 data bits
}

TEST_F(CommTest, ReceivedBytesReachOnRxCharOnTheServingThread) {
    OpenOnPty();
    std::vector<uint8_t> received;
    std::thread::id handlerThread;
    comm.OnRxChar = [&](TCustomComm* Sender, int32_t Count) {
        EXPECT_EQ(Sender, &comm);
        handlerThread = std::this_thread::get_id();
        const std::vector<uint8_t> bytes = ReadAll(comm, Count);
        EXPECT_EQ(static_cast<int32_t>(bytes.size()), Count);
        received.insert(received.end(), bytes.begin(), bytes.end());
    };
    std::vector<uint8_t> sent;
    for (int i = 0; i < 300; ++i) sent.push_back(static_cast<uint8_t>(i * 7));
    pty.Write(sent);
    while (received.size() < sent.size()) ASSERT_TRUE(handOver.ServeNext());
    EXPECT_EQ(received, sent);  // 0x11, 0x13, 0x0D and 0x00 included, unchanged
    EXPECT_EQ(handlerThread, std::this_thread::get_id());
}

TEST_F(CommTest, AnOwnerThatReadsNothingIsToldOnlyAboutNewBytes) {
    std::vector<int32_t> counts;
    comm.OnRxChar = [&](TCustomComm*, int32_t Count) { counts.push_back(Count); };
    OpenOnPty();
    pty.Write({1, 2, 3});
    ASSERT_TRUE(handOver.ServeNext());
    pty.Write({4, 5});
    ASSERT_TRUE(handOver.ServeNext());  // not the same three bytes over and over
    EXPECT_EQ(counts, (std::vector<int32_t>{3, 5}));

    comm.OnRxChar = [&](TCustomComm*, int32_t Count) {
        counts.push_back(Count);
        ReadAll(comm, Count - 1);
    };
    pty.Write({6});
    ASSERT_TRUE(handOver.ServeNext());
    ASSERT_TRUE(handOver.ServeNext());  // the owner read a part: the rest is reported at once
    EXPECT_EQ(counts, (std::vector<int32_t>{3, 5, 6, 1}));
    EXPECT_EQ(ReadAll(comm, 10), std::vector<uint8_t>{6});
}

TEST_F(CommTest, NullStripDropsZeroBytes) {
    comm.SetOptions({coNullStrip});
    OpenOnPty();
    pty.Write({0, 1, 0, 0, 2, 0});
    ASSERT_TRUE(handOver.WaitForBatch());
    EXPECT_EQ(ReadAll(comm, 10), (std::vector<uint8_t>{1, 2}));
}

// Bytes read late keep the times they arrived: one read of two writes tells
// them apart, with the null bytes stripped from each part.
TEST_F(CommTest, AReadTellsWhenEachPartOfItsBytesArrived) {
    using Clock = std::chrono::steady_clock;
    comm.SetOptions({coNullStrip});
    int32_t waiting = 0;
    comm.OnRxChar = [&](TCustomComm*, int32_t Count) { waiting = Count; };  // reads nothing
    OpenOnPty();
    const Clock::time_point start = Clock::now();
    pty.Write({1, 0, 2});
    while (waiting < 3) ASSERT_TRUE(handOver.ServeNext());
    const Clock::time_point firstSeen = Clock::now();
    pty.Write({0, 3, 4, 5});
    while (waiting < 7) ASSERT_TRUE(handOver.ServeNext());
    const Clock::time_point secondSeen = Clock::now();

    EXPECT_EQ(ReadAll(comm, 10), (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    const std::span<const ByteArrival> arrivals = comm.LastReadArrivals();
    ASSERT_EQ(arrivals.size(), 2u);
    EXPECT_EQ(arrivals[0].count, 2);
    EXPECT_GE(arrivals[0].at, start);
    EXPECT_LE(arrivals[0].at, firstSeen);
    EXPECT_EQ(arrivals[1].count, 3);
    EXPECT_GT(arrivals[1].at, firstSeen);
    EXPECT_LE(arrivals[1].at, secondSeen);
}

TEST_F(CommTest, CloseReleasesAPendingHandOverAndEndsTheThread) {
    OpenOnPty();
    bool handled = false;
    comm.OnRxChar = [&](TCustomComm*, int32_t) { handled = true; };
    pty.Write({1});
    ASSERT_TRUE(handOver.WaitForBatch());  // a batch now waits for the GUI thread
    comm.Close();
    EXPECT_FALSE(comm.Enabled());
    EXPECT_EQ(EventThreadCount(threadsBefore), threadsBefore);
    EXPECT_FALSE(comm.ServeHandOver());  // a late wake-up finds nothing
    EXPECT_FALSE(handled);
}

TEST_F(CommTest, AHandlerMayCloseOrReopenThePort) {
    OpenOnPty();
    comm.OnRxChar = [&](TCustomComm*, int32_t) { comm.Close(); };
    pty.Write({1});
    ASSERT_TRUE(handOver.ServeNext());
    EXPECT_FALSE(comm.Enabled());
    EXPECT_EQ(EventThreadCount(threadsBefore), threadsBefore);

    comm.Open();
    int reopened = 0;
    comm.OnRxChar = [&](TCustomComm*, int32_t) {
        if (++reopened == 1) comm.Open();
    };
    pty.Write({2});
    ASSERT_TRUE(handOver.ServeNext());
    EXPECT_TRUE(comm.Enabled());
    pty.Write({3});
    ASSERT_TRUE(handOver.ServeNext());  // the new thread delivers
    EXPECT_EQ(reopened, 2);
}

TEST_F(CommTest, AHungUpLineIsReportedOnceAndClosesThePort) {
    OpenOnPty();
    std::vector<int32_t> errors;
    comm.OnError = [&](TCustomComm*, int32_t Errors) { errors.push_back(Errors); };
    pty.CloseMaster();
    ASSERT_TRUE(handOver.ServeNext());
    EXPECT_EQ(errors, std::vector<int32_t>{CommErrorDeviceLost});
    EXPECT_FALSE(comm.Enabled());
    EXPECT_EQ(EventThreadCount(threadsBefore), threadsBefore);  // the thread ended instead of spinning
    EXPECT_EQ(handOver.Offered(), 1);
}

// An owner that serves the port at every tick may find new bytes itself: the
// event thread is not woken for them, only for the loss of the device. When
// the owner stops, the thread wakes for bytes again.
TEST_F(CommTest, AnOwnerServingAtTicksFindsTheBytesAndTheThreadWakesOnlyForTheirTimesOrALoss) {
    std::vector<uint8_t> received;
    std::vector<int32_t> errors;
    comm.OnRxChar = [&](TCustomComm*, int32_t Count) {
        const std::vector<uint8_t> bytes = ReadAll(comm, Count);
        received.insert(received.end(), bytes.begin(), bytes.end());
    };
    comm.OnError = [&](TCustomComm*, int32_t Errors) { errors.push_back(Errors); };
    comm.SetServedAtTicks(true);
    comm.SetInputPolled(true);
    OpenOnPty();
    for (uint8_t byte = 1; byte <= 4; ++byte) {
        pty.Write({byte});
        while (!comm.ServeHandOver()) std::this_thread::yield();  // the ticks
    }
    EXPECT_EQ(received, (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(handOver.OfferedElsewhere(), 0);  // the ticks' own batches only

    comm.SetInputPolled(false);
    pty.Write({5});
    while (received.size() < 5) ASSERT_TRUE(handOver.ServeNext());
    EXPECT_EQ(received, (std::vector<uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_GT(handOver.OfferedElsewhere(), 0);

    comm.SetInputPolled(true);
    pty.CloseMaster();
    ASSERT_TRUE(handOver.ServeNext());
    EXPECT_EQ(errors, std::vector<int32_t>{CommErrorDeviceLost});
    EXPECT_FALSE(comm.Enabled());
}

TEST_F(CommTest, CloseRestoresTheLineSettingsItFound) {
    termios found = pty.SlaveSettings();
    found.c_lflag |= ICANON | ECHO;
    found.c_iflag |= IXON | ICRNL;
    cfsetospeed(&found, B2400);
    cfsetispeed(&found, B2400);
    pty.SetSlaveSettings(found);

    OpenOnPty();
    EXPECT_EQ(pty.SlaveSettings().c_iflag & (IXON | ICRNL), 0u);
    comm.Close();
    const termios after = pty.SlaveSettings();
    EXPECT_EQ(after.c_lflag, found.c_lflag);
    EXPECT_EQ(after.c_iflag, found.c_iflag);
    EXPECT_EQ(after.c_cflag, found.c_cflag);
    EXPECT_EQ(after.c_cc[VMIN], found.c_cc[VMIN]);
}

}  // namespace
