#include "comm/display_frame.h"

uint8_t DisplayFrame[DisplayFrameSize];
