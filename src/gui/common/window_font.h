#pragma once
#include <QFont>

// The fonts of the main window. The label boxes of the fixed layout were
// sized for an 8-point bitmap sans serif of about 4.5 pixels a character:
// "This program is under construction and not yet fully functional" fills
// 288 x 13 and "Simulate RX signal standby" wraps into 73 x 33. DejaVu Sans
// at 9 pixels, which every Debian desktop with Qt has, keeps each caption
// inside its box; the fallbacks are narrower still at that size. Pixel sizes
// keep the fixed layout independent of the screen's dots per inch.

// The window's own font: labels, buttons, menus, help pane.
QFont WindowFont();

// Label1, the mode caption: bold, a quarter larger than the window font.
QFont ModeCaptionFont();
