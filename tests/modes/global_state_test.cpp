#include <gtest/gtest.h>

#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_wait.h"
#include "freqdb/freq_database.h"
#include "link/device_link.h"
#include "modes/global_state.h"
#include "modes/operating_mode.h"
#include "ports/comms_port_opener.h"
#include "support/link_fixture.h"
#include "support/scratch_display.h"
#include "support/screen_art.h"
#include "support/scripted_host.h"

namespace {

// A program that scanned, tuned, transmitted, edited a channel and took half a
// display message, then reset: it shows the screens of a fresh program.
TEST(GlobalStateTest, AfterTheResetTheEmulatorAndTheLinkStartAsAFreshProgram) {
    {
        ScriptedHost used;
        used.HoldKey(KeyBitActive, 130, 40);  // long press: scanning on
        used.TapKey(KeyBitMhzKhzCh, 200);     // MHz tuning
        used.At(210, [] { PanelInputs.PttPilot = 1; });
        used.RunUntilTick(260);
    }
    FreqTable[0].SetName("USED");
    CurrentFreqFile = "/nowhere/used.dat";
    FreqDbDirty = true;
    OperatingMode mode;
    ScratchDisplay display;
    DeviceLink link(display.lcd, mode);
    const std::vector<uint8_t> message = [] {
        const DisplayMessageBytes m = BuildDisplayMessage(ReceivingDisplay());
        return std::vector<uint8_t>(m.begin(), m.end());
    }();
    link.Feed(message.data(), 20);  // half a message, the rest never came
    CommsPort = 5;

    ResetGlobalState();
    EXPECT_EQ(CommsPort, 0);
    EXPECT_EQ(CurrentFreqFile, "");
    EXPECT_EQ(FreqTable[0].Name(), "");
    EXPECT_FALSE(FreqDbDirty);
    EXPECT_FALSE(StopRequest);

    ScriptedHost fresh;  // resets again on its own; the golden screen shows nothing was left over
    fresh.At(126, [&] { EXPECT_TRUE(MatchesGolden(fresh.Frame(), "main_defaults")); });
    fresh.RunUntilTick(130);

    // The half message stays with the link that took it; a new link starts afresh.
    ResetGlobalState();
    display.lcd.Clear();
    DeviceLink another(display.lcd, mode);
    another.Feed(message.data(), static_cast<int32_t>(message.size()));
    EXPECT_TRUE(MatchesGolden(display.frame, "online_vol_receiving"));
}

}  // namespace
