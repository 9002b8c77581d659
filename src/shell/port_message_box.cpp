#include "shell/port_message_box.h"

#include <QMessageBox>

namespace {
constexpr const char* kApplicationTitle = "Qor Avionics VHF transceiver";
}

QString PortNotAvailableText(int portNumber) {
    return QString("The selected port COM") + QString::number(portNumber) + " is not available," +
           " please choose another if possible or free this port if it is in use by another application.";
}

void ShowPortNotAvailable(QWidget* parent, int portNumber) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, PortNotAvailableText(portNumber), QMessageBox::Ok, parent);
    box.exec();
}
