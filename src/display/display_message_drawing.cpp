#include "display/display_message_drawing.h"

#include <cstdio>
#include <string_view>

#include "display/display_text.h"
#include "display/lcd.h"
#include "display/lcd_font.h"
#include "display/row_images.h"

namespace {

constexpr uint8_t kBarColumn = 28;
constexpr uint8_t kActiveColumn = 0;
constexpr uint8_t kStandbyColumn = 53;

void DrawTextAt(std::string_view text, uint8_t column, uint8_t row) {
    LcdGotoText(column, row);
    LcdText = text;
    LcdDrawText();
}

void DrawModeLine(const DisplayMessage& message) {
    switch (message.adjustMode) {
        case DisplayAdjustMode::Vol:
            DrawTextAt("Vol", 0, 7);
            LcdDrawBar(kBarColumn, 7, message.volume);
            break;
        case DisplayAdjustMode::Sql:
            DrawTextAt("Sql", 0, 7);
            LcdDrawBar(kBarColumn, 7, message.squelch);
            break;
        case DisplayAdjustMode::Mhz: DrawTextAt("MHZ", 10, 7); break;
        case DisplayAdjustMode::Khz: DrawTextAt("KHZ", 10, 7); break;
        case DisplayAdjustMode::Channel: DrawTextAt("Channel", 6, 7); break;
        default: break;
    }
}

std::string_view CodesText(const DisplayCodes& codes) {
    return {reinterpret_cast<const char*>(codes.data()), codes.size()};
}

void DrawPixelText(std::string_view text, uint8_t x, uint8_t row) {
    LcdText = text;
    LcdGotoPixel(x, row);
    LcdDrawText();
}

struct Column {
    uint8_t x;
    int32_t frequency;
    uint8_t channel;
    const DisplayCodes& name;
    const DisplayCodes& type;
};

void DrawColumn(const Column& c) {
    LcdInverse = false;
    LcdBigFont = true;
    DrawPixelText(FormatFreq6(c.frequency), c.x, 1);
    LcdBigFont = false;
    const char mark = c.frequency % 50 == 25 ? static_cast<char>(SmallDigitZeroCode) : ' ';
    DrawPixelText({&mark, 1}, static_cast<uint8_t>(c.x + 48), 1);
    DrawPixelText(Center6(CodesText(c.name)), c.x, 3);
    DrawPixelText(Center6(CodesText(c.type)), c.x, 4);
    char label[8];
    if (c.channel == 0)
        std::snprintf(label, sizeof label, "CH--");
    else
        std::snprintf(label, sizeof label, "CH %u", static_cast<unsigned>(c.channel));
    DrawPixelText(Center6(label), c.x, 5);
}

}  // namespace

void DrawDisplayMessage(DisplayMessageDrawing& drawing, const DisplayMessage& m) {
    // The clear for a new adjust mode comes before the header: clearing after
    // it would leave the header bar blank until the next message.
    if (m.adjustMode != drawing.PreviousAdjustMode) LcdClear();
    drawing.PreviousAdjustMode = m.adjustMode;
    LcdGotoText(0, 0);
    LcdDrawPageRow(HeaderBarImage);
    DrawModeLine(m);
    DrawColumn({kActiveColumn, m.activeKhz, m.activeChannel, m.activeName, m.activeType});
    DrawColumn({kStandbyColumn, m.standbyKhz, m.standbyChannel, m.standbyName, m.standbyType});
    LcdGotoText(0, 6);
    if (m.transmitting) {
        LcdDrawPageRow(TxBannerImage);
        LcdDrawLevelBar(m.txLevel);
    } else {
        LcdDrawPageRow(RxBannerImage);
        LcdDrawLevelBar(m.rxLevel);
    }
}
