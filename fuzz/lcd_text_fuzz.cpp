// Lcd::DrawText with any text bytes at any drawing position, in either font
// and either polarity. Input: X (2 bytes, little-endian), Row (2 bytes), a
// flags byte (bit 0 big font, bit 1 inverse), then the text.
//
// Checked: the font is never read outside its table (AddressSanitizer), no
// frame pixel changes outside the cells the text covers within the frame
// (drawn once on an unlit and once on a lit frame, so that every pixel set is
// seen), and X ends where the advance rule puts it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/little_endian.h"
#include "display/lcd.h"
#include "fuzz_check.h"

namespace {

constexpr int kTextAdvanceCap = 120;

// The columns from the text's start to the frame's right edge, and its pixel
// rows down to the bottom one.
bool WithinTextCells(const PixelRect& changed, int x, int row, bool big) {
    if (changed.Empty()) return true;
    const long top = 8L * row;
    const long bottom = std::min<long>(top + (big ? 16 : 8), LcdFrame::Height);
    return changed.left >= x && changed.top >= top && changed.right <= LcdFrame::Width && changed.bottom <= bottom;
}

uint16_t DrawOn(bool lit, uint16_t x, uint16_t row, uint8_t flags, std::string_view text) {
    LcdFrame frame;
    Lcd lcd(frame);
    for (int y = 0; y < LcdFrame::Height && lit; ++y)
        for (int column = 0; column < LcdFrame::Width; ++column) frame.Set(column, y, true);
    frame.TakeDirty();
    lcd.X = x;
    lcd.Row = row;
    lcd.BigFont = (flags & 1) != 0;
    lcd.Inverse = (flags & 2) != 0;
    lcd.DrawText(text);
    FuzzCheck(WithinTextCells(frame.TakeDirty(), x, row, lcd.BigFont), "text changes only its own cells");
    return lcd.X;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kHeader = 5;
    if (size < kHeader) return 0;
    const auto x = static_cast<uint16_t>(ReadLe16(data));
    const auto row = static_cast<uint16_t>(ReadLe16(data + 2));
    const std::string_view text(reinterpret_cast<const char*>(data + kHeader), size - kHeader);

    const uint16_t endX = DrawOn(false, x, row, data[4], text);
    DrawOn(true, x, row, data[4], text);

    const long advanced = static_cast<long>(x) + 8L * static_cast<long>(text.size());
    const long expectedX = text.empty() ? x : std::min<long>(advanced, kTextAdvanceCap);
    FuzzCheck(endX == expectedX, "X advances 8 per character and stops at 120");
    return 0;
}
