#include <gtest/gtest.h>

#include <QTest>
#include <cerrno>
#include <memory>

#include "common/atomic_file.h"
#include "freqdb/freq_csv.h"
#include "freqdb/freq_database.h"
#include "gui/freqdb/freq_edit_dialog.h"
#include "gui/freqdb/frequency_commands.h"
#include "gui/freqdb/save_changes_question.h"
#include "support/message_box_hooks.h"
#include "support/scratch_folder.h"

namespace {

struct Report {
    std::string cause;
    std::string path;
};

// Drives the commands with scripted answers for the file dialogs and a
// scripted session in the real editor dialog.
class FrequencyCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        commands =
            std::make_unique<FrequencyCommands>(nullptr, db,
                                                FrequencyCommandHooks{
                                                    [this] {
                                                        ++saveDialogs;
                                                        return saveAnswer;
                                                    },
                                                    [this] {
                                                        ++openDialogs;
                                                        return openAnswer;
                                                    },
                                                    [this] { return RunEditor(); },
                                                    [this](const std::string& cause, const std::string& path) {
                                                        reports.push_back({cause, path});
                                                    },
                                                    [this] {
                                                        ++importDialogs;
                                                        return importAnswer;
                                                    },
                                                    [this] { return exportAnswer; },
                                                    [this](const std::string& done) { statuses.push_back(done); },
                                                });
        SetSaveChangesHandler([this](const QString& question) {
            questions << question;
            return saveChangesAnswer;
        });
    }

    // The user types the editor text as the name of channel 1 and closes the
    // dialog with OK or Cancel.
    bool RunEditor() {
        ++editorRuns;
        TFreqEdit& dialog = *commands->FreqEdit;
        dialog.show();
        QTest::keyClicks(dialog.Edit1, editorName);
        QTest::mouseClick(editorOk ? dialog.OkButton : dialog.CancelButton, Qt::LeftButton);
        return dialog.result() == QDialog::Accepted;
    }

    // A saved database whose channel 1 carries the name and channel 2 121.500.
    std::string SavedDatabase(const std::string& fileName, const char* name) {
        FreqChannels table = db.Table;
        table[0].SetName(name);
        table[1].FreqKHz = 121500;
        EXPECT_EQ(WriteFreqDatFile(folder.File(fileName), table), "");
        return folder.File(fileName);
    }

    RealMessageBoxesAfterwards realBoxes;
    ScratchFolder folder;
    FreqDatabase db;
    std::optional<std::string> saveAnswer;
    std::optional<std::string> openAnswer;
    std::optional<std::string> importAnswer;
    std::optional<std::string> exportAnswer;
    SaveChangesAnswer saveChangesAnswer = SaveChangesAnswer::Cancel;
    QStringList questions;
    const char* editorName = "";
    bool editorOk = true;
    int saveDialogs = 0;
    int openDialogs = 0;
    int importDialogs = 0;
    int editorRuns = 0;
    std::vector<Report> reports;
    std::vector<std::string> statuses;  // what the status line was told
    std::unique_ptr<FrequencyCommands> commands;
};

}  // namespace

TEST_F(FrequencyCommandsTest, NewStartsAnUntitledEmptyTableAndSavesItAfterOk) {
    db.CurrentFile = SavedDatabase("old.dat", "OLD");
    db.Table[3].SetName("OLD");
    saveAnswer = folder.File("new.dat");
    editorName = "HOME";
    commands->New();
    EXPECT_EQ(saveDialogs, 1) << "Save as, after the editor";
    EXPECT_EQ(ReadBytes(folder.File("old.dat"))[4], 3) << "the old database stays";
    EXPECT_EQ(db.CurrentFile, folder.File("new.dat"));
    EXPECT_EQ(db.Table[3].Name(), "");
    ASSERT_EQ(ReadBytes(folder.File("new.dat")).size(), 2000u);
    db.Table = {};
    ASSERT_EQ(db.Load(folder.File("new.dat")), "");
    EXPECT_EQ(db.Table[0].Name(), "HOME  ");
    EXPECT_TRUE(reports.empty());
}

TEST_F(FrequencyCommandsTest, NewCancelledInTheEditorWritesNothingButSaveLaterWritesThere) {
    saveAnswer = folder.File("new.dat");
    editorName = "AB";
    editorOk = false;
    commands->New();
    EXPECT_TRUE(folder.Names().empty());
    EXPECT_EQ(db.CurrentFile, "");
    EXPECT_EQ(db.Table[0].Name(), "AB    ");
    commands->Save();
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_EQ(ReadBytes(folder.File("new.dat"))[4], 6);
}

TEST_F(FrequencyCommandsTest, CancelledFileDialogChangesNothing) {
    db.CurrentFile = "/kept.dat";
    db.Table[0].SetName("KEEP");
    const auto before = db.Table;
    commands->Open();
    commands->SaveAs();
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_EQ(openDialogs, 1);
    EXPECT_EQ(editorRuns, 0);
    EXPECT_EQ(db.CurrentFile, "/kept.dat");
    EXPECT_EQ(db.Table, before);
}

TEST_F(FrequencyCommandsTest, OpenLoadsShowsTheEditorAndSavesAfterOk) {
    openAnswer = SavedDatabase("db.dat", "ZZ");
    editorName = "Q";
    commands->Open();
    EXPECT_EQ(db.CurrentFile, *openAnswer);
    EXPECT_EQ(db.Table[1].FreqKHz, 121500);
    EXPECT_EQ(db.Table[0].Name(), "ZZQ   ") << "the editor opened on the loaded channel 1";
    EXPECT_EQ(ReadBytes(*openAnswer)[7], 'Q');
    EXPECT_TRUE(reports.empty());
}

TEST_F(FrequencyCommandsTest, FailedOpenIsReportedAndKeepsTableAndCurrentFile) {
    const std::string previous = SavedDatabase("previous.dat", "PREV");
    db.CurrentFile = previous;
    db.Table[0].SetName("MEMORY");
    const auto before = db.Table;
    WriteBytes(folder.File("short.dat"), std::vector<uint8_t>(1999, 0x55));
    openAnswer = folder.File("short.dat");
    commands->Open();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].cause, "Read beyond end of file");
    EXPECT_EQ(reports[0].path, folder.File("short.dat"));
    EXPECT_EQ(editorRuns, 0);
    EXPECT_EQ(db.CurrentFile, previous);
    EXPECT_EQ(db.Table, before);
    commands->Save();
    EXPECT_EQ(ReadBytes(folder.File("short.dat")).size(), 1999u);
    EXPECT_EQ(ReadBytes(previous)[5], 'M');
}

TEST_F(FrequencyCommandsTest, SaveUsesTheCurrentFileAndSaveAsAlwaysAsks) {
    commands->Save();
    EXPECT_EQ(saveDialogs, 1) << "Save without a current file asks for one";
    saveAnswer = folder.File("first.dat");
    commands->Save();
    EXPECT_EQ(db.CurrentFile, folder.File("first.dat"));
    EXPECT_EQ(saveDialogs, 2);
    db.Table[0].SetName("TWO");
    commands->Save();
    EXPECT_EQ(saveDialogs, 2);
    EXPECT_EQ(ReadBytes(folder.File("first.dat"))[4], 3);
    saveAnswer = folder.File("second.dat");
    commands->SaveAs();
    EXPECT_EQ(saveDialogs, 3);
    EXPECT_EQ(db.CurrentFile, folder.File("second.dat"));
    EXPECT_EQ(ReadBytes(folder.File("second.dat")), ReadBytes(folder.File("first.dat")));
}

TEST_F(FrequencyCommandsTest, EditSavesAfterOkAndCancelWritesNothing) {
    db.CurrentFile = SavedDatabase("db.dat", "");
    const std::vector<uint8_t> old = ReadBytes(db.CurrentFile);
    editorName = "AB";
    editorOk = false;
    commands->Edit();
    EXPECT_EQ(ReadBytes(db.CurrentFile), old);
    EXPECT_EQ(db.Table[0].Name(), "AB    ");
    editorOk = true;
    commands->Edit();
    EXPECT_EQ(ReadBytes(db.CurrentFile)[4], 6);
    EXPECT_EQ(saveDialogs, 0);
}

TEST_F(FrequencyCommandsTest, FailedSaveIsReportedAndLeavesTheOldFile) {
    db.CurrentFile = SavedDatabase("db.dat", "OLD");
    const std::vector<uint8_t> old = ReadBytes(db.CurrentFile);
    db.WriteSeams.fault = [](std::size_t) { return ENOSPC; };
    commands->Save();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].cause, "Disk full");
    EXPECT_EQ(reports[0].path, db.CurrentFile);
    EXPECT_EQ(ReadBytes(db.CurrentFile), old);
}

TEST_F(FrequencyCommandsTest, StartUpLoadsTheRememberedFileWhenItExists) {
    db.CurrentFile = SavedDatabase("db.dat", "LOADED");
    db.Table[0].SetName("STALE");
    commands->LoadRememberedFile();
    EXPECT_EQ(db.Table[0].Name(), "LOADED");
    db.CurrentFile = folder.File("gone.dat");
    commands->LoadRememberedFile();
    EXPECT_EQ(db.Table[0].Name(), "");
    EXPECT_EQ(db.CurrentFile, folder.File("gone.dat")) << "a missing file is skipped silently";
    EXPECT_TRUE(reports.empty());
}

TEST_F(FrequencyCommandsTest, StartUpReportsAnUnreadableFileAndForgetsIt) {
    WriteBytes(folder.File("short.dat"), std::vector<uint8_t>(100, 0x55));
    db.CurrentFile = folder.File("short.dat");
    db.Table[0].SetName("STALE");
    commands->LoadRememberedFile();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].cause, "Read beyond end of file");
    EXPECT_EQ(reports[0].path, folder.File("short.dat"));
    EXPECT_EQ(db.Table[0].Name(), "");
    EXPECT_EQ(db.CurrentFile, "");
    commands->Save();
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_EQ(ReadBytes(folder.File("short.dat")).size(), 100u);
}

// Edits kept after Cancel, a New not yet written and an import leave the
// table unsaved; loading or saving it makes it the file's again.
TEST_F(FrequencyCommandsTest, TheTableIsUnsavedFromAChangeUntilItIsWritten) {
    db.CurrentFile = SavedDatabase("db.dat", "");
    editorOk = false;
    commands->Edit();
    EXPECT_FALSE(db.Dirty) << "opening the editor and typing nothing changes nothing";
    editorName = "AB";
    commands->Edit();
    EXPECT_TRUE(db.Dirty);
    commands->Save();
    EXPECT_FALSE(db.Dirty);
    saveAnswer = folder.File("new.dat");
    editorName = "";
    saveChangesAnswer = SaveChangesAnswer::Discard;
    commands->New();
    EXPECT_TRUE(db.Dirty);
    openAnswer = db.CurrentFile = SavedDatabase("db.dat", "");
    commands->Open();
    EXPECT_FALSE(db.Dirty);
    exportAnswer = importAnswer = folder.File("db.csv");
    commands->ExportCsv();
    const std::string exported = FreqCsvText(db.Table);
    EXPECT_EQ(ReadBytes(*exportAnswer), std::vector<uint8_t>(exported.begin(), exported.end()));
    EXPECT_FALSE(db.Dirty) << "an export leaves the table as unsaved as it was";
    db.Table[0].SetName("GONE");
    commands->ImportCsv();
    EXPECT_EQ(db.Table[0].Name(), "");
    EXPECT_TRUE(db.Dirty);
    EXPECT_EQ(statuses, (std::vector<std::string>{"Exported 100 channels to db.csv.",
                                                  "Imported db.csv: 1 channel in use, 99 empty."}));
    EXPECT_EQ(questions.size(), 1) << "only Open found changes to ask about";
}

// New, Open and Import ask first when the table has unsaved changes: Cancel
// stops the command, Discard goes on, Save writes the table and goes on.
TEST_F(FrequencyCommandsTest, UnsavedChangesAreOfferedBeforeNewOpenAndImport) {
    struct Command {
        const char* name;
        void (FrequencyCommands::*run)();
        int* dialogs;
    };
    const Command commandsAsking[] = {{"New", &FrequencyCommands::New, &saveDialogs},
                                      {"Open", &FrequencyCommands::Open, &openDialogs},
                                      {"Import CSV", &FrequencyCommands::ImportCsv, &importDialogs}};
    const std::string database = folder.File("db.dat");
    for (const Command& command : commandsAsking) {
        for (const SaveChangesAnswer answer :
             {SaveChangesAnswer::Cancel, SaveChangesAnswer::Discard, SaveChangesAnswer::Save}) {
            SCOPED_TRACE(std::string(command.name) + " answered " + std::to_string(static_cast<int>(answer)));
            db.CurrentFile = database;
            std::filesystem::remove(database);
            db.Dirty = true;
            saveChangesAnswer = answer;
            questions.clear();
            *command.dialogs = 0;
            (commands.get()->*command.run)();
            EXPECT_EQ(questions,
                      QStringList{"Save changes to the frequency database " + QString::fromStdString(database) + "?"});
            EXPECT_EQ(*command.dialogs, answer == SaveChangesAnswer::Cancel ? 0 : 1);
            EXPECT_EQ(std::filesystem::exists(database), answer == SaveChangesAnswer::Save);
        }
    }
    questions.clear();
    for (const Command& command : commandsAsking) {
        db.Dirty = false;
        (commands.get()->*command.run)();
    }
    EXPECT_TRUE(questions.isEmpty()) << "nothing to save, nothing asked";
}

// A table never saved is "untitled" and its Save goes through Save as; a save
// that does not happen (cancelled, failed) stops the command.
TEST_F(FrequencyCommandsTest, SavingAnUntitledTableAsksForAFileAndStopsWithoutOne) {
    db.Dirty = true;
    saveChangesAnswer = SaveChangesAnswer::Save;
    commands->Open();
    EXPECT_EQ(questions, QStringList{"Save changes to the frequency database untitled?"});
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_EQ(openDialogs, 0);
    saveAnswer = folder.File("named.dat");
    db.WriteSeams.fault = [](std::size_t) { return ENOSPC; };
    commands->Open();
    EXPECT_EQ(openDialogs, 0);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(FrequencyCommandsTest, ImportIsAllOrNothingAndReportsEveryBadRowAtOnce) {
    db.Table[0].SetName("KEEP");
    const auto before = db.Table;
    importAnswer = folder.File("in.csv");
    const std::string bad = FreqCsvHeader() + "\n3,121.500,TOWER,\n0,118.000,,\n4,118.000,SEVENXX,\n";
    WriteBytes(*importAnswer, std::vector<uint8_t>(bad.begin(), bad.end()));
    commands->ImportCsv();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].cause,
              "Nothing was imported, the frequency database is unchanged:\nline 3: channel 0 is outside 1..100\n"
              "line 4: name \"SEVENXX\" has more than 6 characters");
    EXPECT_EQ(reports[0].path, *importAnswer);
    EXPECT_EQ(db.Table, before);
    EXPECT_FALSE(db.Dirty);
}
