#include "comm/display_renderer.h"

#include <cstdio>
#include <string_view>

#include "comm/display_frame.h"
#include "common/little_endian.h"
#include "display/display_text.h"
#include "display/lcd.h"
#include "display/lcd_font.h"
#include "display/row_images.h"

uint8_t PreviousAdjustMode = 0;

namespace {

namespace f = display_frame;

constexpr uint8_t kBarColumn = 28;
constexpr uint8_t kActiveColumn = 0;
constexpr uint8_t kStandbyColumn = 53;

enum AdjustMode : uint8_t { ModeVol, ModeSql, ModeMhz, ModeKhz, ModeChannel };

void DrawTextAt(Lcd& lcd, std::string_view text, uint8_t column, uint8_t row) {
    lcd.GotoText(column, row);
    lcd.DrawText(text);
}

using Frame = std::span<const uint8_t, DisplayFrameSize>;

void DrawModeLine(Lcd& lcd, Frame frame, uint8_t mode) {
    switch (mode) {
        case ModeVol:
        case ModeSql:
            DrawTextAt(lcd, mode == ModeVol ? "Vol" : "Sql", 0, 7);
            lcd.DrawBar(kBarColumn, 7, frame[mode == ModeVol ? f::VolumeBar : f::SquelchBar]);
            break;
        case ModeMhz: DrawTextAt(lcd, "MHZ", 10, 7); break;
        case ModeKhz: DrawTextAt(lcd, "KHZ", 10, 7); break;
        case ModeChannel: DrawTextAt(lcd, "Channel", 6, 7); break;
        default: break;
    }
}

std::string_view FrameText(Frame frame, int offset) {
    return {reinterpret_cast<const char*>(frame.data() + offset), f::TextSize};
}

void DrawPixelText(Lcd& lcd, std::string_view text, uint8_t x, uint8_t row) {
    lcd.GotoPixel(x, row);
    lcd.DrawText(text);
}

struct ColumnFields {
    uint8_t x;
    int freq, channel, name, type;  // payload offsets
};

void DrawColumn(Lcd& lcd, Frame frame, const ColumnFields& c) {
    const int32_t frequency = ReadLe32(frame.data() + c.freq);
    lcd.Inverse = false;
    lcd.BigFont = true;
    DrawPixelText(lcd, FormatFreq6(frequency), c.x, 1);
    lcd.BigFont = false;
    const char mark = frequency % 50 == 25 ? static_cast<char>(SmallDigitZeroCode) : ' ';
    DrawPixelText(lcd, {&mark, 1}, static_cast<uint8_t>(c.x + 48), 1);
    DrawPixelText(lcd, Center6(FrameText(frame, c.name)), c.x, 3);
    DrawPixelText(lcd, Center6(FrameText(frame, c.type)), c.x, 4);
    char label[8];
    const uint8_t channel = frame[c.channel];
    if (channel == 0)
        std::snprintf(label, sizeof label, "CH--");
    else
        std::snprintf(label, sizeof label, "CH %u", static_cast<unsigned>(channel));
    DrawPixelText(lcd, Center6(label), c.x, 5);
}

}  // namespace

void RenderDisplayMessage(Lcd& lcd, Frame frame) {
    // The clear for a new adjust mode comes before the header: clearing after
    // it would leave the header bar blank until the next message.
    const uint8_t status = frame[f::Status];
    const auto mode = static_cast<uint8_t>(status >> f::AdjustModeShift);
    if (mode != PreviousAdjustMode) lcd.Clear();
    PreviousAdjustMode = mode;
    lcd.GotoText(0, 0);
    lcd.DrawPageRow(HeaderBarImage);
    DrawModeLine(lcd, frame, mode);
    DrawColumn(lcd, frame, {kActiveColumn, f::ActiveFreq, f::ActiveChannel, f::ActiveName, f::ActiveType});
    DrawColumn(lcd, frame, {kStandbyColumn, f::StandbyFreq, f::StandbyChannel, f::StandbyName, f::StandbyType});
    lcd.GotoText(0, 6);
    if (status & f::TransmittingBit) {
        lcd.DrawPageRow(TxBannerImage);
        lcd.DrawLevelBar(frame[f::TxLevel]);
    } else {
        lcd.DrawPageRow(RxBannerImage);
        lcd.DrawLevelBar(frame[f::RxLevel]);
    }
}

void RenderDisplayFrame(Lcd& lcd) { RenderDisplayMessage(lcd, DisplayFrame); }
