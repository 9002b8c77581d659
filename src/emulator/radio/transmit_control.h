#pragma once
#include <cstdint>

struct Firmware;

// Keys and unkeys the transmitter from the PTTs; counts how long a PTT is
// held (StuckPttCount, whole seconds) and spends TxInhibit. Runs on every poll
// step with the poll iterations elapsed since the previous one.
void TransmitControl(Firmware& fw, uint32_t iterations);
// Whether the PTT held now has been held StuckPttSeconds: it counts as stuck
// and keys nothing until it is released.
bool PttStuck(Firmware& fw);
// Ends a transmission: back to the receiver, main screen redraw requested.
void EndTransmission(Firmware& fw);
