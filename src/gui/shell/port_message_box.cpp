#include "gui/shell/port_message_box.h"

#include "gui/common/message_box.h"

QString PortNotAvailableText(int portNumber) {
    return QString("The selected port COM") + QString::number(portNumber) + " is not available," +
           " please choose another if possible or free this port if it is in use by another application.";
}

void ShowPortNotAvailable(QWidget* parent, int portNumber) {
    ShowPlainMessage(parent, PortNotAvailableText(portNumber));
}
