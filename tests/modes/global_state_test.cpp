#include <gtest/gtest.h>

#include "emulator/hardware/panel_inputs.h"
#include "emulator/runtime/emulator_wait.h"
#include "link/device_link.h"
#include "modes/global_state.h"
#include "modes/operating_mode.h"
#include "support/idle_firmware.h"
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
        used.At(210, [&] { used.fw.Inputs.PttPilot = 1; });
        used.RunUntilTick(260);
    }
    IdleFirmware unit;
    OnlineModeListener mode(unit.fw);
    ScratchDisplay display;
    DeviceLink link(display.lcd, mode);
    const std::vector<uint8_t> message = [&] {
        const DisplayMessageBytes m = BuildDisplayMessage(ReceivingDisplay());
        return std::vector<uint8_t>(m.begin(), m.end());
    }();
    link.Feed(message.data(), 20);  // half a message, the rest never came

    ResetGlobalState();
    EXPECT_EQ(OnlineWatchdog, 0);

    ScriptedHost fresh;  // a new unit of its own; the golden screen shows nothing was left over
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
