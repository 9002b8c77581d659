#pragma once

#include "emulator/runtime/task.h"

struct Firmware;

// The on-device channel editor, opened by the main menu item "Channels". Shows
// one channel of the frequency database at a time on four large-text lines (channel number,
// frequency, name, type), the selected line inverse with a blinking "_"
// cursor. ACTIVE selects the next line, MHZ/KHZ/CH the MHz or kHz part or the
// next character, UP and DOWN step the channel, the frequency or the
// character. A changed record goes to the transceiver's channel memory
// (StoreChannelRecord) when another channel is loaded or the editor is left;
// the database itself is never written. Returns on MENU; the caller redraws.
Task<> RunDeviceChannelEditor(Firmware& fw);
