#pragma once

// The emulated firmware: start-up, splash screen and main loop. Called by the
// Timer1 handler; returns when StopRequest is set, from whatever screen, with
// a settings change not yet saved written, a transmission ended and the
// display cleared.
void EmulatorRun();
