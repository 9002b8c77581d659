#pragma once
#include <QString>

#include "ports/port_failure.h"

class QWidget;

// "The selected port COMn is not available, please choose another if
// possible or free this port if it is in use by another application." (the
// device in place of COMn when it was given for this run), then a paragraph
// naming the device path and the cause, with the fix where the user can
// make one.
QString PortFailureText(const PortFailure& failure);

// Shows PortFailureText in a plain message box with an OK button, modally.
void ShowPortNotAvailable(QWidget* parent, const PortFailure& failure);
