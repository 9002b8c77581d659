#include <QDialog>
#include <QMenuBar>
#include <cerrno>

#include "common/atomic_file.h"
#include "common/little_endian.h"
#include "freqdb/freq_database.h"
#include "gui/shell/key_area.h"
#include "gui/shell/ptt_button.h"
#include "help/help.h"
#include "settings/radio_ini.h"
#include "support/form_fixture.h"
#include "support/link_fixture.h"
#include "support/pty_pair.h"
#include "support/screen_art.h"

namespace {

class LifecycleTest : public FormTest {
protected:
    // A database file whose first channel is 121500 kHz.
    void WriteDatabase(const std::string& name, int size = FreqFileSize) {
        std::string bytes(static_cast<std::size_t>(size), '\0');
        if (size >= 4) WriteLe32(reinterpret_cast<uint8_t*>(bytes.data()), 121500);
        dir.Write(name, bytes);
    }
};

TEST_F(LifecycleTest, FirstStartWithoutSettingsUsesPortZeroAndAnEmptyDatabase) {
    EXPECT_TRUE(Open());
    EXPECT_EQ(form->Core.Ports.Index(), 0);
    EXPECT_EQ(form->Core.FreqDb.CurrentFile, "");
    EXPECT_EQ(form->Core.FreqDb.Table[3].FreqKHz, 118000);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(portMessages, QStringList{"The selected port COM1 is not available, please choose another if possible or "
                                        "free this port if it is in use by another application.\n\nDevice " +
                                        QString::fromStdString(dir.File("ttyS0")) + ": no such device."});
}

TEST_F(LifecycleTest, StartReadsTheSettingsAndLoadsTheRememberedDatabase) {
    WriteDatabase("alps.dat");
    dir.Write("RADIO.INI", "[Setup]\r\nCommsPort=0x10\r\nFreqFilename=" + dir.File("alps.dat") + "\r\n");
    EXPECT_TRUE(Open());
    EXPECT_EQ(form->Core.Ports.Index(), 16);
    EXPECT_EQ(form->Core.FreqDb.CurrentFile, dir.File("alps.dat"));
    EXPECT_EQ(form->Core.FreqDb.Table[0].FreqKHz, 121500);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(portMessages.size(), 1);
    EXPECT_TRUE(portMessages[0].startsWith("The selected port COM17 is not available,"));
}

// The command line's database and port serve this run; the settings keep
// their own port, and the database given becomes the remembered one.
TEST_F(LifecycleTest, TheCommandLinesDatabaseAndPortServeThisRunOnly) {
    WriteDatabase("route.dat");
    dir.Write("RADIO.INI", "[Setup]\nCommsPort=4\nFreqFilename=" + dir.File("gone.dat") + "\n");
    PtyPair pty;
    StartOptions options;
    options.portDevice = pty.SlavePath();
    options.database = dir.File("route.dat");
    Open(options);
    EXPECT_TRUE(form->Core.Comm1.Enabled());
    EXPECT_EQ(form->Core.Comm1.DeviceName(), pty.SlavePath());
    EXPECT_EQ(form->Core.FreqDb.CurrentFile, dir.File("route.dat"));
    EXPECT_EQ(form->Core.FreqDb.Table[0].FreqKHz, 121500);
    form->close();
    const RadioSettings written = ReadRadioIni(dir.File("RADIO.INI"));
    EXPECT_EQ(written.commsPort, 4);
    EXPECT_EQ(written.freqFilename, dir.File("route.dat"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(portMessages.isEmpty());

    options.database = dir.File("missing.dat");  // reported, the remembered one stays
    Open(options);
    EXPECT_EQ(form->Core.FreqDb.CurrentFile, dir.File("route.dat"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("File not found"));
}

TEST_F(LifecycleTest, AMissingDatabaseIsSkippedSilentlyAndStaysRemembered) {
    dir.Write("RADIO.INI", "[Setup]\nCommsPort=256\nFreqFilename=" + dir.File("gone.dat") + "\n");
    EXPECT_TRUE(Open());
    EXPECT_EQ(form->Core.Ports.Index(), 0);
    EXPECT_EQ(form->Core.FreqDb.CurrentFile, dir.File("gone.dat"));
    EXPECT_EQ(form->Core.FreqDb.Table[0].FreqKHz, 118000);
    EXPECT_TRUE(messages.isEmpty());
}

// A database that cannot be read whole is reported, and the start goes on so
// that the emulator still runs; the file is forgotten so that a later Save
// cannot overwrite it with the empty table.
TEST_F(LifecycleTest, AShortDatabaseIsReportedAndStartUpGoesOn) {
    WriteDatabase("short.dat", 1999);
    dir.Write("RADIO.INI", "[Setup]\nFreqFilename=" + dir.File("short.dat") + "\n");
    EXPECT_TRUE(Open());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("short.dat"));
    EXPECT_EQ(form->Core.FreqDb.Table[0].FreqKHz, 118000);
    EXPECT_EQ(form->Core.FreqDb.CurrentFile, "");
}

TEST_F(LifecycleTest, ExitClosesTheWindowAndWritesTheSettings) {
    Open();
    form->menuBar()->actions().back()->trigger();  // &Exit
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->Core.Emulator.StopRequest);
    EXPECT_EQ(dir.Read("RADIO.INI"), "[Setup]\r\nCommsPort=0\r\nFreqFilename=\r\n");
}

TEST_F(LifecycleTest, EveryCloseWritesTheCurrentSettingsAndKeepsTheRest) {
    dir.Write("RADIO.INI", "[Ports]\nCommsPort=9\n\n[Setup]\nCommsPort=2\nFreqFilename=a.dat\n");
    Open();
    form->Core.Ports.Choose(4);
    form->Core.FreqDb.CurrentFile = "/data/b.dat";
    form->close();
    EXPECT_EQ(dir.Read("RADIO.INI"),
              "[Ports]\r\nCommsPort=9\r\n\r\n[Setup]\r\nCommsPort=4\r\nFreqFilename=/data/b.dat\r\n");

    std::filesystem::remove(dir.File("RADIO.INI"));
    form->show();
    form->close();
    EXPECT_EQ(dir.Read("RADIO.INI"), "[Setup]\r\nCommsPort=4\r\nFreqFilename=/data/b.dat\r\n");
    EXPECT_EQ(dir.EntryCount(), 1);
}

// A file with Windows line ends, other sections and comments comes out of a
// close that writes the values it holds byte for byte as it went in.
TEST_F(LifecycleTest, ACloseThatChangesNothingLeavesACrlfFileByteForByte) {
    const std::string crlf =
        "; my radio\r\n[Setup]\r\nCommsPort=2\r\nFreqFilename=/data/alps.dat\r\n\r\n[Ports]\r\n"
        "COM3=/dev/serial/by-id/usb-adapter\r\n\r\n[Logbook]\r\nLast=2024-05-01\r\n";
    dir.Write("RADIO.INI", crlf);
    Open();
    form->close();
    EXPECT_EQ(dir.Read("RADIO.INI"), crlf);
}

TEST_F(LifecycleTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
    dir.Write("RADIO.INI", "[Setup]\nCommsPort=2\n");
    Open();
    form->Core.SetWriteSeams({[](std::size_t) { return ENOSPC; }});
    form->close();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("Disk full"));
    EXPECT_EQ(dir.Read("RADIO.INI"), "[Setup]\nCommsPort=2\n");
    EXPECT_FALSE(form->isVisible());
}

TEST_F(LifecycleTest, OnlineDisablesTheSimulationControlsAndOfflineBringsThemBack) {
    Open();
    form->Core.Mode.EnterOnlineMode();
    EXPECT_EQ(form->Label1->text(), "Online - device interface mode");
    for (QWidget* w : std::initializer_list<QWidget*>{form->ScrollBar1, form->ScrollBar2, form->Button1, form->Button2,
                                                      form->Label1, form->Label2, form->Label3})
        EXPECT_FALSE(w->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{form->Label4, form->Memo1, form->Shapes[0]})
        EXPECT_TRUE(w->isEnabled());
    EXPECT_TRUE(form->Core.Emulator.StopRequest);
    EXPECT_EQ(form->Core.HelpText.CurrentTopic(), 100);

    form->Core.Mode.EnterOfflineMode();
    EXPECT_EQ(form->Label1->text(), "Offline - device emulation mode");
    for (QWidget* w : std::initializer_list<QWidget*>{form->ScrollBar1, form->ScrollBar2, form->Button1, form->Button2,
                                                      form->Label1, form->Label2, form->Label3})
        EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(form->Core.Emulator.StopRequest);
    EXPECT_TRUE(form->Timer1.isActive());
}

// The time base reads the slider of the frequency being received.
TEST_F(LifecycleTest, Timer2SamplesTheSliderOfTheFrequencyBeingReceived) {
    Open();
    form->ScrollBar1->setValue(0);
    form->ScrollBar2->setValue(300);
    form->Timer2Timer();
    EXPECT_EQ(form->Core.Emulator.State.RxLevel, 551);  // tuned to the active frequency
    EXPECT_TRUE(form->Core.Emulator.State.TickFlag);
    form->Core.Emulator.State.TunedFreq = 121500;
    form->Timer2Timer();
    EXPECT_EQ(form->Core.Emulator.State.RxLevel, 251);
}

// A radio that comes online while the start waits keeps the emulator stopped
// and the help on the online text.
TEST_F(LifecycleTest, ARadioOnlineBeforeTheStartKeepsTheEmulatorStopped) {
    Open();
    form->StartEmulatorSoon();
    form->Core.Mode.EnterOnlineMode();
    form->Timer1Timer();
    EXPECT_EQ(form->Core.HelpText.CurrentTopic(), 100);
    EXPECT_EQ(form->Memo1->toPlainText().left(38), "You are connected to a Qor transceiver");
    EXPECT_FALSE(form->Core.Mode.EmulatorRunning());
}

// Timer1 starts the run and returns at its first wait, a dialog open or not;
// the run then goes on with each tick, and a stop request ends it at the next.
TEST_F(LifecycleTest, Timer1StartsTheRunWhichEveryTickResumesUntilAStop) {
    Open();
    QDialog dialog(form.get());
    dialog.setModal(true);
    dialog.show();
    form->Timer1.start();
    form->Timer1Timer();
    EXPECT_TRUE(form->Core.Mode.EmulatorRunning());
    EXPECT_FALSE(form->Timer1.isActive());
    EXPECT_TRUE(form->Timer1.isSingleShot());
    EXPECT_EQ(form->Timer1.interval(), 10);
    EXPECT_EQ(form->Timer2.interval(), 20);
    EXPECT_TRUE(MatchesGolden(form->Core.Frame, "splash"));
    for (int tick = 0; tick < 130; ++tick) form->Timer2Timer();
    EXPECT_TRUE(MatchesGolden(form->Core.Frame, "main_defaults"));

    form->Core.Emulator.StopRequest = true;
    form->Timer2Timer();
    EXPECT_FALSE(form->Core.Mode.EmulatorRunning());
    EXPECT_FALSE(form->Core.Runner.Running());
    EXPECT_EQ(ScreenArt(form->Core.Frame), ScreenArt(LcdFrame{}));
}

// The stopping run clears the display after the radio's first message was
// drawn; the window draws that message again once the run has stopped.
TEST_F(LifecycleTest, TheRadiosFirstMessageStaysOnTheDisplayAfterTheEmulatorStopped) {
    Open();
    form->Timer1Timer();
    const DisplayMessageBytes message = BuildDisplayMessage(ReceivingDisplay());
    form->Core.Link.Feed(message.data(), static_cast<int32_t>(message.size()));
    EXPECT_TRUE(form->Core.Emulator.StopRequest);
    form->Timer2Timer();
    EXPECT_FALSE(form->Core.Mode.EmulatorRunning());
    EXPECT_TRUE(MatchesGolden(form->Core.Frame, "online_vol_receiving"));
}

}  // namespace
