// The whole window waits for its serial device. The device of this run
// (--port) is the user's own link to a node, as "ln -s /dev/ttyUSB0 ~/radio"
// makes it, in a folder that is not there yet; the node is a link to a
// pseudo-terminal, made and removed as the kernel makes and removes a node
// when an adapter is plugged in and pulled.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "link/device_link.h"
#include "support/form_fixture.h"
#include "support/link_fixture.h"
#include "support/process_events.h"
#include "support/pty_pair.h"

namespace {

class PortReconnectTest : public FormTest {
protected:
    bool PortOpens(bool open) {
        return ProcessEventsUntil([&] { return form->Core.Comm1.Enabled() == open; });
    }
    bool OnlineAfterAMessage(PtyPair& pty) {
        const DisplayMessageBytes message = BuildDisplayMessage(ReceivingDisplay());
        pty.Write({message.begin(), message.end()});
        return ProcessEventsUntil([this] { return form->Core.Mode.Watchdog() != 0; });
    }
    std::string link = dir.File("mine/radio");
    std::string node = dir.File("ttyUSB0");
};

TEST_F(PortReconnectTest, APortThatIsNotThereYetOpensWhenItComesAndAfterEveryReplug) {
    StartOptions options;
    options.portDevice = link;
    Open(options);
    ASSERT_EQ(portMessages.size(), 1);
    EXPECT_TRUE(portMessages[0].endsWith("\n\nDevice " + QString::fromStdString(link) + ": no such device."));

    auto pty = std::make_unique<PtyPair>();
    std::filesystem::create_symlink(pty->SlavePath(), node);
    std::filesystem::create_directory(dir.File("mine"));
    std::filesystem::create_symlink(node, link);
    ASSERT_TRUE(PortOpens(true));
    ASSERT_TRUE(OnlineAfterAMessage(*pty));

    pty->CloseMaster();  // pulled: offline after the usual 2.0 to 2.5 s
    std::filesystem::remove(node);
    ASSERT_TRUE(PortOpens(false));
    for (int tick = 0; tick < 125; ++tick) form->Timer2Timer();
    EXPECT_EQ(form->Label1->text(), "Offline - device emulation mode");

    pty = std::make_unique<PtyPair>();  // plugged in again; the user's link stayed
    std::filesystem::create_symlink(pty->SlavePath(), node);
    ASSERT_TRUE(PortOpens(true));
    EXPECT_EQ(form->Core.Comm1.DeviceName(), link);
    EXPECT_TRUE(OnlineAfterAMessage(*pty));
    EXPECT_EQ(portMessages.size(), 1);  // nothing of the wait was reported
    EXPECT_TRUE(messages.empty());

    pty->CloseMaster();
    ASSERT_TRUE(PortOpens(false));
    EXPECT_TRUE(form->Core.Ports.Watching());
    form->close();  // the watch ends with the window
    EXPECT_FALSE(form->Core.Ports.Watching());
}

}  // namespace
