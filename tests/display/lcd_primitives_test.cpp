#include <gtest/gtest.h>

#include <array>

#include "display/lcd.h"
#include "display/lcd_font.h"
#include "support/screen_art.h"

namespace {

class LcdTest : public ::testing::Test {
protected:
    LcdFrame s;
    Lcd lcd{s};

    void DrawTextAt(const char* text, uint8_t column, uint8_t row) {
        lcd.GotoText(column, row);
        lcd.DrawText(text);
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

TEST_F(LcdTest, ClearUnlightsTheWholeFrameWithItsExtraColumnsAndKeepsThePosition) {
    for (uint16_t y = 0; y < LcdHeight; y += 9) lcd.Plot(y, y, true);
    lcd.Plot(105, 63, true);
    lcd.GotoPixel(17, 5);
    lcd.Clear();
    std::string green;
    for (int y = 0; y < 64; ++y) green += std::string(106, '.') + "\n";
    EXPECT_EQ(ScreenArt(s, true), green);
    EXPECT_EQ(lcd.X, 17);
    EXPECT_EQ(lcd.Row, 5);
}

TEST_F(LcdTest, PlotSetsFramePixelsAndClipsAt106AndRow64) {
    lcd.Plot(0, 0, true);
    EXPECT_TRUE(s.On(0, 0));
    lcd.Plot(105, 10, true);
    EXPECT_TRUE(s.On(105, 10));
    const uint64_t revision = s.Revision();
    lcd.Plot(106, 10, true);
    lcd.Plot(3, 64, true);
    EXPECT_EQ(s.Revision(), revision);
}

// Views repaint only what changed: drawing what is shown changes nothing, and
// a text marks exactly the pixels it changed.
TEST_F(LcdTest, TheDirtyRectangleHoldsJustThePixelsThatChanged) {
    for (const bool inverse : {false, true}) {
        LcdFrame frame;
        Lcd text(frame);
        text.Plot(7, 9, false);
        EXPECT_EQ(frame.Revision(), 0u);
        EXPECT_TRUE(frame.TakeDirty().Empty());
        text.Inverse = inverse;
        text.GotoPixel(19, 3);
        text.DrawText("/i");
        PixelRect lit;
        for (int y = 0; y < LcdFrame::Height; ++y)
            for (int x = 0; x < LcdFrame::Width; ++x)
                if (frame.On(x, y)) lit.Include(x, y);
        const PixelRect dirty = frame.TakeDirty();
        EXPECT_EQ((std::array{dirty.left, dirty.top, dirty.right, dirty.bottom}),
                  (std::array{lit.left, lit.top, lit.right, lit.bottom}))
            << inverse;
        const uint64_t revision = frame.Revision();
        text.GotoPixel(19, 3);
        text.DrawText("/i");
        EXPECT_EQ(frame.Revision(), revision);
        EXPECT_TRUE(frame.TakeDirty().Empty());
    }
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
    lcd.Clear();
    for (int code : {0, 31, 148, 255}) {
        const std::string text(1, static_cast<char>(code));
        lcd.GotoText(0, 0);
        lcd.DrawText(text);
        EXPECT_EQ(Columns(0, 0, 8), std::vector<uint8_t>(8, 0)) << code;
        lcd.Inverse = true;
        lcd.GotoText(0, 0);
        lcd.DrawText(text);
        EXPECT_EQ(Columns(0, 0, 8), std::vector<uint8_t>(8, 0xFF)) << code;
        lcd.Inverse = false;
    }
}

TEST_F(LcdTest, TextRowOverflowDrawsColumns104And105ThenNothing) {
    lcd.Clear();
    DrawTextAt("MMMMMMMMMMMMM", 0, 0);
    EXPECT_EQ(lcd.X, 104);
    EXPECT_EQ(Columns(96, 0, 8), std::vector<uint8_t>(LcdGlyph('M'), LcdGlyph('M') + 8));
    DrawTextAt("MMMMMMMMMMMMMM", 0, 1);
    EXPECT_EQ(lcd.X, 112);
    EXPECT_TRUE(s.On(104, 8 + 1));  // first two columns of the 14th M
    EXPECT_TRUE(s.On(105, 8 + 1));
    DrawTextAt("MMMMMMMMMMMMMMMMMMM", 0, 2);
    EXPECT_EQ(lcd.X, 120);
    lcd.Clear();  // the overhang does not outlive a clear
    EXPECT_FALSE(s.On(104, 8 + 1));
    EXPECT_FALSE(s.On(105, 8 + 1));
}

TEST_F(LcdTest, BigFontCoversTwoTextRows) {
    lcd.Clear();
    lcd.BigFont = true;
    DrawTextAt("!", 0, 2);
    EXPECT_EQ(lcd.X, 8);
    // "!" has columns 3 and 4 = 5F: rows 0..4 and 6 on, each doubled.
    for (int k = 0; k < 8; ++k) {
        const bool on = (0x5F >> k) & 1;
        EXPECT_EQ(s.On(3, 16 + 2 * k), on) << k;
        EXPECT_EQ(s.On(3, 16 + 2 * k + 1), on) << k;
    }
}

TEST_F(LcdTest, InverseSpaceIsASolidCell) {
    lcd.Clear();
    lcd.Inverse = true;
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
        lcd.Clear();
        lcd.GotoPixel(3, 2);
        lcd.DrawBar(28, 7, value);
        EXPECT_EQ(lcd.X, 3);
        EXPECT_EQ(lcd.Row, 2);
        EXPECT_EQ(Columns(28, 7, 40), cellsFor(value)) << value;
    }
    // Value 0: one filled column and the left stroke of each further cell.
    lcd.Clear();
    lcd.DrawBar(0, 0, 0);
    EXPECT_EQ(Columns(0, 0, 9), (std::vector<uint8_t>{0x7E, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x7E}));
    // Value 9: first cell full, two filled columns in the second.
    lcd.DrawBar(0, 1, 9);
    EXPECT_EQ(Columns(8, 1, 3), (std::vector<uint8_t>{0x7E, 0x7E, 0x42}));
}

TEST_F(LcdTest, LevelBarLightsValueColumnsAndKeepsTicks) {
    for (uint16_t value : {0, 9, 40, 63}) {
        lcd.Clear();
        lcd.GotoText(3, 6);
        lcd.DrawLevelBar(value);
        EXPECT_EQ(lcd.X, 76);
        EXPECT_EQ(lcd.Row, 6);
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
    lcd.Clear();
    lcd.GotoPixel(40, 5);
    lcd.DrawPageRow(image);
    EXPECT_EQ(Columns(0, 5, 104), std::vector<uint8_t>(image, image + 104));
    EXPECT_EQ(lcd.X, 40);
}

TEST_F(LcdTest, IconsAndStripsPlaceTheirBandsAndLeaveThePosition) {
    uint8_t icon[72];
    for (int i = 0; i < 72; ++i) icon[i] = static_cast<uint8_t>(i + 1);
    lcd.Clear();
    lcd.DrawIcon24(16, 2, icon);
    EXPECT_EQ(lcd.X, 16);
    EXPECT_EQ(lcd.Row, 4);
    EXPECT_EQ(Columns(16, 2, 24), std::vector<uint8_t>(icon, icon + 24));
    EXPECT_EQ(Columns(16, 4, 24), std::vector<uint8_t>(icon + 48, icon + 72));

    lcd.DrawIcon10(icon, 4);
    EXPECT_EQ(lcd.X, 94);
    EXPECT_EQ(lcd.Row, 6);
    EXPECT_EQ(Columns(94, 5, 10), std::vector<uint8_t>(icon + 10, icon + 20));

    const uint8_t* cursor = icon;
    lcd.GotoPixel(0, 0);
    lcd.DrawStrip24(cursor);
    EXPECT_EQ(cursor, icon + 24);
    lcd.DrawStrip24At(icon + 24, 50, 1);
    EXPECT_EQ(lcd.X, 50);
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
        s = LcdFrame{};
        lcd.X = place.x;
        lcd.Row = place.row;
        lcd.BigFont = place.big;
        lcd.Inverse = place.inverse;
        lcd.DrawText("\xff\xff\xff.0\xee");
        EXPECT_EQ(s.Revision(), 0u) << place.x << "," << place.row;
        EXPECT_EQ(lcd.X, place.xAfter) << place.x << "," << place.row;
    }
    lcd.GotoPixel(0, 0);
    lcd.X = 65534;
    lcd.DrawTile(BarEndGlyph.data());
    EXPECT_EQ(s.Revision(), 0u);
}

}  // namespace
