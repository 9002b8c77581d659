#include "message/display_message.h"

uint8_t DisplayFrame[DisplayFrameSize];
