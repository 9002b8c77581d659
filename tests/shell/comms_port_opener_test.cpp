// The port opener against real kernel refusals, and its wait for a device:
// pseudo-terminals behind symbolic links play the adapter that comes, goes
// and comes back.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <memory>

#include "comm/comm.h"
#include "common/program_directory.h"
#include "shell/comms_port_opener.h"
#include "shell/port_names.h"
#include "support/file_faults.h"
#include "support/manual_hand_over.h"
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
    // What the kernel reported is there at once: inotify queues it in the
    // very call that changed the folder.
    bool WatchReported() const {
        pollfd watch{ports.WatchDescriptor(), POLLIN, 0};
        return ::poll(&watch, 1, 0) == 1;
    }
    void Link(const std::string& target, const std::string& link) {
        std::filesystem::remove(link);
        std::filesystem::create_symlink(target, link);
    }

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

// The user's own link to a node, as "ln -s /dev/ttyUSB0 ~/radio" makes it,
// in a folder that is not there yet; the node itself is a link to a
// pseudo-terminal, made and removed as the kernel makes and removes a node.
TEST_F(PortOpenerTest, AMissingDeviceOpensQuietlyWhenItComesAndAgainAfterItWasPulled) {
    const std::string folder = dir.File("mine");
    const std::string link = folder + "/radio";
    const std::string node = dir.File("ttyUSB0");
    MapCom1(link);
    ports.Open(0);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].cause, PortFailureCause::NoSuchDevice);

    dir.Write("unrelated", "");  // other names in a watched folder change nothing
    EXPECT_TRUE(WatchReported());
    ports.ServeWatch();
    EXPECT_FALSE(WatchReported());
    std::filesystem::create_directory(folder);
    ASSERT_TRUE(WatchReported());
    ports.ServeWatch();
    EXPECT_FALSE(ports.IsOpen());

    auto pty = std::make_unique<PtyPair>();
    Link(pty->SlavePath(), node);
    Link(node, link);
    ASSERT_TRUE(WatchReported());
    ports.ServeWatch();
    EXPECT_TRUE(ports.IsOpen());
    EXPECT_FALSE(ports.Watching());
    EXPECT_EQ(comm.DeviceName(), link);

    ManualHandOver handOver(comm);
    pty->CloseMaster();  // the adapter is pulled
    std::filesystem::remove(node);
    ASSERT_TRUE(handOver.ServeNext());
    EXPECT_FALSE(ports.IsOpen());
    EXPECT_TRUE(ports.Watching());

    pty = std::make_unique<PtyPair>();  // plugged in again; the user's link stayed
    Link(pty->SlavePath(), node);
    ASSERT_TRUE(WatchReported());
    ports.ServeWatch();
    EXPECT_TRUE(ports.IsOpen());
    EXPECT_EQ(reported.size(), 1u);  // nothing of the wait was reported
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
    EXPECT_FALSE(ports.Watching());
    dir.Write("moved", "");
    EXPECT_FALSE(WatchReported());
}

TEST_F(PortOpenerTest, TheDeviceOfThisRunIsWatchedAndNoMappingReplacesIt) {
    ports.UseDeviceOnce(dir.File("run-device"));
    ports.Open(2);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].portNumber, 3);
    EXPECT_EQ(reported[0].device, dir.File("run-device"));
    ports.MappingChanged(3);
    EXPECT_EQ(reported.size(), 1u);

    PtyPair pty;
    Link(pty.SlavePath(), dir.File("run-device"));
    ASSERT_TRUE(WatchReported());
    ports.ServeWatch();
    EXPECT_TRUE(ports.IsOpen());
    EXPECT_EQ(comm.DeviceName(), dir.File("run-device"));
}

}  // namespace
