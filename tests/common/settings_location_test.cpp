#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/instance_lock.h"
#include "common/settings_location.h"
#include "support/file_faults.h"
#include "support/temp_dir.h"

namespace {

// HOME and the XDG variables point into a scratch folder for the test.
class SettingsLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            if (const char* value = std::getenv(name)) saved_.emplace_back(name, value);
        ::setenv("HOME", scratch.File("home").c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_DATA_HOME");
        std::filesystem::create_directories(scratch.File("bin"));
    }
    void TearDown() override {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) ::unsetenv(name);
        for (const auto& [name, value] : saved_) ::setenv(name.c_str(), value.c_str(), 1);
    }

    TempDir scratch;
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(SettingsLocationTest, BesideAWritableProgramElseInTheUsersFolders) {
    const std::string marker = "../share/applications/vhfcom.desktop";
    const std::string bin = scratch.File("bin") + "/";
    const std::string home = scratch.File("home");
    EXPECT_EQ(ChooseSettingsFolders(bin, marker).config, bin) << "a build or unpacked copy";
    EXPECT_TRUE(ChooseSettingsFolders(bin, "").besideProgram);

    // A fake install tree around the program: installed, even where its user may write.
    std::filesystem::create_directories(scratch.File("share/applications"));
    std::ofstream(scratch.File("share/applications/vhfcom.desktop")) << "[Desktop Entry]\n";
    SettingsFolders installed = ChooseSettingsFolders(bin, marker);
    EXPECT_FALSE(installed.besideProgram);
    EXPECT_EQ(installed.config, home + "/.config/vhfcom/");
    EXPECT_EQ(installed.data, home + "/.local/share/vhfcom/");

    ::setenv("XDG_CONFIG_HOME", scratch.File("cfg").c_str(), 1);
    ::setenv("XDG_DATA_HOME", "relative/data", 1);  // not absolute: ignored
    installed = ChooseSettingsFolders(bin, marker);
    EXPECT_EQ(installed.config, scratch.File("cfg") + "/vhfcom/");
    EXPECT_EQ(installed.data, home + "/.local/share/vhfcom/");
    ASSERT_EQ(CreateSettingsFolders(installed), "");
    struct stat status {};
    ASSERT_EQ(::stat(installed.data.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    std::filesystem::remove_all(scratch.File("share"));
    ::chmod(bin.c_str(), 0555);
    {
        FilePermissionsEnforced asAUser;
        EXPECT_EQ(ChooseSettingsFolders(bin, marker).config, scratch.File("cfg") + "/vhfcom/");
    }
    ::chmod(bin.c_str(), 0755);
}

TEST_F(SettingsLocationTest, OneCopyPerSettingsFolderAndACrashedCopyBlocksNothing) {
    const std::string folder = scratch.WithSeparator();
    {
        InstanceLock first(folder);
        ASSERT_TRUE(first.Held());
        InstanceLock second(folder);
        EXPECT_FALSE(second.Held());
        EXPECT_EQ(second.Error(), "");
    }
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t crashing = ::fork();
    if (crashing == 0) {
        InstanceLock held(folder);
        const char byte = held.Held() ? 1 : 0;
        (void)!::write(ready[1], &byte, 1);
        ::pause();
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(byte, 1);
    EXPECT_FALSE(InstanceLock(folder).Held()) << "held by the other process";
    ::kill(crashing, SIGKILL);
    ::waitpid(crashing, nullptr, 0);
    EXPECT_TRUE(InstanceLock(folder).Held()) << "the crashed copy's lock went with it";
    ::close(ready[0]);
    ::close(ready[1]);
}

}  // namespace
