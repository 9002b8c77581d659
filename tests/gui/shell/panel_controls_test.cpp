#include <QTest>

#include "gui/shell/key_area.h"
#include "gui/shell/panel_picture.h"
#include "gui/shell/ptt_button.h"
#include "support/form_fixture.h"

namespace {

// Mouse input goes through the window as the platform delivers it, so the
// toolkit's mouse capture decides which control gets the release.
class PanelControlsTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Open();
        window = form->windowHandle();
        ASSERT_NE(window, nullptr);
    }
    QPoint CentreOf(QWidget* w) const { return w->mapTo(form.get(), w->rect().center()); }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(window, button, {}, at); }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(window, button, {}, at); }
    void MoveTo(QPoint at) { QTest::mouseMove(window, at); }

    QWindow* window = nullptr;
};

TEST_F(PanelControlsTest, EachKeyAreaHoldsItsOwnBitWhilePressed) {
    const uint8_t bits[] = {0x01, 0x02, 0x04, 0x08, 0x20, 0x10};  // Shape1..Shape6
    for (std::size_t i = 0; i < form->Shapes.size(); ++i) {
        const QPoint centre = CentreOf(form->Shapes[i]);
        Press(centre);
        EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, bits[i]) << "Shape" << i + 1;
        Release(centre);
        EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0) << "Shape" << i + 1;
    }
}

TEST_F(PanelControlsTest, ReleasingOutsideTheAreaStillClearsItsBit) {
    Press(CentreOf(form->Shapes[0]));
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0x01);
    MoveTo(CentreOf(form->Shapes[1]));
    MoveTo(CentreOf(form->Memo1));
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0x01);
    Release(CentreOf(form->Shapes[1]));
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0);
}

TEST_F(PanelControlsTest, AnyMouseButtonWorksOnTheKeyAreas) {
    Press(CentreOf(form->Shapes[4]), Qt::RightButton);
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0x20);
    Release(CentreOf(form->Label4), Qt::RightButton);
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0);
}

TEST_F(PanelControlsTest, KeyAreaReleaseClearsOnlyItsOwnBit) {
    form->Core.Emulator.Inputs.KeyDown = 0x08;
    Press(CentreOf(form->Shapes[1]));
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0x0A);
    Release(CentreOf(form->Shapes[1]));
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0x08);
}

TEST_F(PanelControlsTest, PttButtonsHoldTheirByteFromPressToRelease) {
    Press(CentreOf(form->Button1));
    EXPECT_EQ(form->Core.Emulator.Inputs.PttPilot, 1);
    EXPECT_EQ(form->Core.Emulator.Inputs.PttPax, 0);
    Release(CentreOf(form->Button1));
    EXPECT_EQ(form->Core.Emulator.Inputs.PttPilot, 0);

    Press(CentreOf(form->Button2));
    EXPECT_EQ(form->Core.Emulator.Inputs.PttPax, 1);
    EXPECT_EQ(form->Core.Emulator.Inputs.PttPilot, 0);
    MoveTo(CentreOf(form->Image1));
    Release(CentreOf(form->Image1));
    EXPECT_EQ(form->Core.Emulator.Inputs.PttPax, 0);
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0);
}

// Every press must be matched by its release, or the transmitter would stay
// keyed: also for a mouse button the push button itself does not react to.
TEST_F(PanelControlsTest, ARightButtonPttPressIsMatchedByItsRelease) {
    Press(CentreOf(form->Button1), Qt::RightButton);
    EXPECT_EQ(form->Core.Emulator.Inputs.PttPilot, 1);
    Release(CentreOf(form->Memo1), Qt::RightButton);
    EXPECT_EQ(form->Core.Emulator.Inputs.PttPilot, 0);
}

TEST_F(PanelControlsTest, AClickOnAPttButtonDoesNotTransmit) {
    bool pttSeen = false;
    QObject::connect(form->Button1, &QPushButton::pressed,
                     [&] { pttSeen = pttSeen || form->Core.Emulator.Inputs.PttPilot; });
    form->Button1->click();
    EXPECT_FALSE(pttSeen);
    EXPECT_EQ(form->Core.Emulator.Inputs.PttPilot, 0);
}

TEST_F(PanelControlsTest, TrackClicksAndPageKeysMoveASliderATenthHomeAndEndToTheEnds) {
    QScrollBar* slider = form->ScrollBar1;
    Press(CentreOf(slider));  // the track above the handle, which starts at the bottom
    Release(CentreOf(slider));
    QList<int> values{slider->value()};
    for (Qt::Key key :
         {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_End, Qt::Key_PageDown}) {
        QTest::keyClick(slider, key);
        values << slider->value();
    }
    EXPECT_EQ(values, (QList<int>{334, 297, 334, 0, 37, 371, 371}));
    EXPECT_EQ(slider->pageStep(), 0) << "the handle keeps its length";
}

// The buttons are disabled before the mouse is released: their records are
// released with them, or the emulator would transmit once back offline.
TEST_F(PanelControlsTest, APttHeldWhileARadioComesOnlineIsReleased) {
    for (PttButton* button : {form->Button1, form->Button2}) {
        Press(CentreOf(button));
        form->Core.Mode.EnterOnlineMode();
        Release(CentreOf(button));
        form->Core.Mode.EnterOfflineMode();
        EXPECT_EQ(form->Core.Emulator.Inputs.PttPilot, 0);
        EXPECT_EQ(form->Core.Emulator.Inputs.PttPax, 0);
    }
}

TEST_F(PanelControlsTest, KeyAreasStayActiveOnline) {
    form->Core.Mode.EnterOnlineMode();
    Press(CentreOf(form->Shapes[2]));
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0x04);
    Release(CentreOf(form->Shapes[2]));
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0);
    Press(CentreOf(form->Button2));
    Release(CentreOf(form->Button2));
    EXPECT_EQ(form->Core.Emulator.Inputs.PttPax, 0);
    EXPECT_FALSE(form->Button2->isEnabled());
}

}  // namespace
