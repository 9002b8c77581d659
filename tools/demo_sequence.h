#pragma once
#include <cstdint>

#include "display_message_builder.h"

// The simulated radio's demo: a loop of scenes (receiving with a rising
// signal, squelch adjustment, MHz and kHz tuning of the standby frequency,
// transmitting, channel mode), one display per message step.
SimulatedDisplay DemoDisplay(uint32_t step);

// Message steps in one pass of the loop.
uint32_t DemoLength();
