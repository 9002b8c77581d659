#pragma once
#include <utility>
#include <vector>

#include "web/live_display.h"

// A display the test draws into and a key sink that records.
struct FakeDisplay : LiveDisplaySource, LiveKeySink {
    LcdBits Frame() const override { return frame; }
    uint64_t Revision() const override { return revision; }
    std::string ModeCaption() const override { return caption; }
    void PressKey(PanelKey key) override { events.push_back({key, true}); }
    void ReleaseKey(PanelKey key) override { events.push_back({key, false}); }

    void Draw(int row, uint8_t byte) {
        frame[static_cast<std::size_t>(row) * PackedRowBytes] = byte;
        ++revision;
    }

    LcdBits frame{};
    uint64_t revision = 1;
    std::string caption = "Offline - device emulation mode";
    std::vector<std::pair<PanelKey, bool>> events;
};
