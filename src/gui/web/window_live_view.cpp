#include "gui/web/window_live_view.h"

#include <QLabel>
#include <array>

#include "display/lcd_frame.h"
#include "emulator/hardware/panel_inputs.h"
#include "gui/shell/panel_input_hook.h"
#include "session/display_bitmap.h"

namespace {

// KeyDown bits in the order of PanelKey.
constexpr std::array<uint8_t, PanelKeyCount> kKeyBits{KeyBitMenu, KeyBitActive, KeyBitUp,
                                                      KeyBitDown, KeyBitVolSq,  KeyBitMhzKhzCh};

uint8_t BitOf(PanelKey key) { return kKeyBits[static_cast<std::size_t>(key)]; }

}  // namespace

LcdBits WindowLiveView::Frame() const { return PackDisplay(BitmapOfFrame(frame_)); }

uint64_t WindowLiveView::Revision() const { return frame_.Revision(); }

std::string WindowLiveView::ModeCaption() const { return caption_.text().toStdString(); }

void WindowLiveView::PressKey(PanelKey key) {
    PressPanelKey(inputs_, BitOf(key));
    PanelInputsChanged();
}

void WindowLiveView::ReleaseKey(PanelKey key) {
    ReleasePanelKey(inputs_, BitOf(key));
    PanelInputsChanged();
}
