#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/program_directory.h"
#include "emulator/hardware/eeprom_settings.h"
#include "freqdb/freq_database.h"
#include "settings/radio_ini.h"
#include "support/scripted_host.h"

namespace {

namespace fs = std::filesystem;

// A named pipe, a folder or a device in the place of each file the program
// reads: no open waits for a writer, each file is reported as one that cannot
// be read, the program goes on with its defaults and every one of them is
// left as it was.
TEST(NonRegularFilesTest, PipesFoldersAndDevicesAreReportedAsUnreadableAndLeftAlone) {
    const struct {
        const char* kind;
        void (*make)(const std::string& path);
        fs::file_type type;
        const char* cause;
    } rows[] = {
        {"named pipe", [](const std::string& p) { ::mkfifo(p.c_str(), 0644); }, fs::file_type::fifo,
         "File access denied"},
        {"folder", [](const std::string& p) { fs::create_directory(p); }, fs::file_type::directory, "Is a directory"},
        {"device", [](const std::string& p) { fs::create_symlink("/dev/null", p); }, fs::file_type::symlink,
         "File access denied"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        ScriptedHost host;
        const std::string files[] = {FoldersBeside(host.Directory()).RadioIniPath(), host.fw.SettingsPath,
                                     host.Directory() + "channels.dat"};
        for (const std::string& file : files) row.make(file);

        EXPECT_EQ(ReadRadioIni(files[0]).commsPort, 0);
        EXPECT_EQ(WriteRadioIni(files[0], {3, "x.dat"}), row.cause);
        EXPECT_EQ(FreqDatabase{}.Load(files[2]), row.cause);
        host.RunUntilTick(130);
        ASSERT_EQ(host.errors.size(), 1u);
        EXPECT_NE(host.errors[0].find(row.cause), std::string::npos) << host.errors[0];
        EXPECT_EQ(host.fw.Settings.ActiveFreq, 123450);

        for (const std::string& file : files) EXPECT_EQ(fs::symlink_status(file).type(), row.type) << file;
        EXPECT_EQ(std::distance(fs::directory_iterator(host.Directory()), {}), 3);
    }
}

}  // namespace
