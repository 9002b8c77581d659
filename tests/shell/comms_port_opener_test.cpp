// The port opener against real kernel refusals, and what ends its wait for
// a device (port_reconnect_test.cpp has the wait itself).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "comm/comm.h"
#include "common/program_directory.h"
#include "shell/comms_port_opener.h"
#include "shell/port_names.h"
#include "support/file_faults.h"
#include "support/pty_pair.h"
#include "support/temp_dir.h"

namespace {

class PortOpenerTest : public ::testing::Test {
protected:
    PortOpenerTest() {
        SetProgramDirectory(dir.WithSeparator());
        SetDefaultDeviceStem(dir.File("ttyS"));
        ports.ReportNotAvailable = [this](const PortFailure& failure) { reported.push_back(failure); };
    }
    void MapCom1(const std::string& device) { dir.Write("RADIO.INI", "[Ports]\r\nCOM1=" + device + "\r\n"); }

    TempDir dir;
    TComm comm;
    CommsPortOpener ports{comm};
    std::vector<PortFailure> reported;
};

struct Refusal {
    const char* name;
    std::function<std::string(TempDir&, PtyPair&, int& held)> makeDevice;
    PortFailureCause cause;
};

const Refusal kRefusals[] = {
    {"missing path", [](TempDir& d, PtyPair&, int&) { return d.File("gone"); }, PortFailureCause::NoSuchDevice},
    {"no read permission",
     [](TempDir& d, PtyPair&, int&) {
         d.Write("locked", "");
         ::chmod(d.File("locked").c_str(), 0200);
         return d.File("locked");
     },
     PortFailureCause::PermissionDenied},
    {"held with TIOCEXCL",
     [](TempDir&, PtyPair& pty, int& held) {
         held = ::open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY);
         ::ioctl(held, TIOCEXCL);
         return pty.SlavePath();
     },
     PortFailureCause::InUse},
    {"regular file",
     [](TempDir& d, PtyPair&, int&) {
         d.Write("notes.txt", "text");
         return d.File("notes.txt");
     },
     PortFailureCause::NotSerialDevice},
};

TEST_F(PortOpenerTest, AFailureNamesTheDeviceAndTheCauseTheKernelGave) {
    for (const Refusal& refusal : kRefusals) {
        PtyPair pty;
        int held = -1;
        const std::string device = refusal.makeDevice(dir, pty, held);
        MapCom1(device);
        reported.clear();
        {
            AsUnprivilegedUser asUser;
            ports.Open(0);
        }
        if (held >= 0) ::close(held);
        ASSERT_EQ(reported.size(), 1u) << refusal.name;
        EXPECT_EQ(reported[0].portNumber, 1) << refusal.name;
        EXPECT_EQ(reported[0].device, device) << refusal.name;
        EXPECT_EQ(reported[0].cause, refusal.cause) << refusal.name;
        EXPECT_FALSE(ports.IsOpen()) << refusal.name;
        EXPECT_TRUE(ports.Watching()) << refusal.name;
    }
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

}  // namespace
