#include <gtest/gtest.h>
#include <unistd.h>

#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "gui/shell/port_message_box.h"
#include "gui/shell/serial_port_dialog.h"
#include "modes/operating_mode.h"
#include "ports/comms_port_opener.h"
#include "serial/comm.h"
#include "support/manual_hand_over.h"
#include "support/pty_pair.h"

namespace {

// The dialog over a component; COM7 is a pseudo-terminal, COM5 is missing.
class SerialPortDialogTest : public ::testing::Test {
protected:
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vhfcom-dialog-test-" + std::to_string(getpid()));
    PtyPair pty;
    TComm comm;
    CommsPortOpener ports{comm, {(dir / "RADIO.INI").string()}};
    TForm15 dialog{nullptr, ports};
    std::vector<int> reported;

    SerialPortDialogTest() {
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "RADIO.INI") << "[Ports]\nCOM5=/dev/vhfcom-no-such-port\nCOM7=" << pty.SlavePath() << "\n";
        ports.ReportNotAvailable = [this](const PortFailure& f) { reported.push_back(f.portNumber); };
    }
    ~SerialPortDialogTest() override {
        dialog.hide();
        std::filesystem::remove_all(dir);
    }
    QAbstractButton* Item(int index) { return dialog.RadioGroup2Items->button(index); }
};

// The message names the port as chosen, and gives a fix only where it helps.
TEST(PortFailureTextTest, NamesThePortAsChosenAndAdvisesOnlyWhatHelps) {
    const QString rest =
        " is not available, please choose another if possible or free this port if it is in use by "
        "another application.\n\nDevice ";
    const struct {
        PortFailure failure;
        QString text;
    } rows[] = {
        {{3, "/dev/ttyS2", PortFailureCause::NoSuchDevice, "", false, ""},
         "The selected port COM3" + rest + "/dev/ttyS2: no such device."},
        {{1, "/tmp/x", PortFailureCause::NoSuchDevice, "", true, ""},
         "The selected port /tmp/x" + rest + "/tmp/x: no such device."},
        {{1, "/dev/ttyS0", PortFailureCause::PermissionDenied, "", false, ""},
         "The selected port COM1" + rest + "/dev/ttyS0: permission denied."},
        {{1, "/dev/ttyUSB0", PortFailureCause::PermissionDenied, "", false, "dialout"},
         "The selected port COM1" + rest +
             "/dev/ttyUSB0: permission denied.\nThe device belongs to the group dialout. Add yourself to it once "
             "with\nsudo usermod -aG dialout $USER\nthen log out and log in again."},
    };
    for (const auto& row : rows) EXPECT_EQ(PortFailureText(row.failure), row.text);
}

TEST_F(SerialPortDialogTest, ShowsSixteenPortsInTwoColumnsOfEight) {
    ASSERT_EQ(dialog.RadioGroup2Items->buttons().size(), 16);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(Item(i)->text(), QString("COM%1").arg(i + 1));
    EXPECT_EQ(Item(8)->x(), Item(15)->x());
    EXPECT_GT(Item(8)->x(), Item(0)->x());
    EXPECT_EQ(Item(8)->y(), Item(0)->y());
    EXPECT_GT(Item(7)->y(), Item(6)->y());
    EXPECT_EQ(dialog.windowTitle(), "Serial port setup");
}

TEST_F(SerialPortDialogTest, ThePreselectionIsNoChoice) {
    ManualHandOver handOver(comm);
    ports.Open(6);
    pty.Write({1, 2, 3});
    ASSERT_TRUE(handOver.WaitForBatch());
    dialog.show();
    EXPECT_TRUE(Item(6)->isChecked());
    uint8_t bytes[8];
    EXPECT_EQ(comm.Read(bytes, 8), 3);  // not reopened: a reopen discards what was waiting
    dialog.hide();

    ports.Choose(200);  // beyond the list: the last item, the choice kept
    dialog.show();
    EXPECT_TRUE(Item(15)->isChecked());
    EXPECT_EQ(ports.Index(), 200);
    EXPECT_TRUE(reported.empty());
}

TEST_F(SerialPortDialogTest, AChoiceSwitchesThePortAtOnce) {
    dialog.show();
    Item(6)->click();
    EXPECT_TRUE(comm.Enabled());
    EXPECT_EQ(comm.DeviceName(), pty.SlavePath());  // COM7 as [Ports] maps it
    EXPECT_EQ(ports.Index(), 6);
    EXPECT_TRUE(reported.empty());
}

TEST_F(SerialPortDialogTest, AFailedChoiceIsReportedClosesThePortAndStillRecordsCommsPort) {
    dialog.show();
    Item(6)->click();
    Item(4)->click();
    EXPECT_EQ(reported, std::vector<int>{5});
    EXPECT_FALSE(comm.Enabled());  // the old port was closed first
    EXPECT_EQ(ports.Index(), 4);
    Item(4)->click();  // the port is still closed: clicking it again tries again
    EXPECT_EQ(reported, (std::vector<int>{5, 5}));
}

TEST_F(SerialPortDialogTest, ClickingTheOpenPortAgainChangesNothing) {
    ManualHandOver handOver(comm);
    dialog.show();
    Item(6)->click();
    pty.Write({1, 2, 3});
    ASSERT_TRUE(handOver.WaitForBatch());
    Item(6)->click();
    uint8_t bytes[8];
    EXPECT_EQ(comm.Read(bytes, 8), 3);  // not reopened: a reopen discards what was waiting
}

TEST_F(SerialPortDialogTest, CancelPutsBackThePortInUseQuietly) {
    ports.Open(6);
    dialog.show();
    Item(4)->click();
    QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ports.Index(), 6);
    EXPECT_TRUE(comm.Enabled());
    EXPECT_EQ(comm.DeviceName(), pty.SlavePath());
    EXPECT_EQ(reported, std::vector<int>{5}) << "only the choice was reported";
}

TEST_F(SerialPortDialogTest, AClosedPortIsOpenedAgainByClickingItsItem) {
    dialog.show();
    Item(6)->click();
    comm.Close();  // as after a pulled adapter
    Item(6)->click();
    EXPECT_TRUE(comm.Enabled());
    EXPECT_TRUE(reported.empty());
}

}  // namespace
