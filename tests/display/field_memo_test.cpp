#include <gtest/gtest.h>

#include <functional>

#include "display/lcd.h"
#include "support/scratch_display.h"
#include "support/screen_art.h"

namespace {

constexpr uint8_t kField = 3;

// A field of two big characters in bands 2 and 3, drawn from its text.
void DrawField(Lcd& lcd, const char* text) {
    lcd.BigFont = true;
    lcd.GotoText(1, 2);
    lcd.DrawText(text);
}

// Returns whether the memo let the field be drawn.
bool DrawMemoField(Lcd& lcd, const char* text) {
    if (!lcd.BeginField(kField, FieldInputs().Add(text))) return false;
    DrawField(lcd, text);
    lcd.EndField();
    return true;
}

// Whatever happens between two drawings of the field, the frame ends as if
// the field had been drawn both times; the second drawing is skipped only
// when nothing it covers changed.
TEST(FieldMemoTest, AFieldIsSkippedOnlyWhileItsRowsAndInputsAreAsItLeftThem) {
    const struct {
        const char* what;
        std::function<void(Lcd&)> between;
        const char* secondText;
        bool drawnAgain;
    } cases[] = {
        {"nothing", [](Lcd&) {}, "AB", false},
        {"other inputs", [](Lcd&) {}, "AC", true},
        {"a clear", [](Lcd& lcd) { lcd.Clear(); }, "AB", true},
        {"text beside it in its lower band",
         [](Lcd& lcd) {
             lcd.BigFont = false;
             lcd.GotoText(10, 3);
             lcd.DrawText("x");
         },
         "AB", true},
        {"text in another band",
         [](Lcd& lcd) {
             lcd.BigFont = false;
             lcd.GotoText(0, 6);
             lcd.DrawText("x");
         },
         "AB", false},
        {"another style to start from", [](Lcd& lcd) { lcd.Inverse = true; }, "AB", true},
    };
    for (const auto& c : cases) {
        ScratchDisplay memo;
        ScratchDisplay plain;
        DrawMemoField(memo.lcd, "AB");
        DrawField(plain.lcd, "AB");
        for (Lcd* lcd : {&memo.lcd, &plain.lcd}) {
            c.between(*lcd);
            lcd->GotoText(0, 0);
            lcd->BigFont = false;
        }
        EXPECT_EQ(DrawMemoField(memo.lcd, c.secondText), c.drawnAgain) << c.what;
        DrawField(plain.lcd, c.secondText);
        EXPECT_TRUE(SameArt(ScreenArt(memo.frame), ScreenArt(plain.frame))) << c.what;
        EXPECT_EQ(memo.lcd.X, plain.lcd.X) << c.what;
        EXPECT_EQ(memo.lcd.Row, plain.lcd.Row) << c.what;
        EXPECT_EQ(memo.lcd.BigFont, plain.lcd.BigFont) << c.what;
    }
}

}  // namespace
