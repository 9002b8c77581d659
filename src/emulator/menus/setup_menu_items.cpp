// The lines of the Setup menu: operating modes, then service functions.
// Changes of persisted settings mark the settings changed.
#include "emulator/menus/setup_menu_items.h"

#include <algorithm>
#include <string>

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/radio/receiver_tuning.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
#include "emulator/screens/readings_screens.h"
#include "emulator/screens/receiver_sweeps.h"
#include "emulator/screens/transmitter_sweep.h"

namespace {

constexpr const char* kDualModeTexts[] = {"Main+Standby", "Main only", "Standby only"};
constexpr uint8_t kDualModes = 3;

std::string DualModeValue(Firmware& fw) {
    const uint8_t mode = fw.Settings.DualMode;
    return mode < kDualModes ? kDualModeTexts[mode] : "";
}

void NextDualMode(Firmware& fw) {
    uint8_t& mode = fw.Settings.DualMode;
    mode = mode >= kDualModes - 1 ? 0 : mode + 1;
    MarkSettingsChanged(fw);
}

// Any byte but 0 is shown as on, so a toggle goes from what is shown: a
// settings file holding 2 reads "On" and the next toggle switches it off.
void Toggle(Firmware& fw, uint8_t& setting) {
    setting = setting != 0 ? 0 : 1;
    MarkSettingsChanged(fw);
}

const char* OnOff(uint8_t setting) { return setting != 0 ? "On" : "Off"; }

std::string MicInvertValue(Firmware& fw) { return OnOff(fw.Settings.MicInvert); }
void ToggleMicInvert(Firmware& fw) { Toggle(fw, fw.Settings.MicInvert); }

std::string TxMicValue(Firmware& fw) { return fw.Settings.TxHotMic != 0 ? "HOT" : "VOX"; }
void ToggleTxMic(Firmware& fw) { Toggle(fw, fw.Settings.TxHotMic); }

std::string TxLockValue(Firmware& fw) { return OnOff(fw.Settings.TxLock); }
void ToggleTxLock(Firmware& fw) { Toggle(fw, fw.Settings.TxLock); }

std::string PriorityScanValue(Firmware& fw) { return OnOff(fw.Settings.PriorityScan); }
void TogglePriorityScan(Firmware& fw) { Toggle(fw, fw.Settings.PriorityScan); }

std::string SelectionValue(Firmware& fw) { return fw.Settings.DirectSelect != 0 ? "Direct FS" : "Flip-Flop FS"; }

// The receiver goes over to the frequency the new selection mode uses, so
// that what is heard is what is shown.
void ToggleSelection(Firmware& fw) {
    Toggle(fw, fw.Settings.DirectSelect);
    if (!fw.State.Transmitting) TuneReceiver(fw);
}

// The transmit offset in kHz, -32000..32000 in steps of 1000.
constexpr int16_t kTxOffsetStep = 1000;
constexpr int16_t kTxOffsetLimit = 32000;

std::string TxOffsetValue(Firmware& fw) { return std::to_string(fw.Settings.TxOffset); }

void StartEditing(Firmware& fw) { fw.State.SetupEditing = true; }

// Limited to the range also from an odd value a settings file may hold,
// which a whole step would carry past the 16-bit range.
void TxOffsetUp(Firmware& fw) {
    int16_t& offset = fw.Settings.TxOffset;
    if (offset < kTxOffsetLimit) offset = static_cast<int16_t>(std::min(offset + kTxOffsetStep, +kTxOffsetLimit));
    MarkSettingsChanged(fw);
}

void TxOffsetDown(Firmware& fw) {
    int16_t& offset = fw.Settings.TxOffset;
    if (offset > -kTxOffsetLimit) offset = static_cast<int16_t>(std::max(offset - kTxOffsetStep, -kTxOffsetLimit));
    MarkSettingsChanged(fw);
}

std::string CpuFreqValue(Firmware& fw) { return std::to_string(fw.State.CpuFreqReading); }

// A service screen stays open until a key ends it, however long that takes;
// the Setup menu's idle time (HalfSeconds) starts again when it returns.
template <Task<> (*Screen)(Firmware&)>
Task<> ServiceScreen(Firmware& fw) {
    co_await Screen(fw);
    fw.State.HalfSeconds = 0;
}

}  // namespace

// clang-format off
const std::array<SetupItem, SetupItemCount> kSetupItems = {{
    // label         value               select                                  up           down
    {" ",            DualModeValue,      AsTask<NextDualMode>,                     nullptr,     nullptr},
    {" Invert ",     MicInvertValue,     AsTask<ToggleMicInvert>,                  nullptr,     nullptr},
    {" Tx MIC ",     TxMicValue,         AsTask<ToggleTxMic>,                      nullptr,     nullptr},
    {" Tx lock ",    TxLockValue,        AsTask<ToggleTxLock>,                     nullptr,     nullptr},
    {" P-scan ",     PriorityScanValue,  AsTask<TogglePriorityScan>,               nullptr,     nullptr},
    {" ",            SelectionValue,     AsTask<ToggleSelection>,                  nullptr,     nullptr},
    {" ADC 1 ",      nullptr,            ServiceScreen<RunReadingsScreen1>,        nullptr,     nullptr},
    {" ADC 2 ",      nullptr,            ServiceScreen<RunReadingsScreen2>,        nullptr,     nullptr},
    {" TX ofs ",     TxOffsetValue,      AsTask<StartEditing>,                     TxOffsetUp,  TxOffsetDown},
    {" RX 200Khz ",  nullptr,            ServiceScreen<RunReceiverStepTest>,       nullptr,     nullptr},
    {" RX Test ",    nullptr,            ServiceScreen<RunReceiverScanTest>,       nullptr,     nullptr},
    {" TX Test ",    nullptr,            ServiceScreen<RunTransmitterStepTest>,    nullptr,     nullptr},
    {" CPUF: ",      CpuFreqValue,       AsTask<StartEditing>,                     nullptr,     nullptr},
}};
// clang-format on
