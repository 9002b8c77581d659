#include <gtest/gtest.h>

#include "gui/shell/command_line.h"

namespace {

// A recording given as the argument starts a replay; a database opens.
TEST(CommandLineTest, TheArgumentIsADatabaseOrARecordingToReplay) {
    const struct {
        QStringList arguments;
        std::string database;
        std::string replay;
        double speed;
    } rows[] = {
        {{"a.dat"}, "a.dat", "", 1.0},
        {{"flight.vhfrec"}, "", "flight.vhfrec", 1.0},
        {{"FLIGHT.VHFREC", "--speed", "2"}, "", "FLIGHT.VHFREC", 2.0},
        {{"--replay", "r.vhfrec", "a.dat"}, "a.dat", "r.vhfrec", 1.0},
    };
    for (const auto& row : rows) {
        const CommandLine parsed = ParseCommandLine(QStringList{"vhfcom"} + row.arguments);
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        EXPECT_EQ(parsed.action, CommandLine::Action::Run);
        EXPECT_EQ(parsed.start.database, row.database);
        EXPECT_EQ(parsed.start.replayFile, row.replay);
        EXPECT_EQ(parsed.start.replaySpeed, row.speed);
    }
    EXPECT_EQ(ParseCommandLine({"vhfcom", "--replay", "r.vhfrec", "s.vhfrec"}).action, CommandLine::Action::UsageError);
}

}  // namespace
