#include <gtest/gtest.h>

#include <QTest>

#include "freqdb/freq_database.h"
#include "gui/freqdb/freq_edit_dialog.h"

namespace {

std::string Line(const TFreqEdit& dialog, int row) { return dialog.ListBox1->item(row)->text().toStdString(); }

class FreqEditTest : public testing::Test {
protected:
    void SetUp() override {
        db.Table[4].FreqKHz = 123450;
        db.Table[4].SetName("TOWER ");
        db.Table[4].SetType("ATC   ");
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

    // Types any characters, those without a key of their own included.
    static void TypeText(QLineEdit* field, const QString& text) {
        for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), {});
    }

    FreqDatabase db;
    TFreqEdit dialog{db};
};

}  // namespace

TEST_F(FreqEditTest, ShowingListsEveryChannelWithNothingSelectedAndTheFieldsOnChannel1) {
    ASSERT_EQ(dialog.ListBox1->count(), 100);
    EXPECT_EQ(Line(dialog, 0), "1 - 118.000, , ");
    EXPECT_EQ(Line(dialog, 4), "5 - 123.450, TOWER , ATC   ");
    EXPECT_EQ(Line(dialog, 99), "100 - 118.000, , ");
    EXPECT_TRUE(dialog.ListBox1->selectedItems().isEmpty());
    EXPECT_EQ(dialog.SelectedChannel, 0);
    EXPECT_EQ(dialog.Edit1->text(), "");
    EXPECT_EQ(dialog.Edit2->text(), "");
    EXPECT_EQ(dialog.MaskEdit1->Text(), "118.000");
    EXPECT_FALSE(dialog.MaskEdit1->MarkedInvalid());
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
    const auto before = db.Table;
    ClickLine(4);
    EXPECT_EQ(dialog.SelectedChannel, 4);
    EXPECT_EQ(dialog.Edit1->text(), "TOWER ");
    EXPECT_EQ(dialog.Edit2->text(), "ATC   ");
    EXPECT_EQ(dialog.MaskEdit1->Text(), "123.450");
    QTest::keyClick(dialog.ListBox1, Qt::Key_Down);
    EXPECT_EQ(dialog.SelectedChannel, 5);
    EXPECT_EQ(dialog.MaskEdit1->Text(), "118.000");
    EXPECT_EQ(dialog.Edit1->text(), "");
    EXPECT_EQ(db.Table, before);
    EXPECT_FALSE(db.Dirty);
}

TEST_F(FreqEditTest, NameAndTypeTakeSixLatin1CharactersAndArePadded) {
    ClickLine(2);
    QTest::keyClicks(dialog.Edit1, "AB");
    EXPECT_EQ(db.Table[2].Name(), "AB    ");
    EXPECT_EQ(Line(dialog, 2), "3 - 118.000, AB    , ");
    EXPECT_TRUE(db.Dirty);
    TypeText(dialog.Edit1, QString::fromUtf8("C\u03A9D\u00C9FGH"));
    EXPECT_EQ(dialog.Edit1->text(), QString::fromUtf8("ABCD\u00C9F"));
    EXPECT_EQ(db.Table[2].Name(),
              "ABCD\xC9"
              "F");
    Retype(dialog.Edit1, "");
    EXPECT_EQ(db.Table[2].Name(), "      ");
    QTest::keyClicks(dialog.Edit2, "VOR");
    EXPECT_EQ(db.Table[2].Type(), "VOR   ");
    EXPECT_EQ(Line(dialog, 2), "3 - 118.000,       , VOR   ");
}

// Until the field holds a frequency in the band it is red, and the record and
// its line keep the last valid one.
TEST_F(FreqEditTest, AHalfTypedOrOutOfBandFrequencyIsMarkedAndNotStored) {
    ClickLine(4);
    Retype(dialog.MaskEdit1, "1215");
    EXPECT_EQ(dialog.MaskEdit1->displayText(), "121.5__");
    EXPECT_TRUE(dialog.MaskEdit1->MarkedInvalid());
    EXPECT_EQ(db.Table[4].FreqKHz, 123450);
    EXPECT_EQ(Line(dialog, 4), "5 - 123.450, TOWER , ATC   ");
    EXPECT_FALSE(db.Dirty);
    QTest::keyClicks(dialog.MaskEdit1, "25");
    EXPECT_FALSE(dialog.MaskEdit1->MarkedInvalid());
    EXPECT_EQ(db.Table[4].FreqKHz, 121525);
    EXPECT_EQ(Line(dialog, 4), "5 - 121.525, TOWER , ATC   ");
    for (const char* typed : {"999999", "107999", "-12345"}) {
        Retype(dialog.MaskEdit1, typed);
        EXPECT_TRUE(dialog.MaskEdit1->MarkedInvalid()) << typed;
        EXPECT_EQ(db.Table[4].FreqKHz, 121525) << typed;
    }
    db.Table[7].FreqKHz = -12345;
    ClickLine(7);
    EXPECT_TRUE(dialog.MaskEdit1->MarkedInvalid()) << "a stored oddity shows marked";
    ClickLine(0);
    EXPECT_FALSE(dialog.MaskEdit1->MarkedInvalid());
}

// Whatever the fields showed when the dialog last closed, it opens on the
// record that typing changes.
TEST_F(FreqEditTest, AfterReopeningTheFieldsShowTheChannelTypingChanges) {
    db.Table[0].SetName("ONE");
    ClickLine(4);
    QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
    dialog.show();
    EXPECT_EQ(dialog.Edit1->text(), "ONE");
    EXPECT_EQ(dialog.Edit2->text(), "");
    EXPECT_EQ(dialog.MaskEdit1->Text(), "118.000");
    QTest::keyClicks(dialog.Edit1, "X");
    Retype(dialog.MaskEdit1, "121500");
    EXPECT_EQ(db.Table[0].Name(), "ONEX  ");
    EXPECT_EQ(db.Table[0].FreqKHz, 121500);
    EXPECT_EQ(Line(dialog, 0), "1 - 121.500, ONEX  , ");
    EXPECT_EQ(db.Table[4].Name(), "TOWER ");
}

TEST_F(FreqEditTest, SelectingAnotherChannelKeepsTheEditedOneAndChangesNeither) {
    ClickLine(2);
    QTest::keyClicks(dialog.Edit1, "THREE");
    ClickLine(4);
    EXPECT_EQ(db.Table[2].Name(), "THREE ");
    EXPECT_EQ(db.Table[4].Name(), "TOWER ");
    EXPECT_EQ(db.Table[4].FreqKHz, 123450);
}

TEST_F(FreqEditTest, ShowingAgainRebuildsTheList) {
    ClickLine(4);
    dialog.hide();
    db.Table[9].FreqKHz = 118025;
    dialog.show();
    EXPECT_EQ(dialog.SelectedChannel, 0);
    EXPECT_TRUE(dialog.ListBox1->selectedItems().isEmpty());
    EXPECT_EQ(Line(dialog, 9), "10 - 118.025, , ");
}

// A red field says why in its tooltip, and closing over it asks first.
TEST_F(FreqEditTest, ARedFieldSaysWhyAndClosingOverItAsksFirst) {
    QStringList questions;
    bool leave = false;
    dialog.AskToLeave = [&](const QString& question) {
        questions << question;
        return leave;
    };
    Retype(dialog.MaskEdit1, "1215");
    EXPECT_EQ(dialog.MaskEdit1->toolTip(), "Type all six digits of a frequency in the band 108.000-136.975 MHz.");
    QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith("The frequency 121.5__ is not stored.")) << questions[0].toStdString();
    Retype(dialog.MaskEdit1, "107999");
    EXPECT_EQ(dialog.MaskEdit1->toolTip(), "The frequency lies outside the band 108.000-136.975 MHz.");
    leave = true;
    QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    dialog.show();
    EXPECT_EQ(dialog.MaskEdit1->toolTip(), "");
    QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    EXPECT_EQ(questions.size(), 2) << "a valid field closes without a question";
}

TEST_F(FreqEditTest, OkAndCancelCloseWithTheirResultAndKeepTheEdits) {
    QTest::keyClicks(dialog.Edit2, "NDB");
    QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(db.Table[0].Type(), "NDB   ");
    dialog.show();
    QTest::keyClick(dialog.Edit1, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter in a field must not close the dialog";
    QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
