#include "gui/shell/serial_port_dialog.h"

#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "gui/common/window_font.h"
#include "modes/operating_mode.h"
#include "ports/comms_port_opener.h"
#include "ports/port_mapping.h"

namespace {

constexpr int kPorts = 16;
constexpr int kRows = 8;
constexpr QSize kClientSize(200, 242);

// Item i of the radio group: column-major, eight to a column.
QRect ItemGeometry(int index) {
    constexpr int kLeft = 8, kTop = 16, kColumnWidth = 84, kRowHeight = 13;
    return {kLeft + (index / kRows) * kColumnWidth, kTop + (index % kRows) * kRowHeight, kColumnWidth - 4, kRowHeight};
}

}  // namespace

TForm15::TForm15(QWidget* parent, CommsPortOpener& ports) : QDialog(parent), ports_(ports) {
    setWindowTitle("Serial port setup");
    setFont(WindowFont());
    setFixedSize(kClientSize);
    move(309, 237);

    Label1 =
        new QLabel("Select the serial communications port that you will be using to connect to the radio device", this);
    Label1->setGeometry(8, 8, 177, 49);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    RadioGroup2 = new QGroupBox("COM port number", this);
    RadioGroup2->setGeometry(8, 64, 185, 129);
    RadioGroup2Items = new QButtonGroup(this);
    for (int i = 0; i < kPorts; ++i) {
        auto* item = new QRadioButton(QString("COM%1").arg(i + 1), RadioGroup2);
        item->setGeometry(ItemGeometry(i));
        RadioGroup2Items->addButton(item, i);
    }
    connect(RadioGroup2Items, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked) RadioGroup2Click(index);
    });
    connect(RadioGroup2Items, &QButtonGroup::idClicked, this, &TForm15::RadioGroup2Clicked);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "OK", this);
    BitBtn1->setGeometry(20, 200, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    CancelButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
    CancelButton->setGeometry(105, 200, 75, 25);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm15::reject() {
    ports_.Restore(before_);
    QDialog::reject();
}

void TForm15::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TForm15::FormShow() {
    before_ = ports_.Current();
    updating_ = true;
    RadioGroup2Items->button(std::min<int>(ports_.Index(), kPorts - 1))->setChecked(true);
    updating_ = false;
    const std::vector<PortDevice> devices = PortDevices(kPorts, ports_.Naming());
    for (int i = 0; i < kPorts; ++i) RadioGroup2Items->button(i)->setToolTip(QString::fromStdString(devices[i].path));
}

void TForm15::RadioGroup2Click(int index) {
    if (updating_) return;
    choiceMade_ = true;
    ports_.Open(static_cast<uint8_t>(index));
}

// A click on the item already selected changes nothing while its port is
// open; while it is closed (it failed to open, or its adapter was pulled) the
// click tries the port again.
void TForm15::RadioGroup2Clicked(int index) {
    const bool selectionChanged = std::exchange(choiceMade_, false);
    if (selectionChanged || ports_.IsOpen()) return;
    RadioGroup2Click(index);
    choiceMade_ = false;
}
