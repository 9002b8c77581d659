// The whole window waits for its serial device: a port given with --port
// that is not there yet, a symbolic link to a pseudo-terminal that comes,
// is pulled and comes back.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "comm/device_link.h"
#include "support/form_fixture.h"
#include "support/link_fixture.h"
#include "support/process_events.h"
#include "support/pty_pair.h"

namespace {

class PortReconnectTest : public FormTest {
protected:
    void Relink(const PtyPair& pty) {
        std::filesystem::remove(link);
        std::filesystem::create_symlink(pty.SlavePath(), link);
    }
    bool OnlineAfterAMessage(PtyPair& pty) {
        const DisplayMessage message = BuildDisplayMessage(ReceivingDisplay());
        pty.Write({message.begin(), message.end()});
        return ProcessEventsUntil([] { return OnlineWatchdog != 0; });
    }
    std::string link = dir.File("radio");
};

TEST_F(PortReconnectTest, APortThatIsNotThereYetOpensWhenItComesAndAfterEveryReplug) {
    StartOptions options;
    options.portDevice = link;
    Open(options);
    ASSERT_EQ(portMessages.size(), 1);
    EXPECT_TRUE(portMessages[0].endsWith("\n\nDevice " + QString::fromStdString(link) + ": no such device."));

    auto pty = std::make_unique<PtyPair>();
    Relink(*pty);
    ASSERT_TRUE(ProcessEventsUntil([&] { return form->Comm1.Enabled(); }));
    ASSERT_TRUE(OnlineAfterAMessage(*pty));

    pty->CloseMaster();  // pulled: offline after the usual 2.0 to 2.5 s
    ASSERT_TRUE(ProcessEventsUntil([&] { return !form->Comm1.Enabled(); }));
    for (int tick = 0; tick < 125; ++tick) form->Timer2Timer();
    EXPECT_EQ(OnlineWatchdog, 0);
    EXPECT_TRUE(form->ScrollBar1->isEnabled());

    pty = std::make_unique<PtyPair>();
    Relink(*pty);
    ASSERT_TRUE(ProcessEventsUntil([&] { return form->Comm1.Enabled(); }));
    EXPECT_EQ(form->Comm1.DeviceName(), link);
    EXPECT_TRUE(OnlineAfterAMessage(*pty));
    EXPECT_EQ(portMessages.size(), 1);
    EXPECT_TRUE(messages.empty());

    pty->CloseMaster();
    ASSERT_TRUE(ProcessEventsUntil([&] { return !form->Comm1.Enabled(); }));
    EXPECT_TRUE(form->Ports.Watching());
    form->close();  // the watch ends with the window
    EXPECT_FALSE(form->Ports.Watching());
}

}  // namespace
