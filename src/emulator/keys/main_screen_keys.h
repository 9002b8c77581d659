#pragma once

#include "emulator/runtime/task.h"

struct Firmware;

// One pass of the main screen's key loop: runs the poll step and acts on each
// key until the next refresh (every 500 ms, or sooner when a key asks for a
// redraw), then counts the tuning time-out down and redraws the main screen.
//   VOL/SQ       volume / squelch adjustment (twice from volume: squelch held
//                open for a second)
//   ACTIVE       flip
//   MHz/KHz/CH   MHz, kHz, channel tuning in turn
//   UP, DOWN     change what is being adjusted
//   MENU         the main menu
Task<> MainScreenKeyPass(Firmware& fw);
