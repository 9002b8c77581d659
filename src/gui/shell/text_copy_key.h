#pragma once

class QWidget;

// The copy key (Ctrl+C) copies a text field's selected text while the field
// has the focus, although a window shortcut (the display's "Copy display")
// takes the same key elsewhere in the window.
void KeepCopyKeyInText(QWidget* text);
