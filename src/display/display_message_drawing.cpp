#include "display/display_message_drawing.h"

#include <cstdio>
#include <string_view>

#include "display/display_text.h"
#include "display/field_memo.h"
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

// Each part of the message's screen is a field, drawn only when what it
// shows has changed or something drew over it: most messages change one part.
enum DisplayMessageField : uint8_t {
    kHeaderField,
    kModeLineField,
    kActiveColumnField,
    kStandbyColumnField,
    kBannerField
};

void DrawColumn(Lcd& lcd, uint8_t field, const Column& c) {
    lcd.Inverse = false;
    lcd.BigFont = true;
    lcd.GotoPixel(c.x, 1);
    const FieldInputs inputs =
        FieldInputs().Add(c.frequency).Add(c.channel).Add(CodesText(c.name)).Add(CodesText(c.type));
    if (!lcd.BeginField(field, inputs)) return;
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
    lcd.EndField();
}

void DrawHeader(Lcd& lcd) {
    lcd.GotoText(0, 0);
    if (!lcd.BeginField(kHeaderField, FieldInputs().Add(HeaderBarImage))) return;
    lcd.DrawPageRow(HeaderBarImage);
    lcd.EndField();
}

void DrawModeLineField(Lcd& lcd, const DisplayMessage& m) {
    lcd.Inverse = false;
    lcd.BigFont = false;
    lcd.GotoText(0, 7);
    const FieldInputs inputs = FieldInputs().Add(static_cast<int32_t>(m.adjustMode)).Add(m.volume).Add(m.squelch);
    if (!lcd.BeginField(kModeLineField, inputs)) return;
    DrawModeLine(lcd, m);
    lcd.EndField();
}

void DrawBanner(Lcd& lcd, const DisplayMessage& m) {
    lcd.GotoText(0, 6);
    const uint8_t level = m.transmitting ? m.txLevel : m.rxLevel;
    if (!lcd.BeginField(kBannerField, FieldInputs().Add(m.transmitting).Add(level))) return;
    lcd.DrawPageRow(m.transmitting ? TxBannerImage : RxBannerImage);
    lcd.DrawLevelBar(level);
    lcd.EndField();
}

}  // namespace

void DrawDisplayMessage(Lcd& lcd, DisplayMessageDrawing& drawing, const DisplayMessage& m) {
    // The clear for a new adjust mode comes before the header: clearing after
    // it would leave the header bar blank until the next message.
    if (m.adjustMode != drawing.PreviousAdjustMode) lcd.Clear();
    drawing.PreviousAdjustMode = m.adjustMode;
    DrawHeader(lcd);
    DrawModeLineField(lcd, m);
    DrawColumn(lcd, kActiveColumnField, {kActiveColumn, m.activeKhz, m.activeChannel, m.activeName, m.activeType});
    DrawColumn(lcd, kStandbyColumnField,
               {kStandbyColumn, m.standbyKhz, m.standbyChannel, m.standbyName, m.standbyType});
    DrawBanner(lcd, m);
}
