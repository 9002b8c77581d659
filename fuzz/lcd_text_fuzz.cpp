// LcdDrawText with any text bytes at any drawing position, in either font
// and either polarity. Input: LcdX (2 bytes, little-endian), LcdRow (2 bytes),
// a flags byte (bit 0 big font, bit 1 inverse), then the text.
//
// Checked: the font is never read outside its table (AddressSanitizer), no
// picture pixel is painted outside the cells the text covers within the
// display window, and LcdX ends where the advance rule puts it.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "common/little_endian.h"
#include "display/lcd.h"
#include "fuzz_check.h"

namespace {

constexpr int kDrawableColumns = 106;  // columns 104 and 105 lie in the photograph's green window
constexpr int kTextAdvanceCap = 120;

// A surface that accepts only pixels inside one picture rectangle: the
// columns from the text's start up to 105 and its pixel rows up to 63.
class BoundedSurface : public LcdSurface {
public:
    BoundedSurface(int x, int row, bool big) {
        const int top = 8 * row;
        const int bottom = std::min(top + (big ? 16 : 8), LcdHeight);
        left_ = LcdPictureLeft + 2 * x;
        top_ = LcdPictureTop + 2 * top;
        right_ = LcdPictureLeft + 2 * kDrawableColumns;
        bottom_ = LcdPictureTop + 2 * bottom;
    }
    void SetPixel(int px, int py, uint32_t) override {
        FuzzCheck(px >= left_ && px < right_ && py >= top_ && py < bottom_,
                  "text paints only its own cells inside the display window");
    }
    void FillRect(int, int, int, int, uint32_t) override { FuzzCheck(false, "drawing text fills no rectangle"); }

private:
    int left_, top_, right_, bottom_;  // picture pixels, right and bottom exclusive
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kHeader = 5;
    if (size < kHeader) return 0;
    const auto x = static_cast<uint16_t>(ReadLe16(data));
    const auto row = static_cast<uint16_t>(ReadLe16(data + 2));
    LcdX = x;
    LcdRow = row;
    LcdBigFont = (data[4] & 1) != 0;
    LcdInverse = (data[4] & 2) != 0;
    LcdText.assign(reinterpret_cast<const char*>(data + kHeader), size - kHeader);

    BoundedSurface surface(x, row, LcdBigFont);
    LcdAttachSurface(&surface);
    LcdDrawText();
    LcdAttachSurface(nullptr);

    const long advanced = static_cast<long>(x) + 8L * static_cast<long>(LcdText.size());
    const long expectedX = LcdText.empty() ? x : std::min<long>(advanced, kTextAdvanceCap);
    FuzzCheck(LcdX == expectedX, "LcdX advances 8 per character and stops at 120");
    return 0;
}
