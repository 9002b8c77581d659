#pragma once
#include <QString>

class QWidget;

// "The selected port COMn is not available, please choose another if
// possible or free this port if it is in use by another application."
QString PortNotAvailableText(int portNumber);

// Shows that text in a plain message box with an OK button, modally.
void ShowPortNotAvailable(QWidget* parent, int portNumber);
