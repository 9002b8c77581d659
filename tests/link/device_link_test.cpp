#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <numeric>
#include <thread>

#include "display/display_message_drawing.h"
#include "display/lcd.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/emulator_tick.h"
#include "emulator/runtime/emulator_wait.h"
#include "help/help.h"
#include "link/device_link.h"
#include "message/frame_receiver.h"
#include "serial/comm.h"
#include "serial/comm_byte_source.h"
#include "support/link_fixture.h"
#include "support/manual_hand_over.h"
#include "support/pty_pair.h"
#include "support/screen_art.h"

namespace {

// A serial port that hands out scripted reads: each entry is one read's
// result (bytes, or -1).
class ScriptedSource : public DisplayByteSource {
public:
    std::deque<std::vector<uint8_t>> reads;
    bool failNext = false;
    std::vector<int32_t> asked;

    int32_t Read(uint8_t* buffer, int32_t count) override {
        asked.push_back(count);
        if (failNext || reads.empty()) return -1;
        std::vector<uint8_t>& next = reads.front();
        const auto n = std::min<std::size_t>(next.size(), static_cast<std::size_t>(count));
        std::copy_n(next.begin(), n, buffer);
        next.erase(next.begin(), next.begin() + static_cast<std::ptrdiff_t>(n));
        if (next.empty()) reads.pop_front();
        return static_cast<int32_t>(n);
    }
    uint64_t Connection() const override { return 1; }
};

DisplayMessage Decoded(const std::vector<uint8_t>& payload) {
    return DecodeDisplayPayload(std::span<const uint8_t, DisplayFrameSize>(payload.data(), DisplayFrameSize));
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

class FramingTest : public LinkTest {
protected:
    // Messages completed by feeding the bytes to the test's frame receiver.
    int Frames(const std::vector<uint8_t>& bytes) {
        int frames = 0;
        for (uint8_t b : bytes) frames += receiver.Feed(b) ? 1 : 0;
        return frames;
    }
    FrameReceiver receiver;
    std::vector<uint8_t> payload = std::vector<uint8_t>(41, 0x41);
};

TEST_F(FramingTest, AMessageDeliveredByteByByteIsDrawnAsOneDeliveredWhole) {
    SimulatedDisplay d = ReceivingDisplay();
    d.activeFreq = 131586;  // 02 02 02 00 in the payload: taken as data
    const std::vector<uint8_t> bytes = Bytes(d);
    ScriptedSource whole;
    whole.reads.push_back(bytes);
    link.Receive(whole, 44);
    const std::string wholeArt = ScreenArt(frame);

    StartAgain();
    view = {};
    ScriptedSource pieces;
    for (uint8_t b : bytes) pieces.reads.push_back({b});
    const uint64_t before = frame.Revision();
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) link.Receive(pieces, 1);
    EXPECT_EQ(frame.Revision(), before);  // nothing drawn in parts
    link.Receive(pieces, 1);
    EXPECT_EQ(ScreenArt(frame), wholeArt);
    EXPECT_EQ(view.online, 1);
}

TEST_F(FramingTest, TwoMessagesInOneReadAreBothDrawnInOrderAndOnlyTheFirstSwitchesOnline) {
    SimulatedDisplay second = ReceivingDisplay();
    second.activeFreq = 124350;
    ScriptedSource source;
    source.reads.push_back(Join({Bytes(ReceivingDisplay()), Bytes(second)}));
    link.Receive(source, 88);
    const uint64_t twoChanges = frame.Revision();
    const std::string twoArt = ScreenArt(frame);
    EXPECT_EQ(view.online, 1);
    EXPECT_EQ(mode.Watchdog(), 5);

    StartAgain();
    const uint64_t before = frame.Revision();
    source.reads.push_back(Bytes(second));
    link.Receive(source, 44);
    EXPECT_EQ(ScreenArt(frame), twoArt);               // the second one is drawn last
    EXPECT_GT(twoChanges, frame.Revision() - before);  // and the first one was drawn too
}

TEST_F(FramingTest, HeadersAreRecognisedOnlyAsAWholeAndDroppedBytesAreNotLookedAtAgain) {
    EXPECT_EQ(Frames(Join({{0x02, 0x02, 0x05, 0x00}, payload})), 0);
    EXPECT_EQ(receiver.State(), FrameState::WaitStart);
    EXPECT_EQ(Frames(Join({{0x02, 0x05, 0x02, 0x05, 0x00}, payload})), 0);
    EXPECT_EQ(Frames(Join({{0x02, 0x05, 0x01, 0x02, 0x05, 0x00}, payload})), 1);
    EXPECT_EQ(Frames(Join({{0x02, 0x05, 0x00}, payload})), 1);
    // Noise before a header is skipped.
    EXPECT_EQ(Frames(Join({{0x00, 0xFF, 0x05, 0x13, 0x11, 0x00, 0x05}, {0x02, 0x05, 0x00}, payload})), 1);
    EXPECT_EQ(receiver.Message(), Decoded(payload));
}

TEST_F(FramingTest, AMessageCutShortIsCompletedByTheNextBytesAndTheHeaderFoundAgain) {
    const std::vector<uint8_t> message = Bytes(ReceivingDisplay());
    const std::vector<uint8_t> cut(message.begin(), message.begin() + 20);
    // The cut message takes the first 24 bytes of the next one; its remaining
    // 20 bytes hold no header, and the third message is found again.
    EXPECT_EQ(Frames(Join({cut, message})), 1);
    EXPECT_EQ(receiver.State(), FrameState::WaitStart);
    EXPECT_EQ(Frames(message), 1);
}

TEST_F(FramingTest, EachReadTakesAtMost1000BytesAndAFailedReadChangesNothing) {
    ScriptedSource source;
    source.reads.push_back(std::vector<uint8_t>(2500, 0x55));
    link.Receive(source, 2500);
    link.Receive(source, 1500);
    link.Receive(source, 500);
    EXPECT_EQ(source.asked, (std::vector<int32_t>{1000, 1000, 500}));

    const std::vector<uint8_t> begun = {0x02, 0x05, 0x00, 0x01};
    link.Feed(begun.data(), static_cast<int32_t>(begun.size()));
    const FrameReceiver before = link.Receiver();
    source.failNext = true;
    link.Receive(source, 10);
    EXPECT_EQ(link.Receiver().State(), before.State());
    EXPECT_EQ(link.Receiver().ToCollect(), before.ToCollect());
    EXPECT_EQ(frame.Revision(), 0u);
}

// Online and offline on the scripted 20 ms time base.
class ModeSwitchTest : public LinkTest {
protected:
    int tick = 0;
    int halfSecondBoundaries = 0;

    void Tick() {
        mode.TimeBase(SliderMaximum, SliderMaximum);
        ++tick;
        if (unit.fw.State.TickCounter == 0) ++halfSecondBoundaries;
    }
    void Message() {
        const std::vector<uint8_t> bytes = Bytes(ReceivingDisplay());
        link.Feed(bytes.data(), static_cast<int32_t>(bytes.size()));
    }
};

TEST_F(ModeSwitchTest, TheFirstMessageSwitchesOnlineAndMessagesEverySecondKeepItThere) {
    for (int second = 0; second < 30; ++second) {
        Message();
        for (int i = 0; i < 50; ++i) Tick();
    }
    EXPECT_EQ(view.online, 1);
    EXPECT_EQ(view.offline, 0);
    EXPECT_TRUE(unit.fw.StopRequest);
    EXPECT_EQ(unit.help.CurrentTopic(), 100);
}

TEST_F(ModeSwitchTest, SilenceSwitchesOfflineOnTheFifthHalfSecondBoundary) {
    for (int phase = 0; phase < 25; ++phase) {
        StartAgain();
        view = {};
        tick = 0;
        while (tick < phase) Tick();
        Message();
        const int sent = tick;
        halfSecondBoundaries = 0;
        while (view.offline == 0 && tick < sent + 500) Tick();
        const int elapsedMs = 20 * (tick - sent);
        EXPECT_EQ(halfSecondBoundaries, 5) << "phase " << phase;
        EXPECT_GT(elapsedMs, 2000) << "phase " << phase;
        EXPECT_LE(elapsedMs, 2500) << "phase " << phase;
        EXPECT_EQ(view.offline, 1);
        EXPECT_EQ(view.emulatorStarts, 1);  // no emulator run active: it starts again
        EXPECT_FALSE(unit.fw.StopRequest);
    }
}

TEST_F(ModeSwitchTest, GapsOfTwoSecondsKeepItOnlineAndLongerGapsNeverDo) {
    for (int gap : {100, 126}) {
        StartAgain();
        view = {};
        for (int n = 0; n < 10; ++n) {
            Message();
            for (int i = 0; i < gap; ++i) Tick();
        }
        EXPECT_EQ(view.online, gap == 100 ? 1 : 10) << gap;
        EXPECT_EQ(view.offline, gap == 100 ? 0 : 10) << gap;
    }
}

// The whole path from a pseudo-terminal through the component.
class SerialLinkTest : public LinkTest {
protected:
    PtyPair pty;
    TComm comm;
    ManualHandOver handOver{comm};
    CommByteSource source{comm};
    std::vector<int32_t> readSizes;

    SerialLinkTest() {
        comm.SetDeviceName(pty.SlavePath());
        comm.OnRxChar = [&, this](TCustomComm*, int32_t Count) {
            readSizes.push_back(std::min(Count, DeviceLinkReadSize));
            link.Receive(source, Count);
        };
        comm.Open();
    }
    // Serves batches until the link has read `bytes` since readSizes was cleared.
    void ServeUntilRead(int32_t bytes) {
        while (std::accumulate(readSizes.begin(), readSizes.end(), 0) < bytes) ASSERT_TRUE(handOver.ServeNext());
    }
    const DisplayMessage& Payload() const { return link.Receiver().Message(); }
    static DisplayMessage Payload(const std::vector<uint8_t>& message) {
        return Decoded({message.begin() + DisplayMessageHeaderSize, message.end()});
    }
};

TEST_F(SerialLinkTest, AFloodOfNoiseIsTakenInSlicesAndTheMessageAfterItIsStillFound) {
    std::vector<uint8_t> noise(256 * 1024);
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>((i * 131 + 7) % 256 | 0x80);
    std::thread device([&] {
        pty.Write(noise);
        pty.Write(Bytes(ReceivingDisplay()));
    });
    while (mode.Watchdog() == 0) ASSERT_TRUE(handOver.ServeNext());
    device.join();
    EXPECT_EQ(view.online, 1);
    EXPECT_GE(readSizes.size(), noise.size() / DeviceLinkReadSize);
    EXPECT_LE(*std::max_element(readSizes.begin(), readSizes.end()), DeviceLinkReadSize);
}

// Bytes of a message begun on the old port never complete it: the new
// port's first message is drawn whole.
TEST_F(SerialLinkTest, AMessageInterruptedByAPortChangeIsDroppedForTheNewPortsMessage) {
    const std::vector<uint8_t> message = Bytes(ReceivingDisplay());
    pty.Write({message.begin(), message.begin() + 30});
    ServeUntilRead(30);

    PtyPair other;
    comm.Close();
    comm.SetDeviceName(other.SlavePath());
    comm.Open();
    other.Write(message);
    ServeUntilRead(30 + 44);
    EXPECT_EQ(view.online, 1);
    EXPECT_EQ(Payload(), Payload(message));
}

// A device reset mid-message: after 200 ms without a byte the message begun
// is dropped, so the rest of it is skipped and the next message drawn whole;
// a pause of up to 200 ms continues it.
TEST_F(SerialLinkTest, AMessageBrokenOffForLongerThan200msIsDropped) {
    const std::vector<uint8_t> message = Bytes(ReceivingDisplay());
    for (const uint64_t pause : {DeviceLinkSilenceMicroseconds, DeviceLinkSilenceMicroseconds + 1}) {
        StartAgain();
        view = {};
        readSizes.clear();
        pty.Write({message.begin(), message.begin() + 30});
        ServeUntilRead(30);
        clock.now += pause;
        pty.Write({message.begin() + 30, message.end()});
        ServeUntilRead(44);
        const bool continued = pause <= DeviceLinkSilenceMicroseconds;
        EXPECT_EQ(mode.Watchdog() != 0, continued) << pause;
        if (continued) continue;
        pty.Write(message);
        ServeUntilRead(88);
        EXPECT_EQ(view.online, 1);
        EXPECT_EQ(Payload(), Payload(message));
    }
}

}  // namespace
