#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "display_message_builder.h"
#include "shell/operating_mode.h"
#include "support/memory_surface.h"

// The window's side of the mode switch, recorded.
struct RecordingModeView : ModeView {
    int online = 0;
    int offline = 0;
    int emulatorStarts = 0;
    void ShowOnlineMode() override { ++online; }
    void ShowOfflineMode() override { ++offline; }
    void StartEmulatorSoon() override { ++emulatorStarts; }
};

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
