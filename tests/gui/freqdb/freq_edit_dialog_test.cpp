#include <gtest/gtest.h>

#include <QTest>

#include "freqdb/freq_database.h"
#include "gui/freqdb/freq_edit_dialog.h"

namespace {

std::string Line(const TFreqEdit& dialog, int row) { return dialog.ListBox1->item(row)->text().toStdString(); }

class FreqEditTest : public testing::Test {
protected:
    void SetUp() override {
        FreqTable[4].FreqKHz = 123450;
        FreqTable[4].SetName("TOWER ");
        FreqTable[4].SetType("ATC   ");
        dialog.show();
    }

    // A mouse click on the list line of the channel index.
    void ClickLine(int row) {
        QListWidgetItem* item = dialog.ListBox1->item(row);
        dialog.ListBox1->scrollToItem(item);
        QTest::mouseClick(dialog.ListBox1->viewport(), Qt::LeftButton, {},
                          dialog.ListBox1->visualItemRect(item).center());
    }

    // Replaces the whole text of a field the way a user does.
    static void Retype(QLineEdit* field, const char* text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    TFreqEdit dialog;
};

}  // namespace

TEST_F(FreqEditTest, ShowingListsEveryChannelWithNothingSelected) {
    ASSERT_EQ(dialog.ListBox1->count(), 100);
    EXPECT_EQ(Line(dialog, 0), "1 - 118.000, , ");
    EXPECT_EQ(Line(dialog, 4), "5 - 123.450, TOWER , ATC   ");
    EXPECT_EQ(Line(dialog, 99), "100 - 118.000, , ");
    EXPECT_TRUE(dialog.ListBox1->selectedItems().isEmpty());
    EXPECT_EQ(dialog.SelectedChannel, 0);
    EXPECT_EQ(dialog.Edit1->text(), "");
    EXPECT_EQ(dialog.Edit2->text(), "");
    EXPECT_EQ(dialog.MaskEdit1->Text(), "   .   ");
    EXPECT_EQ(dialog.MaskEdit1->displayText(), "___.___");
}

TEST_F(FreqEditTest, FirstArrowKeySelectsChannel1) {
    ClickLine(4);
    dialog.hide();
    dialog.show();
    dialog.ListBox1->setFocus();
    QTest::keyClick(dialog.ListBox1, Qt::Key_Down);
    EXPECT_EQ(dialog.ListBox1->currentRow(), 0);
    EXPECT_EQ(dialog.SelectedChannel, 0);
    EXPECT_EQ(dialog.MaskEdit1->Text(), "118.000");
    QTest::keyClick(dialog.ListBox1, Qt::Key_Down);
    EXPECT_EQ(dialog.SelectedChannel, 1);
}

TEST_F(FreqEditTest, SelectingALineFillsTheFieldsAndChangesNoRecord) {
    const auto before = FreqTable;
    ClickLine(4);
    EXPECT_EQ(dialog.SelectedChannel, 4);
    EXPECT_EQ(dialog.Edit1->text(), "TOWER ");
    EXPECT_EQ(dialog.Edit2->text(), "ATC   ");
    EXPECT_EQ(dialog.MaskEdit1->Text(), "123.450");
    QTest::keyClick(dialog.ListBox1, Qt::Key_Down);
    EXPECT_EQ(dialog.SelectedChannel, 5);
    EXPECT_EQ(dialog.MaskEdit1->Text(), "118.000");
    EXPECT_EQ(dialog.Edit1->text(), "");
    EXPECT_EQ(FreqTable, before);
}

TEST_F(FreqEditTest, NameAndTypeArePaddedOrCutToSixAsTheUserTypes) {
    ClickLine(2);
    QTest::keyClicks(dialog.Edit1, "AB");
    EXPECT_EQ(FreqTable[2].Name(), "AB    ");
    EXPECT_EQ(Line(dialog, 2), "3 - 118.000, AB    , ");
    QTest::keyClicks(dialog.Edit1, "CDEFGH");
    EXPECT_EQ(FreqTable[2].Name(), "ABCDEF");
    EXPECT_EQ(dialog.Edit1->text(), "ABCDEFGH");
    ClickLine(2);
    EXPECT_EQ(dialog.Edit1->text(), "ABCDEF") << "clicking the selected line again refills the fields";
    Retype(dialog.Edit1, "");
    EXPECT_EQ(FreqTable[2].Name(), "      ");
    QTest::keyClicks(dialog.Edit2, "VOR");
    EXPECT_EQ(FreqTable[2].Type(), "VOR   ");
    EXPECT_EQ(Line(dialog, 2), "3 - 118.000,       , VOR   ");
}

TEST_F(FreqEditTest, FrequencyIsStoredWhenCompleteAnd118000WhileAPositionIsBlank) {
    ClickLine(4);
    dialog.MaskEdit1->setCursorPosition(7);
    QTest::keyClick(dialog.MaskEdit1, Qt::Key_Backspace);
    EXPECT_EQ(dialog.MaskEdit1->Text(), "123.45 ");
    EXPECT_EQ(FreqTable[4].FreqKHz, 118000);
    EXPECT_EQ(Line(dialog, 4), "5 - 118.000, TOWER , ATC   ");
    QTest::keyClicks(dialog.MaskEdit1, "5");
    EXPECT_EQ(FreqTable[4].FreqKHz, 123455);
    dialog.MaskEdit1->setCursorPosition(4);
    QTest::keyClicks(dialog.MaskEdit1, "025");
    EXPECT_EQ(FreqTable[4].FreqKHz, 123025);
    EXPECT_EQ(Line(dialog, 4), "5 - 123.025, TOWER , ATC   ");
}

TEST_F(FreqEditTest, AnyCompleteFrequencyIsAcceptedSignIncluded) {
    ClickLine(7);
    Retype(dialog.MaskEdit1, "999999");
    EXPECT_EQ(FreqTable[7].FreqKHz, 999999);
    Retype(dialog.MaskEdit1, "-12345");
    EXPECT_EQ(FreqTable[7].FreqKHz, -12345);
    EXPECT_EQ(Line(dialog, 7), "8 - -12.345, , ");
    ClickLine(0);
    ClickLine(7);
    EXPECT_EQ(dialog.MaskEdit1->Text(), "-12.345");
}

TEST_F(FreqEditTest, TypingBeforeSelectingChangesChannel1) {
    QTest::keyClicks(dialog.Edit1, "XY");
    QTest::keyClicks(dialog.MaskEdit1, "121500");
    EXPECT_EQ(FreqTable[0].Name(), "XY    ");
    EXPECT_EQ(FreqTable[0].FreqKHz, 121500);
    EXPECT_EQ(Line(dialog, 0), "1 - 121.500, XY    , ");
}

TEST_F(FreqEditTest, SelectingAnotherChannelKeepsTheEditedOneAndChangesNeither) {
    ClickLine(2);
    QTest::keyClicks(dialog.Edit1, "THREE");
    ClickLine(4);
    EXPECT_EQ(FreqTable[2].Name(), "THREE ");
    EXPECT_EQ(FreqTable[4].Name(), "TOWER ");
    EXPECT_EQ(FreqTable[4].FreqKHz, 123450);
}

TEST_F(FreqEditTest, ShowingAgainRebuildsTheListAndKeepsTheFieldTexts) {
    ClickLine(4);
    QTest::keyClicks(dialog.Edit1, "X");
    dialog.hide();
    FreqTable[9].FreqKHz = 118025;
    dialog.show();
    EXPECT_EQ(dialog.SelectedChannel, 0);
    EXPECT_TRUE(dialog.ListBox1->selectedItems().isEmpty());
    EXPECT_EQ(Line(dialog, 9), "10 - 118.025, , ");
    EXPECT_EQ(dialog.Edit1->text(), "TOWER X");
    EXPECT_EQ(dialog.MaskEdit1->Text(), "123.450");
}

TEST_F(FreqEditTest, OkAndCancelCloseWithTheirResultAndKeepTheEdits) {
    QTest::keyClicks(dialog.Edit2, "NDB");
    QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(FreqTable[0].Type(), "NDB   ");
    dialog.show();
    QTest::keyClick(dialog.Edit1, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter in a field must not close the dialog";
    QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
