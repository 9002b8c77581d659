#include <gtest/gtest.h>

#include "display/lcd.h"
#include "display/lcd_font.h"
#include "support/memory_surface.h"
#include "support/screen_art.h"

namespace {

class LcdTest : public ::testing::Test {
protected:
    AttachedSurface attached;
    MemorySurface& s = attached.surface;

    void DrawTextAt(const char* text, uint8_t column, uint8_t row) {
        LcdGotoText(column, row);
        LcdText = text;
        LcdDrawText();
    }
    // The column bytes actually shown in text row `row`, columns x..x+n-1.
    std::vector<uint8_t> Columns(int x, int row, int n) const {
        std::vector<uint8_t> bytes;
        for (int c = x; c < x + n; ++c) {
            uint8_t b = 0;
            for (int k = 0; k < 8; ++k)
                if (s.On(c, 8 * row + k)) b |= 1 << k;
            bytes.push_back(b);
        }
        return bytes;
    }
};

TEST_F(LcdTest, ClearPaintsTheWholeWindowGreenAndKeepsThePosition) {
    LcdGotoPixel(17, 5);
    LcdClear();
    std::string green;
    for (int y = 0; y < 64; ++y) green += std::string(104, '.') + "\n";
    EXPECT_EQ(ScreenArt(s), green);
    EXPECT_EQ(s.Pixel(63, 115), MemorySurface::BezelColour);
    EXPECT_EQ(s.Pixel(275, 242), LcdOffColour);  // the overhang columns 104 and 105
    EXPECT_EQ(s.Pixel(276, 242), MemorySurface::BezelColour);
    EXPECT_EQ(s.Pixel(275, 243), MemorySurface::BezelColour);
    EXPECT_EQ(LcdX, 17);
    EXPECT_EQ(LcdRow, 5);
}

TEST_F(LcdTest, PlotPaintsTwoByTwoBlocksAndClipsAt106AndRow64) {
    LcdPlot(0, 0, true);
    EXPECT_EQ(s.Pixel(64, 115), LcdOnColour);
    EXPECT_EQ(s.Pixel(65, 116), LcdOnColour);
    LcdPlot(105, 10, true);
    EXPECT_EQ(s.Pixel(64 + 210, 135), LcdOnColour);
    const long calls = s.SetPixelCalls();
    LcdPlot(106, 10, true);
    LcdPlot(3, 64, true);
    EXPECT_EQ(s.SetPixelCalls(), calls);
}

TEST_F(LcdTest, FontMatchesTheDocumentedGlyphs) {
    const uint8_t zero[] = {0x3E, 0x7F, 0x41, 0x41, 0x41, 0x7F, 0x3E, 0x00};
    const uint8_t a[] = {0x7C, 0x7E, 0x13, 0x11, 0x13, 0x7E, 0x7C, 0x00};
    const uint8_t g[] = {0x18, 0xBC, 0xA4, 0xA4, 0x94, 0xFC, 0x7C, 0x00};
    const uint8_t smallNine[] = {0x24, 0x2A, 0x2A, 0x2A, 0x1C, 0x00, 0x00, 0x00};
    EXPECT_TRUE(std::equal(zero, zero + 8, LcdGlyph('0')));
    EXPECT_TRUE(std::equal(a, a + 8, LcdGlyph('A')));
    EXPECT_TRUE(std::equal(g, g + 8, LcdGlyph('g')));
    EXPECT_TRUE(std::equal(smallNine, smallNine + 8, LcdGlyph(147)));
}

TEST_F(LcdTest, CodesWithoutGlyphDrawABlankCell) {
    LcdClear();
    for (int code : {0, 31, 148, 255}) {
        LcdText = std::string(1, static_cast<char>(code));
        LcdGotoText(0, 0);
        LcdDrawText();
        EXPECT_EQ(Columns(0, 0, 8), std::vector<uint8_t>(8, 0)) << code;
        LcdInverse = true;
        LcdGotoText(0, 0);
        LcdDrawText();
        EXPECT_EQ(Columns(0, 0, 8), std::vector<uint8_t>(8, 0xFF)) << code;
        LcdInverse = false;
    }
}

TEST_F(LcdTest, TextRowOverflowDrawsColumns104And105ThenNothing) {
    LcdClear();
    DrawTextAt("MMMMMMMMMMMMM", 0, 0);
    EXPECT_EQ(LcdX, 104);
    EXPECT_EQ(Columns(96, 0, 8), std::vector<uint8_t>(LcdGlyph('M'), LcdGlyph('M') + 8));
    DrawTextAt("MMMMMMMMMMMMMM", 0, 1);
    EXPECT_EQ(LcdX, 112);
    EXPECT_TRUE(s.On(104, 8 + 1));  // first two columns of the 14th M
    EXPECT_TRUE(s.On(105, 8 + 1));
    DrawTextAt("MMMMMMMMMMMMMMMMMMM", 0, 2);
    EXPECT_EQ(LcdX, 120);
    LcdClear();  // the overhang does not outlive a clear
    EXPECT_FALSE(s.On(104, 8 + 1));
    EXPECT_EQ(s.DisplayPixel(105, 8 + 1), LcdOffColour);
}

TEST_F(LcdTest, BigFontCoversTwoTextRows) {
    LcdClear();
    LcdBigFont = true;
    DrawTextAt("!", 0, 2);
    EXPECT_EQ(LcdX, 8);
    // "!" has columns 3 and 4 = 5F: rows 0..4 and 6 on, each doubled.
    for (int k = 0; k < 8; ++k) {
        const bool on = (0x5F >> k) & 1;
        EXPECT_EQ(s.On(3, 16 + 2 * k), on) << k;
        EXPECT_EQ(s.On(3, 16 + 2 * k + 1), on) << k;
    }
}

TEST_F(LcdTest, InverseSpaceIsASolidCell) {
    LcdClear();
    LcdInverse = true;
    DrawTextAt(" ", 2, 4);
    EXPECT_EQ(Columns(16, 4, 8), std::vector<uint8_t>(8, 0xFF));
}

TEST_F(LcdTest, BarShowsValueColumnsTicksAndRestoresPosition) {
    struct Case {
        uint16_t value;
        std::vector<uint8_t> cells;  // 40 column bytes expected
    };
    auto cellsFor = [](uint16_t v) {
        std::vector<uint8_t> bytes;
        bool ended = false;
        for (int i = 0; i < 4; ++i) {
            const bool partial = v < 8 * (i + 1);
            const int r = partial ? v % 8 : 7;
            for (int c = 0; c < 8; ++c) bytes.push_back(c <= (ended ? 0 : r) ? 0x7E : 0x42);
            if (partial) ended = true;
        }
        bytes.push_back(0x7E);
        for (int c = 1; c < 8; ++c) bytes.push_back(0);
        return bytes;
    };
    for (uint16_t value : {0, 9, 40, 63}) {
        LcdClear();
        LcdGotoPixel(3, 2);
        LcdDrawBar(28, 7, value);
        EXPECT_EQ(LcdX, 3);
        EXPECT_EQ(LcdRow, 2);
        EXPECT_EQ(Columns(28, 7, 40), cellsFor(value)) << value;
    }
    // Value 0: one filled column and the left stroke of each further cell.
    LcdClear();
    LcdDrawBar(0, 0, 0);
    EXPECT_EQ(Columns(0, 0, 9), (std::vector<uint8_t>{0x7E, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x7E}));
    // Value 9: first cell full, two filled columns in the second.
    LcdDrawBar(0, 1, 9);
    EXPECT_EQ(Columns(8, 1, 3), (std::vector<uint8_t>{0x7E, 0x7E, 0x42}));
}

TEST_F(LcdTest, LevelBarLightsValueColumnsAndKeepsTicks) {
    for (uint16_t value : {0, 9, 40, 63}) {
        LcdClear();
        LcdGotoText(3, 6);
        LcdDrawLevelBar(value);
        EXPECT_EQ(LcdX, 76);
        EXPECT_EQ(LcdRow, 6);
        const auto bytes = Columns(20, 6, 64);
        for (int c = 0; c < 64; ++c) {
            // Ticks survive only in the empty cells after the partial one.
            const bool light = c <= value || (c / 8 > value / 8 && c % 9 == 0);
            EXPECT_EQ(bytes[c], light ? 0x81 : 0xBD) << "value " << value << " column " << 20 + c;
        }
    }
}

TEST_F(LcdTest, PageRowIgnoresLcdX) {
    uint8_t image[104];
    for (int i = 0; i < 104; ++i) image[i] = static_cast<uint8_t>(i);
    LcdClear();
    LcdGotoPixel(40, 5);
    LcdDrawPageRow(image);
    EXPECT_EQ(Columns(0, 5, 104), std::vector<uint8_t>(image, image + 104));
    EXPECT_EQ(LcdX, 40);
}

TEST_F(LcdTest, IconsAndStripsPlaceTheirBandsAndLeaveThePosition) {
    uint8_t icon[72];
    for (int i = 0; i < 72; ++i) icon[i] = static_cast<uint8_t>(i + 1);
    LcdClear();
    LcdDrawIcon24(16, 2, icon);
    EXPECT_EQ(LcdX, 16);
    EXPECT_EQ(LcdRow, 4);
    EXPECT_EQ(Columns(16, 2, 24), std::vector<uint8_t>(icon, icon + 24));
    EXPECT_EQ(Columns(16, 4, 24), std::vector<uint8_t>(icon + 48, icon + 72));

    LcdDrawIcon10(icon, 4);
    EXPECT_EQ(LcdX, 94);
    EXPECT_EQ(LcdRow, 6);
    EXPECT_EQ(Columns(94, 5, 10), std::vector<uint8_t>(icon + 10, icon + 20));

    const uint8_t* cursor = icon;
    LcdGotoPixel(0, 0);
    LcdDrawStrip24(cursor);
    EXPECT_EQ(cursor, icon + 24);
    LcdDrawStrip24At(icon + 24, 50, 1);
    EXPECT_EQ(LcdX, 50);
    EXPECT_EQ(Columns(50, 1, 24), std::vector<uint8_t>(icon + 24, icon + 48));
}

// Found by fuzzing LcdDrawText: a drawing position near the top of its 16-bit
// range wrapped around and painted at the left edge or the top row. Such a
// position lies past the display and draws nothing; the advance still stops
// at 120.
TEST_F(LcdTest, PositionsAtTheTopOfTheirRangeDrawNothingInsteadOfWrapping) {
    const struct {
        uint16_t x, row;
        bool big, inverse;
        uint16_t xAfter;
    } places[] = {{0xFFFF, 0xFFFF, true, true, 120},
                  {65530, 0, false, true, 120},
                  {0, 8192, false, true, 48},
                  {0, 4096, true, false, 48}};
    for (const auto& place : places) {
        s.Reset();
        LcdX = place.x;
        LcdRow = place.row;
        LcdBigFont = place.big;
        LcdInverse = place.inverse;
        LcdText = "\xff\xff\xff.0\xee";
        LcdDrawText();
        EXPECT_EQ(s.SetPixelCalls(), 0) << place.x << "," << place.row;
        EXPECT_EQ(LcdX, place.xAfter) << place.x << "," << place.row;
    }
    LcdGotoPixel(0, 0);
    LcdX = 65534;
    LcdDrawTile(BarEndGlyph.data());
    EXPECT_EQ(s.SetPixelCalls(), 0);
}

}  // namespace
