#pragma once
#include "web/live_display.h"

class LcdFrame;
class QLabel;
struct PanelInputsRecord;

// The main window as the live view's display and keys: the display's frame,
// the mode caption from Label1, and the keys pressed and released as the key
// areas do. GUI thread.
class WindowLiveView : public LiveDisplaySource, public LiveKeySink {
public:
    WindowLiveView(const LcdFrame& frame, const QLabel& caption, PanelInputsRecord& inputs)
        : frame_(frame), caption_(caption), inputs_(inputs) {}

    LcdBits Frame() const override;
    uint64_t Revision() const override;
    std::string ModeCaption() const override;
    void PressKey(PanelKey key) override;
    void ReleaseKey(PanelKey key) override;

private:
    const LcdFrame& frame_;
    const QLabel& caption_;
    PanelInputsRecord& inputs_;
};
