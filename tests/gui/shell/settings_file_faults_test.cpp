#include <sys/stat.h>

#include "support/file_faults.h"
#include "support/form_fixture.h"

namespace {

// RADIO.INI at the close of the window when the kernel refuses to write it.
// Every case: one clear message naming the file and the cause, the old file
// exactly as it was, no temporary file left over, and the window closes.
class SettingsFileFaultTest : public FormTest {
protected:
    static constexpr const char* kOld = "; mine\n[Setup]\nCommsPort=2\nFreqFilename=a.dat\n[Ports]\nA=1\n";

    void SetUp() override {
        FormTest::SetUp();
        dir.Write("RADIO.INI", kOld);
        Open();
        form->Core.Ports.Choose(5);
        form->Core.FreqDb.CurrentFile = "/data/new.dat";
    }
    void ExpectReportedAndKept(const char* cause) {
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].contains(QString::fromStdString(dir.File("RADIO.INI")))) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(cause)) << messages[0].toStdString();
        EXPECT_EQ(dir.Read("RADIO.INI"), kOld);
        EXPECT_EQ(dir.EntryCount(), 1);
        EXPECT_FALSE(form->isVisible());
    }
};

// With a read-only file in it: a file that may be written is written in
// place.
TEST_F(SettingsFileFaultTest, AReadOnlyProgramFolder) {
    ::chmod(dir.File("RADIO.INI").c_str(), 0444);
    ::chmod(dir.Path().c_str(), 0555);
    {
        FilePermissionsEnforced enforced;
        form->close();
    }
    ::chmod(dir.Path().c_str(), 0755);
    ExpectReportedAndKept("File access denied");
}

TEST_F(SettingsFileFaultTest, ADiskThatFillsUpWhileTheFileIsWritten) {
    {
        FileSizeLimit limit(20);
        form->close();
    }
    ExpectReportedAndKept("Disk full");
}

// Writing only the two keys in place of a file that could not be read would
// lose everything else the user keeps in it.
TEST_F(SettingsFileFaultTest, AnExistingFileThatCannotBeReadIsNotReplaced) {
    ::chmod(dir.File("RADIO.INI").c_str(), 0200);
    {
        FilePermissionsEnforced enforced;
        form->close();
    }
    ::chmod(dir.File("RADIO.INI").c_str(), 0644);
    ExpectReportedAndKept("File access denied");
}

}  // namespace
