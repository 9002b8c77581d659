#pragma once
#include <cstdint>

#include "emulator/runtime/task.h"

struct Firmware;

// The frequency the transmitter uses: StandbyFreq in direct selection mode,
// else ActiveFreq.
int32_t TransmitFrequency(Firmware& fw);
// Whether the pilot's or the passenger's PTT is held.
bool PttHeld(Firmware& fw);

// TunedFreq := the frequency in use (StandbyFreq in direct selection mode,
// else ActiveFreq); programs the synthesizer 45000 kHz above it and selects
// the receive path.
void TuneReceiver(Firmware& fw);
// TunedFreq := ScanTarget, programmed as above, then Delay(10).
Task<> RetuneToScanTarget(Firmware& fw);
// Programs the synthesizer to TransmitFrequency() and selects the transmit
// path; TunedFreq stays.
void TuneTransmitter(Firmware& fw);
