#pragma once

// The transceiver's main menu, entered with the MENU key from the main
// screen; returns when the user leaves it. Works on the shared emulator state.
void RunMainMenu();
