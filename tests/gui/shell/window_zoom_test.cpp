#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include "display/lcd.h"
#include "gui/shell/key_area.h"
#include "gui/shell/panel_picture.h"
#include "gui/shell/ptt_button.h"
#include "gui/shell/window_placement.h"
#include "gui/shell/window_zoom.h"
#include "support/form_fixture.h"

namespace {

class WindowZoomTest : public FormTest {
protected:
    QMenu* ZoomMenu() const { return form->menuBar()->actions().at(0)->menu()->actions().at(1)->menu(); }
    QRect Doubled(const QRect& r) const { return {2 * r.x(), 2 * r.y(), 2 * r.width(), 2 * r.height()}; }
};

TEST_F(WindowZoomTest, At200PercentEveryControlAndFontDoublesAndKeepsWorking) {
    Open();
    form->ScrollBar2->setValue(100);
    form->Zoom->Apply(200);
    const struct {
        const char* name;
        QWidget* widget;
        QRect geometry;  // at 100%
    } controls[] = {
        {"Image1", form->Image1, {16, 16, 388, 390}},         {"Shape1", form->Shapes[0], {126, 64, 57, 57}},
        {"Shape2", form->Shapes[1], {238, 64, 57, 57}},       {"Shape3", form->Shapes[2], {299, 128, 57, 57}},
        {"Shape4", form->Shapes[3], {300, 206, 57, 57}},      {"Shape5", form->Shapes[4], {128, 280, 57, 57}},
        {"Shape6", form->Shapes[5], {240, 279, 57, 57}},      {"Label1", form->Label1, {8, 0, 409, 16}},
        {"Label2", form->Label2, {416, 16, 65, 33}},          {"Label3", form->Label3, {496, 16, 73, 33}},
        {"Label4", form->Label4, {64, 408, 288, 13}},         {"ScrollBar1", form->ScrollBar1, {440, 56, 17, 121}},
        {"ScrollBar2", form->ScrollBar2, {520, 56, 17, 121}}, {"Button1", form->Button1, {456, 200, 65, 49}},
        {"Button2", form->Button2, {456, 264, 65, 49}},       {"Memo1", form->Memo1, {576, 8, 225, 409}},
    };
    for (const auto& c : controls) EXPECT_EQ(c.widget->geometry(), Doubled(c.geometry)) << c.name;
    EXPECT_EQ(form->centralWidget()->size(), QSize(1622, 862));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->size(), form->minimumSize());
    EXPECT_EQ(form->font().pixelSize(), 18);
    EXPECT_EQ(form->Label1->font().pixelSize(), 24);
    EXPECT_EQ(form->ScrollBar2->value(), 100);
    EXPECT_EQ(form->ScrollBar2->maximum(), 371);

    // The enlarged controls still take the mouse where they are shown.
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, form->Shapes[5]->mapTo(form.get(), QPoint(100, 100)));
    EXPECT_EQ(PanelInputs.KeyDown, 0x10);
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, form->Shapes[5]->mapTo(form.get(), QPoint(5, 5)));
    EXPECT_EQ(PanelInputs.KeyDown, 0);
}

// Each display pixel is a 2 x 2 block of the picture, shown at 200% as a
// 4 x 4 block of screen pixels of one colour, none blended with its neighbours.
TEST_F(WindowZoomTest, At200PercentEveryDisplayPixelIsA4By4BlockOfItsColour) {
    Open();
    form->Zoom->Apply(200);
    const auto on = [](int x, int y) { return (x * 7 + y * 3) % 5 < 2; };
    for (uint16_t y = 0; y < LcdHeight; ++y)
        for (uint16_t x = 0; x < LcdWidth; ++x) LcdPlot(x, y, on(x, y));
    const QImage shown = form->Image1->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(776, 780));
    int wrong = 0;
    for (int y = 0; y < LcdHeight; ++y)
        for (int x = 0; x < LcdWidth; ++x)
            for (int dy = 0; dy < 4; ++dy)
                for (int dx = 0; dx < 4; ++dx) {
                    const QRgb pixel = shown.pixel(2 * (LcdPictureLeft + 2 * x) + dx, 2 * (LcdPictureTop + 2 * y) + dy);
                    wrong += (pixel & 0xFFFFFF) != (on(x, y) ? LcdOnColour : LcdOffColour);
                }
    EXPECT_EQ(wrong, 0);
}

TEST_F(WindowZoomTest, TheZoomMenuAppliesAtOnceAndRadioIniRemembersTheChoice) {
    Open();
    QMenu* menu = ZoomMenu();
    QStringList texts;
    for (QAction* item : menu->actions()) texts << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(texts, (QStringList{"&100%", "1&50%", "&200%", "&300%", "-", "The window changes size at once"}));
    menu->actions().at(2)->trigger();
    EXPECT_EQ(form->Zoom->Percent(), 200);
    EXPECT_EQ(form->centralWidget()->size(), QSize(1622, 862));
    emit menu->aboutToShow();
    EXPECT_TRUE(menu->actions().at(2)->isChecked());
    form->close();
    EXPECT_EQ(dir.Read("RADIO.INI"), "[Setup]\r\nCommsPort=0\r\nFreqFilename=\r\nZoom=200\r\n");
}

// The offscreen screen is 800 pixels wide: even 100% is wider than that.
TEST_F(WindowZoomTest, AStoredZoomTooLargeForTheScreenOpensAtOneThatFits) {
    dir.Write("RADIO.INI", "[Setup]\nZoom=150\n");
    Open();
    const QRect available = form->screen()->availableGeometry();
    ASSERT_LT(available.width(), 1217);
    EXPECT_EQ(form->Zoom->Percent(), 100);
    EXPECT_EQ(form->frameGeometry().left(), available.left()) << "as much of the window as can be is on the screen";
    EXPECT_LE(form->frameGeometry().bottom(), available.bottom());
    emit ZoomMenu()->aboutToShow();
    for (QAction* item : ZoomMenu()->actions().mid(1, 3)) EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
}

TEST(WindowPlacementTest, AFrameIsMovedAsLittleAsPossibleToLieOnTheScreen) {
    const QRect screen(0, 0, 1920, 1200);
    const struct {
        QRect frame;
        QPoint expected;
    } rows[] = {
        {{291, 180, 827, 491}, {291, 180}},    {{291, 180, 1638, 934}, {282, 180}}, {{-50, -20, 827, 491}, {0, 0}},
        {{1500, 1000, 827, 491}, {1093, 709}}, {{291, 180, 2449, 1352}, {0, 0}},
    };
    for (const auto& row : rows) EXPECT_EQ(PositionInside(row.frame, screen), row.expected) << row.frame.x();
    EXPECT_EQ(PositionInside({10, 10, 100, 100}, {1920, 0, 1280, 1024}), QPoint(1920, 10)) << "a second screen";
}

}  // namespace
