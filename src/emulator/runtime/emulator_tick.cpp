#include "emulator/runtime/emulator_tick.h"

#include "emulator/hardware/eeprom_settings.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"

namespace {

// In direct selection the one frequency in use is shown under ACTIVE, so the
// "active" slider gives it its signal; otherwise the slider of the side the
// receiver is tuned to.
bool ListensToActiveSlider(Firmware& fw) {
    return fw.Settings.DirectSelect || fw.State.TunedFreq == fw.Settings.ActiveFreq;
}

}  // namespace

bool EmulatorTick(Firmware& fw, uint16_t sliderActivePosition, uint16_t sliderStandbyPosition) {
    EmulatorStateRecord& s = fw.State;
    const uint16_t position = ListensToActiveSlider(fw) ? sliderActivePosition : sliderStandbyPosition;
    s.RxLevel = static_cast<uint16_t>(180 + (SliderMaximum - position));
    s.MsCounter += 10;
    s.TickFlag = true;
    if (++s.TickCounter < 25) return false;
    s.TickCounter = 0;
    s.RefreshFlag = true;
    ++s.HalfSeconds;
    s.BlinkPhase = !s.BlinkPhase;
    return true;
}
