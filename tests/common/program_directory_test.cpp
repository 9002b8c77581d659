#include <gtest/gtest.h>

#include "common/program_directory.h"

TEST(ProgramDirectoryOf, KeepsEverythingUpToTheLastSeparator) {
    EXPECT_EQ(ProgramDirectoryOf("/opt/vhfcom/build/vhfcom"), "/opt/vhfcom/build/");
    EXPECT_EQ(ProgramDirectoryOf("/vhfcom"), "/");
    EXPECT_EQ(ProgramDirectoryOf("/opt/vhfcom/"), "/opt/vhfcom/");
    EXPECT_EQ(ProgramDirectoryOf("vhfcom"), "");
    EXPECT_EQ(ProgramDirectoryOf(""), "");
}

// Cutting a long path to 255 characters before looking for the separator
// would name a parent folder, and RADIO.INI would be read and written there.
TEST(ProgramDirectoryOf, TakesLongPathsWhole) {
    const std::string folder = "/home/pilot/" + std::string(250, 'd') + "/" + std::string(40, 'e') + "/";
    EXPECT_EQ(ProgramDirectoryOf(folder + "vhfcom"), folder);
}
