#include "gui/shell/port_message_box.h"

#include "gui/common/message_box.h"

namespace {

struct CauseEntry {
    PortFailureCause cause;
    const char* text;
};

constexpr CauseEntry kCauseTexts[] = {
    {PortFailureCause::NoSuchDevice, "no such device."},
    {PortFailureCause::PermissionDenied,
     "permission denied.\nSerial devices belong to the group dialout. Add yourself to it once with\n"
     "sudo usermod -aG dialout $USER\n"
     "then log out and log in again."},
    {PortFailureCause::InUse, "in use by another program."},
    {PortFailureCause::NotSerialDevice, "not a serial device."},
};

QString CauseWords(const PortFailure& failure) {
    for (const auto& entry : kCauseTexts)
        if (entry.cause == failure.cause) return entry.text;
    return QString::fromStdString(failure.detail).trimmed() + ".";
}

QString PortNotAvailableText(int portNumber) {
    return QString("The selected port COM") + QString::number(portNumber) + " is not available," +
           " please choose another if possible or free this port if it is in use by another application.";
}

}  // namespace

QString PortFailureText(const PortFailure& failure) {
    return PortNotAvailableText(failure.portNumber) + "\n\nDevice " + QString::fromStdString(failure.device) + ": " +
           CauseWords(failure);
}

void ShowPortNotAvailable(QWidget* parent, const PortFailure& failure) {
    ShowPlainMessage(parent, PortFailureText(failure));
}
