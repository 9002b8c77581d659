#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include "display/lcd.h"
#include "gui/shell/key_area.h"
#include "gui/shell/panel_picture.h"
#include "gui/shell/window_zoom.h"
#include "settings/zoom.h"
#include "support/form_fixture.h"

namespace {

class WindowZoomTest : public FormTest {
protected:
    QMenu* ZoomMenu() const { return form->menuBar()->actions().at(0)->menu()->actions().back()->menu(); }  // "&Zoom"
};

// Their places at 100% are checked by the layout's own tests.
TEST_F(WindowZoomTest, At200PercentEveryControlAndFontDoublesAndKeepsWorking) {
    Open();
    const QList<QWidget*> controls = form->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), 16);
    QList<QRect> expected;
    for (QWidget* c : controls) expected << QRect(2 * c->x(), 2 * c->y(), 2 * c->width(), 2 * c->height());
    form->Zoom->Apply(200);
    for (qsizetype i = 0; i < controls.size(); ++i) EXPECT_EQ(controls[i]->geometry(), expected[i]) << i;
    EXPECT_EQ(form->centralWidget()->size(), QSize(1622, 862));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->font().pixelSize(), 18);
    EXPECT_EQ(form->Label1->font().pixelSize(), 24);

    const QPoint inShape6 = form->Shapes[5]->mapTo(form.get(), QPoint(100, 100));  // beyond its 100% size
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, inShape6);
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0x10);
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, {}, inShape6);
}

// Each display pixel is a 2 x 2 block of the picture, shown at 150% and 200%
// as a 3 x 3 and a 4 x 4 block of screen pixels of its colour, never blended,
// in the picture and in the display's window over it, which also shows a
// change made after the zoom.
TEST_F(WindowZoomTest, EveryDisplayPixelIsABlockOfWholeScreenPixelsOfItsColour) {
    Open();
    bool cornerOn = false;
    const auto on = [&](int x, int y) { return x == 0 && y == 0 ? cornerOn : (x * 7 + y * 3) % 5 < 2; };
    for (uint16_t y = 0; y < LcdHeight; ++y)
        for (uint16_t x = 0; x < LcdWidth; ++x) form->Core.Display.Plot(x, y, on(x, y));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form->Image1->DisplayWindow()));
    for (int percent : {150, 200}) {
        form->Zoom->Apply(percent);
        cornerOn = !cornerOn;  // a change after the zoom, shown at the next tick
        form->Core.Display.Plot(0, 0, cornerOn);
        form->Image1->RepaintIfChanged();
        const QImage picture = form->Image1->grab().toImage();
        const QImage screen = form->screen()->grabWindow(form->Image1->DisplayWindow().winId()).toImage();
        const int block = 2 * percent / 100;
        const QPoint origin(Zoomed(LcdPictureLeft, percent), Zoomed(LcdPictureTop, percent));
        int wrong = 0;
        for (int y = 0; y < block * LcdHeight; ++y)
            for (int x = 0; x < block * LcdWidth; ++x) {
                const QRgb want = on(x / block, y / block) ? LcdOnColour : LcdOffColour;
                wrong += (picture.pixel(origin + QPoint(x, y)) & 0xFFFFFF) != want;
                wrong += (screen.pixel(x, y) & 0xFFFFFF) != want;
            }
        EXPECT_EQ(wrong, 0) << percent << "%";
    }
}

// The offscreen screen is 800 pixels wide: even 100% is wider than that, so
// a stored 150% opens at 100% and the larger items are greyed; one chosen all
// the same applies at once and is remembered.
TEST_F(WindowZoomTest, TheZoomOpensOnTheScreenAndTheMenuAppliesAndRemembersIt) {
    dir.Write("RADIO.INI", "[Setup]\nZoom=150\n");
    Open();
    const QRect available = form->screen()->availableGeometry();
    ASSERT_LT(available.width(), 1217);
    EXPECT_EQ(form->Zoom->Percent(), 100);
    EXPECT_EQ(form->frameGeometry().left(), available.left()) << "as much of the window as can be is on the screen";
    QStringList texts;
    for (QAction* item : ZoomMenu()->actions()) texts << item->text();
    EXPECT_EQ(texts, (QStringList{"&100%", "1&50%", "&200%", "&300%", "", "The window changes size at once"}));
    ZoomMenu()->actions().at(2)->trigger();
    EXPECT_EQ(form->centralWidget()->size(), QSize(1622, 862));
    emit ZoomMenu()->aboutToShow();
    EXPECT_TRUE(ZoomMenu()->actions().at(2)->isChecked());
    EXPECT_FALSE(ZoomMenu()->actions().at(1)->isEnabled()) << "150% does not fit";
    form->close();
    EXPECT_EQ(dir.Read("RADIO.INI"), "[Setup]\r\nZoom=200\r\nCommsPort=0\r\nFreqFilename=\r\n");
}

}  // namespace
