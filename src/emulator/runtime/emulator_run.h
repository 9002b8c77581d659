#pragma once

// The emulated firmware: start-up, splash screen and main loop. Called by the
// Timer1 handler; returns when StopRequest is set, with the display cleared.
void EmulatorRun();
