#pragma once

#include "emulator/runtime/task.h"

struct Firmware;

// The service screens the Setup menu opens. Each is a waiting loop on the
// poll step that ends on the first key code the poll step delivers (any key,
// repeats and long presses included); the Setup menu then redraws fully.

// " ADC 1 ": "Vin:", "Srx:" (RxLevel), "Stn:" and "Tmp:", refreshed every 500 ms.
Task<> RunReadingsScreen1(Firmware& fw);
// " ADC 2 ": "Stn:", "AudL:", "SLO:" (ModLevel) and "OFF:", refreshed every 500 ms.
Task<> RunReadingsScreen2(Firmware& fw);
