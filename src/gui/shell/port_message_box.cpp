#include "gui/shell/port_message_box.h"

#include "gui/common/message_box.h"

namespace {

struct CauseEntry {
    PortFailureCause cause;
    const char* text;
};

constexpr CauseEntry kCauseTexts[] = {
    {PortFailureCause::NoSuchDevice, "no such device."},
    {PortFailureCause::PermissionDenied, "permission denied."},
    {PortFailureCause::InUse, "in use by another program."},
    {PortFailureCause::NotSerialDevice, "not a serial device."},
};

// Joining the device's group helps only where the group may use it.
QString GroupAdvice(const std::string& group) {
    const QString name = QString::fromStdString(group);
    return "\nThe device belongs to the group " + name + ". Add yourself to it once with\nsudo usermod -aG " + name +
           " $USER\nthen log out and log in again.";
}

QString CauseWords(const PortFailure& failure) {
    for (const auto& entry : kCauseTexts)
        if (entry.cause == failure.cause)
            return entry.text + (failure.groupToJoin.empty() ? QString() : GroupAdvice(failure.groupToJoin));
    return QString::fromStdString(failure.detail).trimmed() + ".";
}

// The port as the user chose it: COMn, or the device given for this run.
QString PortNotAvailableText(const PortFailure& failure) {
    const QString port =
        failure.deviceOfThisRun ? QString::fromStdString(failure.device) : "COM" + QString::number(failure.portNumber);
    return QString("The selected port ") + port + " is not available," +
           " please choose another if possible or free this port if it is in use by another application.";
}

}  // namespace

QString PortFailureText(const PortFailure& failure) {
    return PortNotAvailableText(failure) + "\n\nDevice " + QString::fromStdString(failure.device) + ": " +
           CauseWords(failure);
}

void ShowPortNotAvailable(QWidget* parent, const PortFailure& failure) {
    ShowPlainMessage(parent, PortFailureText(failure));
}
