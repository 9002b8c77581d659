#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "display_message_builder.h"
#include "shell/operating_mode.h"
#include "support/memory_surface.h"
#include "support/recording_mode_view.h"

// A fresh program state for the device link: receiver, renderer, operating
// mode and time base as at start, an in-memory panel and a recording view.
class LinkTest : public ::testing::Test {
protected:
    LinkTest();
    ~LinkTest() override;
    static void ResetLinkState();
    static std::vector<uint8_t> Bytes(const SimulatedDisplay& display);

    AttachedSurface attached;
    MemorySurface& surface = attached.surface;
    RecordingModeView view;
};

// The display of the golden screens: receiving in volume mode, 118.025 on
// channel 0 against 118.050 on channel 7.
SimulatedDisplay ReceivingDisplay();
