#pragma once

#include "emulator/runtime/task.h"

struct Firmware;

// The Setup menu, the select operation of the main menu's last item: a list
// of thirteen lines, four visible, the selected one inverse; UP and DOWN move
// the selection, ACTIVE toggles a line, opens its screen or edits its value
// in place. Returns on MENU or after about 100 s without a key; a service
// screen's return starts that time again.
Task<> RunSetupMenu(Firmware& fw);
