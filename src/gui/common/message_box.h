#pragma once
#include <QString>
#include <functional>

class QWidget;

// The program's plain message box: a text and an OK button, titled with the
// application title. Tests put a recorder in its place, since a modal box
// would wait for a user who is not there.

inline constexpr const char* ApplicationTitle = "Qor Avionics VHF transceiver";

void ShowPlainMessage(QWidget* parent, const QString& text);

using PlainMessageHandler = std::function<void(const QString& text)>;
// Replaces the message box; an empty handler brings the real box back.
void SetPlainMessageHandler(PlainMessageHandler handler);
