#pragma once
#include "web/live_display.h"

class ProgramCore;

// The program core as the live view's display and keys: its frame and
// revision, the caption of its mode, and the keys pressed and released
// through its commands as the window's key areas do. GUI thread.
class ProgramLiveView : public LiveDisplaySource, public LiveKeySink {
public:
    explicit ProgramLiveView(ProgramCore& core) : core_(core) {}

    LcdBits Frame() const override;
    uint64_t Revision() const override;
    std::string ModeCaption() const override;
    void PressKey(PanelKey key) override;
    void ReleaseKey(PanelKey key) override;

private:
    ProgramCore& core_;
};
