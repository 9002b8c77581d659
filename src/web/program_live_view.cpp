#include "web/program_live_view.h"

#include <array>

#include "core/program_core.h"
#include "emulator/hardware/panel_inputs.h"
#include "session/display_bitmap.h"

namespace {

// KeyDown bits in the order of PanelKey.
constexpr std::array<uint8_t, PanelKeyCount> kKeyBits{KeyBitMenu, KeyBitActive, KeyBitUp,
                                                      KeyBitDown, KeyBitVolSq,  KeyBitMhzKhzCh};

uint8_t BitOf(PanelKey key) { return kKeyBits[static_cast<std::size_t>(key)]; }

}  // namespace

LcdBits ProgramLiveView::Frame() const { return PackDisplay(BitmapOfFrame(core_.Frame)); }

uint64_t ProgramLiveView::Revision() const { return core_.Frame.Revision(); }

std::string ProgramLiveView::ModeCaption() const { return std::string(core_.ModeCaption()); }

void ProgramLiveView::PressKey(PanelKey key) { core_.PressKey(BitOf(key)); }

void ProgramLiveView::ReleaseKey(PanelKey key) { core_.ReleaseKey(BitOf(key)); }
