#include "gui/web/share_display_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "gui/common/message_box.h"
#include "gui/web/qr_code_image.h"
#include "web/live_server.h"
#include "web/share_address.h"

namespace {

constexpr int kQrScale = 4;

}  // namespace

ShareDisplayDialog::ShareDisplayDialog(QWidget* parent, LiveServer& server, quint16 port)
    : QDialog(parent), server_(server), port_(port) {
    setWindowTitle("Share display in a browser");
    Share = new QCheckBox("&Share the display", this);
    ThisComputer = new QRadioButton("this computer only", this);
    Network = new QRadioButton("the local network", this);
    ThisComputer->setChecked(true);
    Address = new QLineEdit(this);
    Address->setReadOnly(true);
    Address->setMinimumWidth(360);
    auto* copy = new QPushButton("&Copy", this);
    copy->setAutoDefault(false);
    QrCode = new QLabel(this);
    QrCode->setAlignment(Qt::AlignCenter);
    Watching = new QLabel(this);
    Keys = new QCheckBox("Let the browsers press the &keys", this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Share, 0, 0, 1, 2);
    layout->addWidget(new QLabel("Who can watch:", this), 1, 0, 1, 2);
    layout->addWidget(ThisComputer, 2, 0, 1, 2);
    layout->addWidget(Network, 3, 0, 1, 2);
    layout->addWidget(new QLabel("Open in a browser:", this), 4, 0, 1, 2);
    layout->addWidget(Address, 5, 0);
    layout->addWidget(copy, 5, 1);
    layout->addWidget(QrCode, 6, 0, 1, 2);
    layout->addWidget(Watching, 7, 0, 1, 2);
    layout->addWidget(Keys, 8, 0, 1, 2);
    layout->addWidget(buttons, 9, 0, 1, 2);

    connect(Share, &QCheckBox::toggled, this, &ShareDisplayDialog::SetSharing);
    connect(Network, &QRadioButton::toggled, this, &ShareDisplayDialog::Restart);
    connect(Keys, &QCheckBox::toggled, this, &ShareDisplayDialog::SetKeys);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(Address->text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    server_.onViewersChanged = [this](int) { Refresh(); };
    Refresh();
}

void ShareDisplayDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void ShareDisplayDialog::SetSharing(bool on) {
    if (!on) {
        server_.Stop();
    } else {
        const QHostAddress address(Network->isChecked() ? QHostAddress::AnyIPv4 : QHostAddress::LocalHost);
        if (const QString error = server_.Start(address, port_); !error.isEmpty()) ShowPlainMessage(this, error);
    }
    Refresh();
}

void ShareDisplayDialog::Restart() {
    if (server_.Serving()) SetSharing(true);
}

void ShareDisplayDialog::SetKeys(bool on) {
    server_.SetKeyToken(on ? NewKeyToken() : QString());
    Refresh();
}

void ShareDisplayDialog::Refresh() {
    const QSignalBlocker blockShare(Share), blockNetwork(Network), blockKeys(Keys);
    const bool serving = server_.Serving();
    Share->setChecked(serving);
    if (serving) (server_.Address() == QHostAddress::LocalHost ? ThisComputer : Network)->setChecked(true);
    Keys->setChecked(!server_.KeyToken().isEmpty());
    const QString address = serving ? ViewerAddress({server_.Address(), server_.Port()}, server_.KeyToken()) : "";
    Address->setText(address);
    QrCode->setPixmap(address.isEmpty() ? QPixmap() : QPixmap::fromImage(QrCodeImage(address, kQrScale)));
    Watching->setText(QString("Browsers watching: %1").arg(server_.Viewers()));
}
