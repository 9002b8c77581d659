#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>

#include "gui/session/display_image.h"
#include "gui/session/replay_player.h"
#include "gui/session/session_commands.h"
#include "gui/shell/panel_picture.h"
#include "gui/shell/status_line.h"
#include "message/display_message.h"
#include "session/recording_export.h"
#include "session/recording_files.h"
#include "session/recording_reader.h"
#include "settings/radio_ini.h"
#include "support/file_faults.h"
#include "support/form_fixture.h"
#include "support/link_fixture.h"
#include "support/process_events.h"
#include "support/pty_pair.h"

namespace {

std::vector<uint8_t> MessageBytes(const SimulatedDisplay& display) {
    const DisplayMessageBytes message = BuildDisplayMessage(display);
    return {message.begin(), message.end()};
}

// The whole window records what its serial port receives and replays it.
class SessionTest : public FormTest {
protected:
    PtyPair pty;

    // Sends displays of changing frequencies and modes with noise between
    // them, the last one split over two writes; returns when all were drawn.
    void SendSession() {
        std::mt19937 random(7);
        SimulatedDisplay display = ReceivingDisplay();
        for (int i = 0; i < 30; ++i) {
            display.activeFreq = 118000 + 25 * (i % 40);
            display.adjustMode = static_cast<uint8_t>(i % 6);
            display.rxLevel = static_cast<uint8_t>(random() % 64);
            const std::vector<uint8_t> message = MessageBytes(display);
            pty.Write({0x55, 0x02, 0x99});
            pty.Write({message.begin(), message.begin() + 20});
            pty.Write({message.begin() + 20, message.end()});
            ASSERT_TRUE(ProcessEventsUntil([&] { return Drawn(message); }));
        }
    }
    bool Drawn(const std::vector<uint8_t>& message) const {
        const std::span<const uint8_t, DisplayFrameSize> payload(message.data() + DisplayMessageHeaderSize,
                                                                 DisplayFrameSize);
        return form->Core.Link.Receiver().Message() == DecodeDisplayPayload(payload);
    }
    DisplayBitmap Display() const { return BitmapOfFrame(form->Core.Frame); }
    std::string RecordingPath() const { return dir.File("session.vhfrec"); }
};

TEST_F(SessionTest, ASessionRecordedFromThePortReplaysToTheSameDisplay) {
    StartOptions recording;
    recording.portDevice = pty.SlavePath();
    recording.recordFile = RecordingPath();
    Open(recording);
    SendSession();
    const DisplayBitmap live = Display();
    form->close();
    ASSERT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();

    form.reset();
    SetUp();
    StartOptions replay;
    replay.replayFile = RecordingPath();
    replay.replaySpeed = 0;
    Open(replay);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !form->Session->Replaying(); }));
    EXPECT_EQ(Display(), live);
    EXPECT_EQ(form->Core.Mode.Watchdog(), 5);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
}

// A replay given at start on a port that cannot open says nothing of the
// port, before or after; a recording this program cannot read is refused
// before the port is touched.
TEST_F(SessionTest, AReplayChecksItsRecordingFirstAndLeavesThePortAsItFoundIt) {
    dir.Write("one.vhfrec", RecordingFileBytes({{0, MessageBytes(ReceivingDisplay())}}));
    std::string newer = RecordingFileBytes({});
    newer[recording_format::HeaderVersion.offset] = 9;
    dir.Write("newer.vhfrec", newer);
    StartOptions options;
    options.portDevice = dir.File("absent");
    options.replayFile = dir.File("one.vhfrec");
    options.replaySpeed = 0;
    Open(options);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !form->Session->Replaying(); }));
    EXPECT_EQ(form->Core.Mode.Watchdog(), 5);
    EXPECT_TRUE(form->Core.Ports.Watching()) << "waits for its device as an opened port would";

    form->Session->Replay(dir.File("newer.vhfrec"), 0);
    EXPECT_FALSE(form->Session->Replaying());
    EXPECT_TRUE(form->Core.Ports.Watching());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("version")) << messages[0].toStdString();
    EXPECT_TRUE(portMessages.isEmpty()) << portMessages.join("\n").toStdString();
}

// The status line shows the database's name and unsaved mark, the recording
// and the replay; Stop replay ends a replay early.
TEST_F(SessionTest, TheStatusLineShowsTheDatabaseTheRecordingAndTheReplay) {
    Open();
    const auto shown = [&] {
        form->Status->Refresh();
        return (form->Status->Session->text() + " | " + form->Status->Database->text()).toStdString();
    };
    EXPECT_EQ(shown(), " | untitled");
    form->Core.FreqDb.CurrentFile = dir.File("alps.dat");
    form->Core.FreqDb.Dirty = true;
    EXPECT_EQ(shown(), " | alps.dat *");
    form->Core.FreqDb.Dirty = false;

    form->Session->RecordTo(RecordingPath());
    EXPECT_EQ(shown(), "REC 0:00  10 bytes | alps.dat");
    form->Session->StopRecording();
    dir.Write("late.vhfrec", RecordingFileBytes({{0, {0x55}}, {600000000, MessageBytes(ReceivingDisplay())}}));
    form->Session->Replay(dir.File("late.vhfrec"), 1);
    ASSERT_TRUE(ProcessEventsUntil([&] { return shown() == "Replaying late.vhfrec  0:00 | alps.dat"; })) << shown();
    QAction* stopReplay = nullptr;
    for (QAction* action : form->findChildren<QAction*>())
        if (action->text() == "Stop &replay") stopReplay = action;
    ASSERT_TRUE(stopReplay != nullptr && stopReplay->isEnabled());
    stopReplay->trigger();
    EXPECT_FALSE(form->Session->Replaying());
    EXPECT_EQ(shown(), " | alps.dat");
}

TEST_F(SessionTest, ARecordingWhoseDiskFillsUpStopsWithOneMessageAndTheLinkGoesOn) {
    StartOptions options;
    options.portDevice = pty.SlavePath();
    Open(options);
    {
        FileSizeLimit fullDisk(300);
        form->Session->RecordTo(RecordingPath());
        SendSession();
        ASSERT_TRUE(ProcessEventsUntil([&] { return !messages.isEmpty(); }));
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("session.vhfrec")) << messages[0].toStdString();
    EXPECT_FALSE(form->Session->Writer().Recording());
    const std::vector<uint8_t> last = MessageBytes(ReceivingDisplay());
    pty.Write(last);
    EXPECT_TRUE(ProcessEventsUntil([&] { return Drawn(last); })) << "the link goes on";
    EXPECT_EQ(messages.size(), 1);
}

// The window closes while a replay plays (with the port in use before it) or
// while a recording runs: neither calls back into what the window took down
// already (the sanitizer build sees any such call), the settings are written
// and the recording keeps what it received.
TEST_F(SessionTest, ClosingTheWindowDuringAReplayOrARecordingEndsItCleanly) {
    std::vector<Batch> minute;
    for (uint64_t second = 0; second < 60; ++second)
        minute.push_back({second * 1000000, MessageBytes(ReceivingDisplay())});
    dir.Write("minute.vhfrec", RecordingFileBytes(minute));
    const struct {
        const char* name;
        bool replaying;
    } rows[] = {{"replay", true}, {"recording", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        StartOptions options;
        options.portDevice = pty.SlavePath();
        if (row.replaying) options.replayFile = dir.File("minute.vhfrec");
        if (!row.replaying) options.recordFile = RecordingPath();
        Open(options);
        if (row.replaying) {
            ASSERT_TRUE(ProcessEventsUntil([&] { return Drawn(minute[0].bytes); }));
        } else {
            SendSession();
        }
        EXPECT_EQ(form->Session->Replaying(), row.replaying);
        form->close();
        form.reset();
        EXPECT_TRUE(std::filesystem::exists(dir.File("RADIO.INI")));
        std::filesystem::remove(dir.File("RADIO.INI"));
        EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
        SetUp();
    }
    RecordingReader reader(RecordingPath());
    std::size_t bytes = 0;
    while (const auto record = reader.Next()) bytes += record->bytes.size();
    EXPECT_EQ(bytes, 30u * (3 + DisplayMessageSize));
    EXPECT_FALSE(reader.CutAt());
}

// An export from the menu runs beside the window: the window's event loop
// goes on and the menu item is disabled until the outcome, which is what the
// command line says, is shown. The file is the command line's, byte for byte.
TEST_F(SessionTest, AnExportRunsBesideTheWindowAndWritesWhatTheCommandLineWrites) {
    std::vector<Batch> batches;
    SimulatedDisplay display = ReceivingDisplay();
    for (uint32_t i = 0; i < 40; ++i) {
        display.activeFreq = 118000 + 25 * i;
        display.rxLevel = static_cast<uint8_t>(i);
        batches.push_back({i * 46000ull, MessageBytes(display)});
    }
    dir.Write("r.vhfrec", RecordingFileBytes(batches));
    Open();
    QAction* exportItem = form->menuBar()->actions().at(3)->menu()->actions().at(4);
    for (const char* output : {"r.png", "r.gif", "r.txt"}) {
        SCOPED_TRACE(output);
        std::ostringstream out, err;
        const int status =
            ExportRecording(dir.File("r.vhfrec"), dir.File(std::string("cli-") + output), 2, WriteDisplayPng, out, err);
        const QString said = QString::fromStdString(out.str() + err.str()).trimmed().replace("cli-", "");
        messages.clear();
        form->Session->ExportRecording(dir.File("r.vhfrec"), dir.File(output), 2);
        EXPECT_FALSE(exportItem->isEnabled());
        ASSERT_TRUE(ProcessEventsUntil([&] { return !form->Session->Exporting(); }));
        EXPECT_TRUE(exportItem->isEnabled());
        EXPECT_EQ(messages, QStringList{said});
        if (status == ExportDone) {
            EXPECT_EQ(dir.Read(output), dir.Read(std::string("cli-") + output));
        }
    }
}

// The replay's clock, moved by the test only.
int64_t gReplayMs = 0;
int64_t ReplayMs() { return gReplayMs; }

// The recording's times are divided by the speed: at speed 2 records 2 and
// 6 ms in are due 1 and 3 ms after the start, and not before.
TEST(ReplayPlayerTest, PlaysTheRecordingsTimesDividedByTheSpeed) {
    TempDir dir;
    dir.Write("r.vhfrec", RecordingFileBytes({{2000, {1}}, {6000, {2}}}));
    gReplayMs = 0;
    ReplayPlayer player(ReplayMs);
    std::vector<uint8_t> fed;
    ASSERT_EQ(player.Start(
                  dir.File("r.vhfrec"), 2, [&](const uint8_t* bytes, std::size_t) { fed.push_back(*bytes); }, nullptr),
              "");
    const struct {
        int64_t ms;
        std::vector<uint8_t> fed;
    } rows[] = {{0, {}}, {1, {1}}, {2, {1}}, {3, {1, 2}}};
    for (const auto& row : rows) {
        gReplayMs = row.ms;
        ProcessEventsUntil([&] { return fed.size() >= row.fed.size(); });
        EXPECT_FALSE(ProcessEventsUntil([&] { return fed.size() > row.fed.size(); }, 20)) << row.ms << " ms";
        EXPECT_EQ(fed, row.fed) << row.ms << " ms";
    }
}

}  // namespace
