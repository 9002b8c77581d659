#pragma once
#include <QByteArray>
#include <QString>

#include "web/live_display.h"

// The binary and text messages the live view sends (docs/live-view.md).
namespace live_message {

inline constexpr char WholeFrame = 'F';  // then the 832 bytes of the display
inline constexpr char Rows = 'R';        // then per changed row: its number, its 13 bytes

QByteArray Frame(const LcdBits& display);
// What turns `from` into `to`: the changed rows, or the whole frame when
// that is no longer; empty when nothing changed.
QByteArray Change(const LcdBits& from, const LcdBits& to);
// {"mode": caption}
QString Mode(const std::string& caption);
// {"keys": true|false}: whether this browser may hold the panel keys.
QString Keys(bool allowed);

}  // namespace live_message
