#pragma once
#include "web/live_display.h"

class PanelPicture;
class QLabel;

// The main window as the live view's display and keys: the display read back
// from the panel picture as "Copy display" reads it, the mode caption from
// Label1, and the keys pressed and released as the key areas do. GUI thread.
class WindowLiveView : public LiveDisplaySource, public LiveKeySink {
public:
    WindowLiveView(const PanelPicture& picture, const QLabel& caption) : picture_(picture), caption_(caption) {}

    LcdBits Frame() const override;
    // Counts the changes of the display seen by its calls.
    uint64_t Revision() const override;
    std::string ModeCaption() const override;
    void PressKey(PanelKey key) override;
    void ReleaseKey(PanelKey key) override;

private:
    const PanelPicture& picture_;
    const QLabel& caption_;
    mutable LcdBits seen_{};
    mutable uint64_t revision_ = 0;
};
