#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "freqdb/freq_database.h"
#include "gui/freqdb/airport_import_dialog.h"
#include "support/freq_record.h"
#include "support/scratch_folder.h"

// The user picks a list, types an ident and a start channel; OK puts the
// channels shown into the table from there, keeping the channels before it.
// A list that cannot be read says why and offers no OK.
TEST(AirportImportDialog, OkPutsTheChannelsShownIntoTheTable) {
    ScratchFolder folder;
    FreqDatabase db;
    const std::string list =
        "\"id\",\"airport_ref\",\"airport_ident\",\"type\",\"description\",\"frequency_mhz\"\n"
        "52770,2212,\"EDDF\",\"TWR\",\"FRANKFURT TOWER\",119.9\n"
        "52769,2212,\"EDDF\",\"TWR\",\"FRANKFURT TOWER / TURM (SOUTH)\",119.905\n"
        "52762,2212,\"EDDF\",\"ATIS\",\"ATIS\",118.025\n";
    WriteBytes(folder.File("list.csv"), {list.begin(), list.end()});
    for (FreqRecord& record : db.Table) record = MakeRecord(124000, "OLD", "X");
    const FreqChannels before = db.Table;

    AirportImportDialog unreadable(db, nullptr);
    unreadable.SetListFile(QString::fromStdString(folder.File("absent.csv")));
    QTest::keyClicks(unreadable.Idents, "eddf");
    EXPECT_EQ(unreadable.Summary->text(), "This file cannot be used: File not found");
    EXPECT_FALSE(unreadable.Buttons->button(QDialogButtonBox::Ok)->isEnabled());

    AirportImportDialog dialog(db, nullptr);
    dialog.SetListFile(QString::fromStdString(folder.File("list.csv")));
    QTest::keyClicks(dialog.Idents, "eddf");
    dialog.StartChannel->setValue(3);
    ASSERT_EQ(dialog.Preview->rowCount(), 2);
    EXPECT_EQ(dialog.Preview->item(1, 0)->text() + " " + dialog.Preview->item(1, 1)->text(), "4 119.900");
    EXPECT_EQ(dialog.Skipped->toPlainText(), "line 3: EDDF TWR 119.905: 8.33 kHz channel");
    EXPECT_EQ(db.Table, before) << "nothing changes before OK";
    dialog.Buttons->button(QDialogButtonBox::Ok)->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(db.Table[1], before[1]);
    EXPECT_EQ(db.Table[2], MakeRecord(118025, "EDDF", "ATIS"));
    EXPECT_EQ(db.Table[3], MakeRecord(119900, "EDDF", "TWR"));
    EXPECT_EQ(db.Table[4], UnsetFreqChannels()[4]);
    EXPECT_TRUE(db.Dirty);
}
