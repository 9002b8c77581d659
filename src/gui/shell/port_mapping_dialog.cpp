#include "gui/shell/port_mapping_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/common/message_box.h"
#include "gui/common/window_font.h"
#include "gui/shell/serial_device_scan.h"
#include "modes/operating_mode.h"
#include "ports/comms_port_opener.h"
#include "ports/port_mapping.h"

namespace {

constexpr int kPorts = 16;
constexpr int kPathRole = Qt::UserRole;  // a device list item's path

QTreeWidget* MakeList(QWidget* parent, const QStringList& headers) {
    auto* list = new QTreeWidget(parent);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

}  // namespace

PortMappingDialog::PortMappingDialog(QWidget* parent, CommsPortOpener& ports) : QDialog(parent), ports_(ports) {
    setWindowTitle("Serial port mapping");
    setFont(WindowFont());
    BuildControls();
    resize(640, 480);
}

void PortMappingDialog::BuildControls() {
    PortList = MakeList(this, {"Port", "Device"});
    for (int n = 1; n <= kPorts; ++n) new QTreeWidgetItem(PortList, {QString("COM%1").arg(n)});
    DeviceList = MakeList(this, {"Serial device found", "Path"});
    PathLabel = new QLabel(this);
    PathEdit = new QLineEdit(this);
    SetButton = new QPushButton("&Set", this);
    DefaultButton = new QPushButton("&Default", this);
    RefreshButton = new QPushButton("&Refresh", this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* found = new QHBoxLayout;
    found->addWidget(new QLabel("Serial devices present now; choose one or type a path:", this), 1);
    found->addWidget(RefreshButton);
    auto* path = new QHBoxLayout;
    path->addWidget(PathLabel);
    path->addWidget(PathEdit, 1);
    path->addWidget(SetButton);
    path->addWidget(DefaultButton);
    InUseLabel = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel("Choose a port, then give it a device and press Set. Changes are saved at once.", this));
    layout->addWidget(InUseLabel);
    layout->addWidget(PortList, 3);
    layout->addLayout(found);
    layout->addWidget(DeviceList, 2);
    layout->addLayout(path);
    layout->addWidget(buttons);

    connect(PortList, &QTreeWidget::currentItemChanged, this, &PortMappingDialog::PortChosen);
    connect(DeviceList, &QTreeWidget::currentItemChanged, this, &PortMappingDialog::DeviceChosen);
    connect(SetButton, &QPushButton::clicked, this, [this] { Map(PathEdit->text().trimmed().toStdString()); });
    connect(DefaultButton, &QPushButton::clicked, this, [this] { Map({}); });
    connect(RefreshButton, &QPushButton::clicked, this, &PortMappingDialog::ShowDevices);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

// Both lists afresh, the port in use selected.
void PortMappingDialog::showEvent(QShowEvent* event) {
    ShowInUse();
    ShowPorts();
    ShowDevices();
    PortList->setCurrentItem(PortList->topLevelItem(std::min<int>(ports_.Index(), kPorts - 1)));
    PortChosen();
    QDialog::showEvent(event);
}

void PortMappingDialog::ShowInUse() {
    const CommsPortOpener::Choice inUse = ports_.Current();
    const QString device = QString::fromStdString(inUse.device);
    if (inUse.device.empty())
        InUseLabel->setText("In use now: none");
    else if (inUse.deviceOfThisRun)
        InUseLabel->setText("In use now: " + device + ", given for this run in place of COM" +
                            QString::number(inUse.index + 1));
    else
        InUseLabel->setText(QString("In use now: COM%1 (%2)").arg(inUse.index + 1).arg(device));
}

void PortMappingDialog::ShowPorts() {
    const std::vector<PortDevice> devices = PortDevices(kPorts, ports_.Naming());
    for (int i = 0; i < kPorts; ++i) {
        const QString path = QString::fromStdString(devices[i].path);
        PortList->topLevelItem(i)->setText(1, devices[i].mapped ? path : path + "  (default)");
        PortList->topLevelItem(i)->setData(1, kPathRole, devices[i].mapped ? path : QString());
    }
}

void PortMappingDialog::ShowDevices() {
    DeviceList->clear();
    for (const DetectedSerialDevice& device : DetectSerialDevices()) {
        auto* item = new QTreeWidgetItem(DeviceList, {device.description, device.path});
        item->setData(0, kPathRole, device.path);
    }
    if (DeviceList->topLevelItemCount() == 0)
        new QTreeWidgetItem(DeviceList, {"No serial device found (a pseudo-terminal is not listed: type its path)"});
}

void PortMappingDialog::PortChosen() {
    const int n = SelectedPort();
    PathLabel->setText(QString("Device for COM%1:").arg(n));
    PathEdit->setText(PortList->topLevelItem(n - 1)->data(1, kPathRole).toString());
}

void PortMappingDialog::DeviceChosen() {
    const QTreeWidgetItem* item = DeviceList->currentItem();
    if (item && !item->data(0, kPathRole).toString().isEmpty()) PathEdit->setText(item->data(0, kPathRole).toString());
}

void PortMappingDialog::Map(const std::string& device) {
    const int n = SelectedPort();
    if (const std::string error = SetPortMapping(ports_.Naming(), n, device); !error.empty()) {
        ShowPlainMessage(this, QString("COM%1 keeps its device. %2.").arg(n).arg(QString::fromStdString(error)));
        return;
    }
    ShowPorts();
    PortChosen();
    ports_.MappingChanged(n);
    ShowInUse();
}

int PortMappingDialog::SelectedPort() const {
    QTreeWidgetItem* item = PortList->currentItem();
    return item ? PortList->indexOfTopLevelItem(item) + 1 : 1;
}
