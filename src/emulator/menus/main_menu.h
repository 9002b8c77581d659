#pragma once

#include "emulator/runtime/task.h"

struct Firmware;

// The transceiver's main menu, entered with the MENU key from the main
// screen: one item per screen, UP and DOWN browse, ACTIVE edits the item in
// place (or opens it), MENU ends editing and, while browsing, returns. Opens
// on the item shown last; works on the shared emulator state.
Task<> RunMainMenu(Firmware& fw);
