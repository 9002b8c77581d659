#pragma once

#include "display/lcd.h"

// A display of its own, for drawing what a screen should look like.
struct ScratchDisplay {
    LcdFrame frame;
    Lcd lcd{frame};
};
