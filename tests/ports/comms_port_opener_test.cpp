// The port opener against real kernel refusals, and what ends its wait for
// a device (port_reconnect_test.cpp has the wait itself).
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ports/comms_port_opener.h"
#include "ports/port_names.h"
#include "serial/comm.h"
#include "support/file_faults.h"
#include "support/pty_pair.h"
#include "support/temp_dir.h"

namespace {

class PortOpenerTest : public ::testing::Test {
protected:
    PortOpenerTest() {
        ports.ReportNotAvailable = [this](const PortFailure& failure) { reported.push_back(failure); };
    }
    void MapCom1(const std::string& device) { dir.Write("RADIO.INI", "[Ports]\r\nCOM1=" + device + "\r\n"); }

    TempDir dir;
    TComm comm;
    CommsPortOpener ports{comm, {dir.File("RADIO.INI"), dir.File("ttyS")}};
    std::vector<PortFailure> reported;

    // Serves the watch when the kernel reported something (it reports at once).
    void ServeWatchIfWoken() {
        pollfd watch{ports.WatchDescriptor(), POLLIN, 0};
        if (::poll(&watch, 1, 0) > 0) ports.ServeWatch();
    }
};

// As a user without root, who meets every refusal the kernel has.
TEST_F(PortOpenerTest, AFailureNamesTheDeviceAndTheCauseTheKernelGave) {
    PtyPair pty;
    const int held = ::open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY);  // another program's
    ::ioctl(held, TIOCEXCL);
    dir.Write("locked", "");
    ::chmod(dir.File("locked").c_str(), 0200);
    dir.Write("notes.txt", "text");
    const struct {
        std::string device;
        PortFailureCause cause;
    } refusals[] = {
        {dir.File("gone"), PortFailureCause::NoSuchDevice},
        {dir.File("locked"), PortFailureCause::PermissionDenied},
        {pty.SlavePath(), PortFailureCause::InUse},
        {dir.File("notes.txt"), PortFailureCause::NotSerialDevice},
    };
    for (const auto& refusal : refusals) {
        MapCom1(refusal.device);
        reported.clear();
        {
            FilePermissionsEnforced asUser(FilePermissionsEnforced::Bit(CAP_SYS_ADMIN));
            ports.Open(0);
        }
        ASSERT_EQ(reported.size(), 1u) << refusal.device;
        EXPECT_EQ(reported[0].portNumber, 1);
        EXPECT_EQ(reported[0].device, refusal.device);
        EXPECT_EQ(reported[0].cause, refusal.cause) << refusal.device;
        EXPECT_EQ(reported[0].groupToJoin, "") << "the owner's own group would not help";
        EXPECT_FALSE(reported[0].deviceOfThisRun);
        EXPECT_TRUE(ports.Watching());
    }
    ::close(held);
    reported.clear();
    ports.UseDeviceOnce(dir.File("given"));
    ports.Open(0);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_TRUE(reported[0].deviceOfThisRun);
}

// Joining a group is advised only for a group that may use the device and
// that the user is not in (a foreign group can only be given by root).
TEST_F(PortOpenerTest, JoiningTheDevicesGroupIsAdvisedOnlyWhereItWouldHelp) {
    const gid_t foreign = 20;
    dir.Write("device", "");
    ::chmod(dir.File("device").c_str(), 0660);
    EXPECT_EQ(GroupThatWouldGrant(dir.File("device")), "") << "a group the user is in";
    if (::chown(dir.File("device").c_str(), static_cast<uid_t>(-1), foreign) != 0 || ::getegid() == foreign)
        GTEST_SKIP() << "no foreign group to give the device";
    const group* entry = ::getgrgid(foreign);
    EXPECT_EQ(GroupThatWouldGrant(dir.File("device")), entry ? entry->gr_name : "");
    ::chmod(dir.File("device").c_str(), 0600);
    EXPECT_EQ(GroupThatWouldGrant(dir.File("device")), "") << "the group may not use it";
}

TEST_F(PortOpenerTest, AChoiceAMappingChangeAndCloseEndTheWatch) {
    PtyPair pty;
    dir.Write("RADIO.INI", "[Ports]\r\nCOM2=" + pty.SlavePath() + "\r\n");
    ports.Open(0);  // COM1: ttyS0 of the scratch folder, missing
    EXPECT_TRUE(ports.Watching());
    ports.Open(1);
    EXPECT_TRUE(ports.IsOpen());
    EXPECT_FALSE(ports.Watching());

    dir.Write("RADIO.INI", "[Ports]\r\nCOM2=" + dir.File("moved") + "\r\n");
    ports.MappingChanged(1);  // not the port in use
    EXPECT_TRUE(ports.IsOpen());
    ports.MappingChanged(2);
    EXPECT_FALSE(ports.IsOpen());
    EXPECT_EQ(reported.back().device, dir.File("moved"));
    EXPECT_TRUE(ports.Watching());

    ports.Close();
    dir.Write("moved", "");
    pollfd watch{ports.WatchDescriptor(), POLLIN, 0};
    EXPECT_EQ(::poll(&watch, 1, 0), 0);  // inotify reports at once what it reports at all
}

// The kernel makes a device node before its permissions are set: a node that
// appears with mode 0200 (here a link to a terminal of that mode, as by-id
// links come) is opened once it is made readable.
TEST_F(PortOpenerTest, ANodeThatBecomesReadableIsOpened) {
    PtyPair pty;
    const std::string node = dir.File("ttyUSB0");
    MapCom1(node);
    FilePermissionsEnforced asUser;
    ports.Open(0);
    ASSERT_TRUE(ports.Watching());
    ::chmod(pty.SlavePath().c_str(), 0200);
    std::filesystem::create_symlink(pty.SlavePath(), node);
    ServeWatchIfWoken();
    EXPECT_FALSE(ports.IsOpen());
    ::chmod(pty.SlavePath().c_str(), 0600);
    ServeWatchIfWoken();
    EXPECT_TRUE(ports.IsOpen());
    EXPECT_FALSE(ports.Watching());
}

}  // namespace
