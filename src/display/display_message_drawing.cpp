#include "display/display_message_drawing.h"

#include <cstdio>
#include <string_view>

#include "message/display_message.h"
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

void DrawTextAt(std::string_view text, uint8_t column, uint8_t row) {
    LcdGotoText(column, row);
    LcdText = text;
    LcdDrawText();
}

using Frame = std::span<const uint8_t, DisplayFrameSize>;

void DrawModeLine(Frame frame, uint8_t mode) {
    switch (mode) {
        case ModeVol:
        case ModeSql:
            DrawTextAt(mode == ModeVol ? "Vol" : "Sql", 0, 7);
            LcdDrawBar(kBarColumn, 7, frame[mode == ModeVol ? f::VolumeBar : f::SquelchBar]);
            break;
        case ModeMhz: DrawTextAt("MHZ", 10, 7); break;
        case ModeKhz: DrawTextAt("KHZ", 10, 7); break;
        case ModeChannel: DrawTextAt("Channel", 6, 7); break;
        default: break;
    }
}

std::string_view FrameText(Frame frame, int offset) {
    return {reinterpret_cast<const char*>(frame.data() + offset), f::TextSize};
}

void DrawPixelText(std::string_view text, uint8_t x, uint8_t row) {
    LcdText = text;
    LcdGotoPixel(x, row);
    LcdDrawText();
}

struct ColumnFields {
    uint8_t x;
    int freq, channel, name, type;  // payload offsets
};

void DrawColumn(Frame frame, const ColumnFields& c) {
    const int32_t frequency = ReadLe32(frame.data() + c.freq);
    LcdInverse = false;
    LcdBigFont = true;
    DrawPixelText(FormatFreq6(frequency), c.x, 1);
    LcdBigFont = false;
    const char mark = frequency % 50 == 25 ? static_cast<char>(SmallDigitZeroCode) : ' ';
    DrawPixelText({&mark, 1}, static_cast<uint8_t>(c.x + 48), 1);
    DrawPixelText(Center6(FrameText(frame, c.name)), c.x, 3);
    DrawPixelText(Center6(FrameText(frame, c.type)), c.x, 4);
    char label[8];
    const uint8_t channel = frame[c.channel];
    if (channel == 0)
        std::snprintf(label, sizeof label, "CH--");
    else
        std::snprintf(label, sizeof label, "CH %u", static_cast<unsigned>(channel));
    DrawPixelText(Center6(label), c.x, 5);
}

}  // namespace

void RenderDisplayMessage(Frame frame) {
    // The clear for a new adjust mode comes before the header: clearing after
    // it would leave the header bar blank until the next message.
    const uint8_t status = frame[f::Status];
    const auto mode = static_cast<uint8_t>(status >> f::AdjustModeShift);
    if (mode != PreviousAdjustMode) LcdClear();
    PreviousAdjustMode = mode;
    LcdGotoText(0, 0);
    LcdDrawPageRow(HeaderBarImage);
    DrawModeLine(frame, mode);
    DrawColumn(frame, {kActiveColumn, f::ActiveFreq, f::ActiveChannel, f::ActiveName, f::ActiveType});
    DrawColumn(frame, {kStandbyColumn, f::StandbyFreq, f::StandbyChannel, f::StandbyName, f::StandbyType});
    LcdGotoText(0, 6);
    if (status & f::TransmittingBit) {
        LcdDrawPageRow(TxBannerImage);
        LcdDrawLevelBar(frame[f::TxLevel]);
    } else {
        LcdDrawPageRow(RxBannerImage);
        LcdDrawLevelBar(frame[f::RxLevel]);
    }
}

void RenderDisplayFrame() { RenderDisplayMessage(DisplayFrame); }
