#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "display_message_builder.h"
#include "link/device_link.h"
#include "link/link_clock.h"
#include "modes/operating_mode.h"
#include "support/idle_firmware.h"
#include "support/recording_mode_view.h"
#include "support/scratch_display.h"

// A clock for the device link that moves only when the test moves it.
class ManualLinkClock : public LinkClock {
public:
    uint64_t NowMicroseconds() const override { return now; }
    uint64_t now = 0;
};

// The device link as the program wires it (drawing, then the operating mode),
// with a display of its own, a recording view and a clock the test moves; every
// test starts from the program's state at start.
class LinkTest : public ::testing::Test {
protected:
    // The program's state at start again, on a cleared display and a fresh mode shown on this view.
    void StartAgain();
    static std::vector<uint8_t> Bytes(const SimulatedDisplay& display);

    ScratchDisplay display;
    LcdFrame& frame = display.frame;
    Lcd& lcd = display.lcd;
    RecordingModeView view;
    IdleFirmware unit;  // the firmware the mode stops
    OperatingMode mode{unit.fw, &view};
    ManualLinkClock clock;
    DeviceLink link{lcd, mode, clock};
};

// The display of the golden screens: receiving in volume mode, 118.025 on
// channel 0 against 118.050 on channel 7.
SimulatedDisplay ReceivingDisplay();
