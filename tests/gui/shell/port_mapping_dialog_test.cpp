// "Serial port mapping" in the running window: each change goes to
// RADIO.INI at once, the port in use follows its mapping, and the settings
// written at close keep the mapping.
#include <gtest/gtest.h>

#include <QAbstractButton>

#include "gui/shell/port_mapping_dialog.h"
#include "gui/shell/serial_port_dialog.h"
#include "support/form_fixture.h"
#include "support/pty_pair.h"

namespace {

class PortMappingDialogTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        dir.Write("RADIO.INI",
                  "; mine\r\n[Setup]\r\nCommsPort=0\r\n[Ports]\r\nCOM2=/dev/old\r\n[Other]\r\nkey=value\r\n");
        Open();
        dialog = form->PortMapping;
        dialog->show();
    }
    void TearDown() override {
        dialog->hide();
        FormTest::TearDown();
    }
    void Map(int portIndex, const QString& path) {
        dialog->PortList->setCurrentItem(dialog->PortList->topLevelItem(portIndex));
        dialog->PathEdit->setText(path);
        dialog->SetButton->click();
    }
    QString DeviceShown(int portIndex) const { return dialog->PortList->topLevelItem(portIndex)->text(1); }

    PortMappingDialog* dialog = nullptr;
};

TEST_F(PortMappingDialogTest, AMappingIsWrittenAtOnceAndThePortInUseFollowsIt) {
    EXPECT_EQ(dialog->PathLabel->text(), "Device for COM1:");  // the port in use is selected
    EXPECT_EQ(dialog->InUseLabel->text(), "In use now: COM1 (" + QString::fromStdString(dir.File("ttyS0")) + ")");
    EXPECT_EQ(DeviceShown(0), QString::fromStdString(dir.File("ttyS0")) + "  (default)");
    ASSERT_FALSE(form->Core.Comm1.Enabled());

    PtyPair pty;
    const QString ptyPath = QString::fromStdString(pty.SlavePath());
    Map(0, "  " + ptyPath + " ");
    EXPECT_TRUE(form->Core.Comm1.Enabled());  // opened again on its new device
    EXPECT_EQ(form->Core.Comm1.DeviceName(), pty.SlavePath());
    EXPECT_EQ(DeviceShown(0), ptyPath);
    EXPECT_EQ(dialog->InUseLabel->text(), "In use now: COM1 (" + ptyPath + ")");

    dialog->PortList->setCurrentItem(dialog->PortList->topLevelItem(1));
    EXPECT_EQ(dialog->PathEdit->text(), "/dev/old");
    dialog->DefaultButton->click();
    EXPECT_EQ(DeviceShown(1), QString::fromStdString(dir.File("ttyS1")) + "  (default)");
    EXPECT_TRUE(form->Core.Comm1.Enabled());  // another port's mapping leaves the port in use alone

    const std::string mapped = dir.Read("RADIO.INI");
    Map(2, "ttyUSB0");
    EXPECT_EQ(messages, QStringList{"COM3 keeps its device. A device path begins with /."});
    EXPECT_EQ(dir.Read("RADIO.INI"), mapped);

    form->Form15->show();  // the serial port dialog names each port's device
    EXPECT_EQ(form->Form15->RadioGroup2Items->button(0)->toolTip(), ptyPath);
    EXPECT_EQ(form->Form15->RadioGroup2Items->button(1)->toolTip(), QString::fromStdString(dir.File("ttyS1")));
    form->Form15->hide();

    form->close();
    EXPECT_EQ(dir.Read("RADIO.INI"), "; mine\r\n[Setup]\r\nCommsPort=0\r\nFreqFilename=\r\n[Ports]\r\nCOM1=" +
                                         pty.SlavePath() + "\r\n[Other]\r\nkey=value\r\n");
    EXPECT_EQ(portMessages.size(), 1);  // the one at start
}

}  // namespace
