#pragma once
#include <cstdint>
#include <span>

#include "message/display_message.h"

// Draws a message's payload on the LCD as the transceiver shows it: row 0
// header, rows 1-2 both frequencies in double-height digits with the
// small-zero mark for a 25 kHz remainder, row 3 names, row 4 types, row 5
// channel labels, row 6 the RX or TX banner with its level bar, row 7 the
// adjust mode line. A change of adjust mode clears the LCD first.
void RenderDisplayMessage(std::span<const uint8_t, DisplayFrameSize> frame);

// Draws the payload buffer DisplayFrame: the handler of a completed message.
void RenderDisplayFrame();

// The adjust mode of the message drawn last; 0 at start and never reset.
extern uint8_t PreviousAdjustMode;
