#include "gui/web/window_live_view.h"

#include <QLabel>
#include <array>

#include "emulator/hardware/panel_inputs.h"
#include "gui/session/display_image.h"
#include "gui/shell/panel_picture.h"

namespace {

// KeyDown bits in the order of PanelKey.
constexpr std::array<uint8_t, PanelKeyCount> kKeyBits{KeyBitMenu, KeyBitActive, KeyBitUp,
                                                      KeyBitDown, KeyBitVolSq,  KeyBitMhzKhzCh};

uint8_t BitOf(PanelKey key) { return kKeyBits[static_cast<std::size_t>(key)]; }

}  // namespace

LcdBits WindowLiveView::Frame() const { return PackDisplay(DisplayBitmapOfPicture(picture_.Picture())); }

uint64_t WindowLiveView::Revision() const {
    const LcdBits now = Frame();
    if (now != seen_) {
        seen_ = now;
        ++revision_;
    }
    return revision_;
}

std::string WindowLiveView::ModeCaption() const { return caption_.text().toStdString(); }

void WindowLiveView::PressKey(PanelKey key) { PanelInputs.KeyDown |= BitOf(key); }

void WindowLiveView::ReleaseKey(PanelKey key) { PanelInputs.KeyDown &= static_cast<uint8_t>(~BitOf(key)); }
