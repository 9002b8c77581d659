#pragma once
#include <cstdint>

// The waits every loop of the emulated firmware is built on. They hand the
// thread to the GUI (timers, mouse, serial link, menus of the main window)
// and end the whole emulator run once StopRequest is set, so that no loop of
// the firmware needs a stop check of its own.

// Set to end the emulator run: by the shell when a transceiver comes online
// and when the window closes; cleared before a new run starts. GUI thread only.
extern bool StopRequest;

// Thrown by the waits when StopRequest is set after the GUI handled its
// events. Only the emulator run catches it: it clears the display and returns.
// Whatever a loop sets up around its waits must therefore be undone by scope
// (see MenuActive in the main screen's key loop), not by code after the loop.
struct EmulatorStop {};

// Lets the GUI handle its pending events, blocking until at least one was
// handled (the 20 ms time base wakes it every tick). Throws EmulatorStop when
// StopRequest is set afterwards, or when no host is attached.
void ProcessEventsOrStop();

// Throws EmulatorStop when StopRequest is set.
void StopIfRequested();

// Waits on the tick time base until MsCounter (2 ms units, +10 per tick) has
// reached ms / 2; so delays are whole ticks, and 0 or 1 return at once. Does
// not run the poll step. Throws EmulatorStop like ProcessEventsOrStop.
void Delay(uint16_t ms);
