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

void DrawTextAt(Lcd& lcd, std::string_view text, uint8_t column, uint8_t row) {
    lcd.GotoText(column, row);
    lcd.DrawText(text);
}

void DrawModeLine(Lcd& lcd, const DisplayMessage& message) {
    switch (message.adjustMode) {
        case DisplayAdjustMode::Vol:
            DrawTextAt(lcd, "Vol", 0, 7);
            lcd.DrawBar(kBarColumn, 7, message.volume);
            break;
        case DisplayAdjustMode::Sql:
            DrawTextAt(lcd, "Sql", 0, 7);
            lcd.DrawBar(kBarColumn, 7, message.squelch);
            break;
        case DisplayAdjustMode::Mhz: DrawTextAt(lcd, "MHZ", 10, 7); break;
        case DisplayAdjustMode::Khz: DrawTextAt(lcd, "KHZ", 10, 7); break;
        case DisplayAdjustMode::Channel: DrawTextAt(lcd, "Channel", 6, 7); break;
        default: break;
    }
}

std::string_view CodesText(const DisplayCodes& codes) {
    return {reinterpret_cast<const char*>(codes.data()), codes.size()};
}

void DrawPixelText(Lcd& lcd, std::string_view text, uint8_t x, uint8_t row) {
    lcd.GotoPixel(x, row);
    lcd.DrawText(text);
}

struct Column {
    uint8_t x;
    int32_t frequency;
    uint8_t channel;
    const DisplayCodes& name;
    const DisplayCodes& type;
};

void DrawColumn(Lcd& lcd, const Column& c) {
    lcd.Inverse = false;
    lcd.BigFont = true;
    DrawPixelText(lcd, FormatFreq6(c.frequency), c.x, 1);
    lcd.BigFont = false;
    const char mark = c.frequency % 50 == 25 ? static_cast<char>(SmallDigitZeroCode) : ' ';
    DrawPixelText(lcd, {&mark, 1}, static_cast<uint8_t>(c.x + 48), 1);
    DrawPixelText(lcd, Center6(CodesText(c.name)), c.x, 3);
    DrawPixelText(lcd, Center6(CodesText(c.type)), c.x, 4);
    char label[8];
    if (c.channel == 0)
        std::snprintf(label, sizeof label, "CH--");
    else
        std::snprintf(label, sizeof label, "CH %u", static_cast<unsigned>(c.channel));
    DrawPixelText(lcd, Center6(label), c.x, 5);
}

}  // namespace

void DrawDisplayMessage(Lcd& lcd, DisplayMessageDrawing& drawing, const DisplayMessage& m) {
    // The clear for a new adjust mode comes before the header: clearing after
    // it would leave the header bar blank until the next message.
    if (m.adjustMode != drawing.PreviousAdjustMode) lcd.Clear();
    drawing.PreviousAdjustMode = m.adjustMode;
    lcd.GotoText(0, 0);
    lcd.DrawPageRow(HeaderBarImage);
    DrawModeLine(lcd, m);
    DrawColumn(lcd, {kActiveColumn, m.activeKhz, m.activeChannel, m.activeName, m.activeType});
    DrawColumn(lcd, {kStandbyColumn, m.standbyKhz, m.standbyChannel, m.standbyName, m.standbyType});
    lcd.GotoText(0, 6);
    if (m.transmitting) {
        lcd.DrawPageRow(TxBannerImage);
        lcd.DrawLevelBar(m.txLevel);
    } else {
        lcd.DrawPageRow(RxBannerImage);
        lcd.DrawLevelBar(m.rxLevel);
    }
}
