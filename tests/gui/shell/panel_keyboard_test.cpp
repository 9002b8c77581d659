#include <QApplication>
#include <QDialog>
#include <QTest>
#include <array>

#include "gui/shell/key_area.h"
#include "gui/shell/ptt_button.h"
#include "support/form_fixture.h"
#include "support/process_events.h"

namespace {

class PanelKeyboardTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Open();
        Activate(form.get());
    }
    static void Activate(QWidget* window) {
        window->activateWindow();
        ASSERT_TRUE(ProcessEventsUntil([&] { return QApplication::activeWindow() == window; }));
    }
    // KeyDown, PttPilot, PttPax
    std::array<int, 3> Inputs() const {
        return {form->Core.Emulator.Inputs.KeyDown, form->Core.Emulator.Inputs.PttPilot,
                form->Core.Emulator.Inputs.PttPax};
    }
    // As the platform delivers keys: to the window, which passes them to the focused control.
    void Key(bool press, int key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false,
             QWidget* to = nullptr) {
        QTest::simulateEvent((to ? to : form.get())->windowHandle(), press, key, modifiers, {}, autoRepeat);
    }
};

TEST_F(PanelKeyboardTest, EachKeyHoldsItsPanelKeyWhicheverControlHasFocus) {
    const struct {
        Qt::Key key;
        uint8_t bit;
        const char* toolTip;  // of Shape1..Shape6 in this order
    } rows[] = {
        {Qt::Key_M, 0x01, "MENU (keyboard: M)"},       {Qt::Key_A, 0x02, "ACTIVE (keyboard: A)"},
        {Qt::Key_Up, 0x04, "UP (keyboard: Up arrow)"}, {Qt::Key_Down, 0x08, "DOWN (keyboard: Down arrow)"},
        {Qt::Key_V, 0x20, "VOL/SQ (keyboard: V)"},     {Qt::Key_C, 0x10, "MHz/KHz/CH (keyboard: C)"},
    };
    form->ScrollBar1->setValue(200);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(form->Shapes[i]->toolTip(), rows[i].toolTip);
        for (QWidget* focus : std::initializer_list<QWidget*>{form->ScrollBar1, form->Button1, form->Memo1}) {
            focus->setFocus();
            for (Qt::KeyboardModifiers caseShift : {Qt::NoModifier, Qt::ShiftModifier}) {
                Key(true, rows[i].key, caseShift);
                EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, rows[i].bit)
                    << rows[i].toolTip << " on " << focus->metaObject()->className();
                Key(false, rows[i].key);
                EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0) << rows[i].toolTip;
            }
        }
    }
    EXPECT_EQ(form->ScrollBar1->value(), 200) << "a focused slider does not move on Up and Down";
}

// The firmware repeats a held key by itself: the keyboard's repeats (release
// and press again, both marked) must not make new presses.
TEST_F(PanelKeyboardTest, AutoRepeatAndKeysWithCtrlOrAltMakeNoPresses) {
    Key(true, Qt::Key_M, Qt::ControlModifier);
    Key(true, Qt::Key_Space, Qt::AltModifier);
    Key(true, Qt::Key_Up, {}, true);
    EXPECT_EQ(Inputs(), (std::array{0, 0, 0}));
    Key(true, Qt::Key_Up);
    for (bool press : {false, true, false, true}) {
        Key(press, Qt::Key_Up, {}, true);
        EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0x04);
    }
    Key(false, Qt::Key_Up);
    EXPECT_EQ(form->Core.Emulator.Inputs.KeyDown, 0);
}

// Only what the keyboard holds is let go; a key the mouse holds stays down.
TEST_F(PanelKeyboardTest, ADialogComingUpLetsGoOfTheKeysAndTakesThemItself) {
    form->Core.Emulator.Inputs.KeyDown = 0x20;
    Key(true, Qt::Key_M);
    Key(true, Qt::Key_Space);
    QDialog dialog(form.get());
    dialog.setModal(true);
    dialog.show();
    Activate(&dialog);
    EXPECT_EQ(Inputs(), (std::array{0x20, 0, 0}));
    EXPECT_FALSE(form->Button1->isDown());
    Key(true, Qt::Key_A, {}, false, &dialog);
    Key(true, Qt::Key_X, {}, false, &dialog);
    EXPECT_EQ(Inputs(), (std::array{0x20, 0, 0}));
}

TEST_F(PanelKeyboardTest, SpaceAndXKeyThePttButtonsWhileTheyAreEnabled) {
    EXPECT_EQ(form->Button1->toolTip(), "PTT Pilot (keyboard: hold Space)");
    EXPECT_EQ(form->Button2->toolTip(), "PTT PAX (keyboard: hold X)");
    Key(true, Qt::Key_Space);
    Key(true, Qt::Key_X);
    EXPECT_EQ(Inputs(), (std::array{0, 1, 1}));
    EXPECT_TRUE(form->Button1->isDown() && form->Button2->isDown());
    Key(false, Qt::Key_Space);
    Key(false, Qt::Key_X);
    EXPECT_EQ(Inputs(), (std::array{0, 0, 0}));

    form->Button2->setFocus();  // Space holds the focused button, as the mouse would
    Key(true, Qt::Key_Space);
    EXPECT_EQ(Inputs(), (std::array{0, 0, 1}));
    form->Core.Mode.EnterOnlineMode();  // disables the buttons: a held key still lets go, a new one does nothing
    Key(false, Qt::Key_Space);
    Key(true, Qt::Key_Space);
    Key(true, Qt::Key_X);
    EXPECT_EQ(Inputs(), (std::array{0, 0, 0}));
}

}  // namespace
