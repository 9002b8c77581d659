#include <QApplication>
#include <QDialog>
#include <QTest>

#include "gui/shell/key_area.h"
#include "gui/shell/ptt_button.h"
#include "help/help.h"
#include "support/form_fixture.h"
#include "support/process_events.h"

namespace {

// Keys go to the window as the platform delivers them; the window passes
// them on to the control that has focus.
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
    void Key(bool press, int key, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false,
             QWidget* window = nullptr) {
        QTest::simulateEvent((window ? window : form.get())->windowHandle(), press, key, modifiers, {}, autoRepeat);
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = {}) { Key(true, key, modifiers); }
    void Release(int key) { Key(false, key); }
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
    ShowHelpTopic(1);
    const QString help = form->Memo1->toPlainText();
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(form->Shapes[i]->toolTip(), rows[i].toolTip);
        for (QWidget* focus : std::initializer_list<QWidget*>{form->ScrollBar1, form->Button1, form->Memo1}) {
            focus->setFocus();
            for (Qt::KeyboardModifiers caseShift : {Qt::NoModifier, Qt::ShiftModifier}) {
                Press(rows[i].key, caseShift);
                EXPECT_EQ(PanelInputs.KeyDown, rows[i].bit)
                    << rows[i].toolTip << " on " << focus->metaObject()->className();
                Release(rows[i].key);
                EXPECT_EQ(PanelInputs.KeyDown, 0) << rows[i].toolTip;
            }
        }
    }
    EXPECT_EQ(form->ScrollBar1->value(), 200) << "a focused slider does not move on Up and Down";
    EXPECT_EQ(form->Memo1->toPlainText(), help);
}

// The firmware repeats a held key by itself; the keyboard's own repeats
// (release and press again, both marked) must not look like new presses.
TEST_F(PanelKeyboardTest, AutoRepeatKeepsTheKeyHeldWithoutNewPresses) {
    Key(true, Qt::Key_Up, {}, true);
    EXPECT_EQ(PanelInputs.KeyDown, 0) << "a repeat alone is no press";
    Press(Qt::Key_Up);
    for (int i = 0; i < 3; ++i) {
        Key(false, Qt::Key_Up, {}, true);
        EXPECT_EQ(PanelInputs.KeyDown, 0x04);
        Key(true, Qt::Key_Up, {}, true);
        EXPECT_EQ(PanelInputs.KeyDown, 0x04);
    }
    Release(Qt::Key_Up);
    EXPECT_EQ(PanelInputs.KeyDown, 0);
}

TEST_F(PanelKeyboardTest, KeysWithCtrlOrAltAreLeftToTheMenusAndControls) {
    Press(Qt::Key_M, Qt::ControlModifier);
    Press(Qt::Key_A, Qt::AltModifier);
    Press(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(PanelInputs.KeyDown, 0);
    EXPECT_EQ(PanelInputs.PttPilot, 0);
}

// Keys held by the mouse stay held; only what the keyboard holds is let go.
TEST_F(PanelKeyboardTest, LosingActivationOrOpeningADialogLetsGoOfTheKeys) {
    PanelInputs.KeyDown = 0x20;
    Press(Qt::Key_M);
    Press(Qt::Key_Space);
    QWidget other;
    other.show();
    Activate(&other);
    EXPECT_EQ(PanelInputs.KeyDown, 0x20);
    EXPECT_EQ(PanelInputs.PttPilot, 0);
    EXPECT_FALSE(form->Button1->isDown());
    Release(Qt::Key_M);
    EXPECT_EQ(PanelInputs.KeyDown, 0x20);

    Activate(form.get());
    Press(Qt::Key_Down);
    QDialog dialog(form.get());
    dialog.setModal(true);
    dialog.show();
    Activate(&dialog);
    EXPECT_EQ(PanelInputs.KeyDown, 0x20);
    Key(true, Qt::Key_A, {}, false, &dialog);
    Key(true, Qt::Key_X, {}, false, &dialog);
    EXPECT_EQ(PanelInputs.KeyDown, 0x20) << "no panel keys while a dialog is open";
    EXPECT_EQ(PanelInputs.PttPax, 0);
}

TEST_F(PanelKeyboardTest, SpaceAndXKeyThePttButtonsWhileTheyAreEnabled) {
    EXPECT_EQ(form->Button1->toolTip(), "PTT Pilot (keyboard: hold Space)");
    EXPECT_EQ(form->Button2->toolTip(), "PTT PAX (keyboard: hold X)");
    Press(Qt::Key_Space);
    Press(Qt::Key_X);
    EXPECT_EQ(PanelInputs.PttPilot, 1);
    EXPECT_EQ(PanelInputs.PttPax, 1);
    EXPECT_TRUE(form->Button1->isDown() && form->Button2->isDown());
    Release(Qt::Key_Space);
    Release(Qt::Key_X);
    EXPECT_EQ(PanelInputs.PttPilot, 0);
    EXPECT_EQ(PanelInputs.PttPax, 0);

    // Space on a focused button holds that button, as the mouse would.
    form->Button2->setFocus();
    Press(Qt::Key_Space);
    EXPECT_EQ(PanelInputs.PttPax, 1);
    EXPECT_EQ(PanelInputs.PttPilot, 0);

    // Going online disables the buttons: a held key still lets go, a new one does nothing.
    EnterOnlineMode();
    Release(Qt::Key_Space);
    EXPECT_EQ(PanelInputs.PttPax, 0);
    Press(Qt::Key_Space);
    Press(Qt::Key_X);
    EXPECT_EQ(PanelInputs.PttPilot, 0);
    EXPECT_EQ(PanelInputs.PttPax, 0);
}

}  // namespace
