#include "emulator/screens/main_screen.h"

#include <string>
#include <string_view>

#include "display/display_text.h"
#include "display/lcd_font.h"
#include "display/row_images.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/radio/channel_lookup.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/runtime/emulator_display.h"
#include "emulator/runtime/emulator_state.h"
#include "freqdb/freq_database.h"

namespace {

constexpr int kHidden = -1;
constexpr int32_t kLowestKHz = 108000;
constexpr int32_t kHighestKHz = 136975;
constexpr std::string_view kBlankField = "      ";
constexpr std::string_view kNoChannel = " CH-- ";
// Row 7 in MHz, kHz and channel tuning.
constexpr const char* kTuningLabels[] = {"    MHZ", "    KHZ", "Channel"};

// The parts redrawn every half-second, each drawn again only when what it
// shows has changed or something drew over it (Lcd::BeginField).
enum MainScreenField : uint8_t {
    kHeaderField,
    kActiveFrequencyField,
    kStandbyFrequencyField,
    kActiveChannelField,
    kStandbyChannelField,
    kBannerField,
    kAdjustLineField,
};

struct Layout {
    const uint8_t* rowImage;
    int activeX;   // pixel column of the active block, or kHidden
    int standbyX;  // pixel column of the standby block, or kHidden
};

// By DualMode: main+standby, main only, standby only.
const Layout kDualModeLayouts[] = {
    {HeaderBarImage, 0, 53},
    {ActiveBarImage, 24, kHidden},
    {StandbyBarImage, kHidden, 24},
};
// Direct selection: the one frequency in use under the word ACTIVE.
const Layout kDirectSelectLayout = {ActiveBarImage, kHidden, 24};

const Layout& ChooseLayout() {
    if (EepromSettings.DirectSelect) return kDirectSelectLayout;
    const uint8_t mode = EepromSettings.DualMode;
    return mode < std::size(kDualModeLayouts) ? kDualModeLayouts[mode] : kDualModeLayouts[0];
}

void DrawText(std::string_view text, int x, uint8_t row) {
    EmulatorLcd().GotoPixel(static_cast<uint8_t>(x), row);
    EmulatorLcd().DrawText(text);
}

// The third decimal of a frequency as a small raised digit after the large ones.
void DrawSmallDigit(int32_t kHz, int x) {
    DrawText(std::string(1, static_cast<char>(SmallDigitZeroCode + kHz % 10)), x + 48, 1);
}

bool Blinking(AdjustModeValue adjustMode) { return EmulatorState.BlinkPhase && EmulatorState.AdjustMode == adjustMode; }

std::string ChannelText(uint8_t index) { return ("CH " + std::to_string(index + 1)).substr(0, 6); }

void DrawScanMark() {
    EmulatorLcd().Inverse = true;
    DrawText("S", 6 * 8, 0);
    EmulatorLcd().Inverse = false;
}

void DrawActiveFrequency(int x) {
    const EmulatorStateRecord& s = EmulatorState;
    const int32_t kHz = EepromSettings.ActiveFreq;
    const bool receiving = s.RxState == RxReceiving && s.TunedFreq == kHz && s.BlinkPhase;
    if (!EmulatorLcd().BeginField(kActiveFrequencyField, FieldInputs().Add(x).Add(kHz).Add(receiving).Add(s.Step25)))
        return;
    EmulatorLcd().Inverse = false;
    EmulatorLcd().BigFont = true;
    DrawText(receiving ? "   .  " : FormatFreq6(kHz), x, 1);
    EmulatorLcd().BigFont = false;
    if (s.Step25) DrawSmallDigit(kHz, x);
    EmulatorLcd().EndField();
}

// In three pieces, so that the MHz part and the kHz part blink on their own.
void DrawStandbyFrequency(int x) {
    const EmulatorStateRecord& s = EmulatorState;
    const int32_t kHz = EepromSettings.StandbyFreq;
    const bool receiving = s.ScanOn && s.RxState == RxReceiving && s.TunedFreq == kHz && s.BlinkPhase;
    FieldInputs inputs;
    inputs.Add(x).Add(kHz).Add(receiving).Add(Blinking(AdjustMhz)).Add(Blinking(AdjustKhz)).Add(s.Step25);
    if (!EmulatorLcd().BeginField(kStandbyFrequencyField, inputs)) return;
    const std::string digits = pad5(static_cast<uint16_t>(kHz / 10));
    EmulatorLcd().BigFont = true;
    EmulatorLcd().Inverse = Blinking(AdjustMhz);
    DrawText(receiving ? "   " : digits.substr(0, 3), x, 1);
    EmulatorLcd().Inverse = false;
    DrawText(".", x + 24, 1);
    EmulatorLcd().Inverse = Blinking(AdjustKhz);
    DrawText(receiving ? "  " : digits.substr(3, 2), x + 32, 1);
    EmulatorLcd().Inverse = false;
    EmulatorLcd().BigFont = false;
    if (s.Step25) {
        EmulatorLcd().Inverse = Blinking(AdjustKhz);
        DrawSmallDigit(kHz, x);
        EmulatorLcd().Inverse = false;
    }
    EmulatorLcd().EndField();
}

void DrawChannelFields(MainScreenField field, std::string_view name, std::string_view type, std::string_view channel,
                       int x, bool inverse) {
    if (!EmulatorLcd().BeginField(field, FieldInputs().Add(name).Add(type).Add(channel).Add(x).Add(inverse))) return;
    DrawText(Center6(name), x, 3);
    DrawText(Center6(type), x, 4);
    EmulatorLcd().Inverse = inverse;
    DrawText(Center6(channel), x, 5);
    EmulatorLcd().Inverse = false;
    EmulatorLcd().EndField();
}

void DrawActiveChannel(int x) {
    EmulatorStateRecord& s = EmulatorState;
    if (!FindChannelByFrequency(EepromSettings.ActiveFreq)) {
        s.ActiveName = s.ActiveType = kBlankField;
        DrawChannelFields(kActiveChannelField, kBlankField, kBlankField, kNoChannel, x, false);
        return;
    }
    s.CurrentRecord = FreqTable[s.FoundChannel];
    s.ActiveName = s.CurrentRecord.Name();
    s.ActiveType = s.CurrentRecord.Type();
    s.ActiveChannelText = ChannelText(s.FoundChannel);
    DrawChannelFields(kActiveChannelField, s.ActiveName, s.ActiveType, s.ActiveChannelText, x, false);
}

// The standby record: the selected channel in channel mode, else the first
// channel on the standby frequency.
bool ChooseStandbyRecord() {
    EmulatorStateRecord& s = EmulatorState;
    if (s.ChannelMode) {
        s.CurrentRecord = FreqTable[EepromSettings.ChannelIndex];
        NormaliseCurrentRecord();
        s.FoundChannel = EepromSettings.ChannelIndex;
        return true;
    }
    if (!FindChannelByFrequency(EepromSettings.StandbyFreq)) return false;
    s.CurrentRecord = FreqTable[s.FoundChannel];
    return true;
}

void DrawStandbyChannel(int x) {
    EmulatorStateRecord& s = EmulatorState;
    const bool inverse = Blinking(AdjustChannel);
    if (!ChooseStandbyRecord()) {
        s.StandbyName = s.StandbyType = kBlankField;
        DrawChannelFields(kStandbyChannelField, kBlankField, kBlankField, kNoChannel, x, inverse);
        return;
    }
    s.StandbyName = s.CurrentRecord.Name();
    s.StandbyType = s.CurrentRecord.Type();
    s.StandbyChannelText = ChannelText(s.FoundChannel);
    DrawChannelFields(kStandbyChannelField, s.StandbyName, s.StandbyType, s.StandbyChannelText, x, inverse);
}

void DrawBanner() {
    const bool transmitBanner = EmulatorState.Transmitting && EepromSettings.DualMode < 2;
    if (EmulatorLcd().BeginField(kBannerField, FieldInputs().Add(transmitBanner))) {
        EmulatorLcd().GotoText(0, 6);
        EmulatorLcd().DrawPageRow(transmitBanner ? TxBannerImage : RxBannerImage);
        EmulatorLcd().EndField();
    }
    EmulatorLcd().Inverse = false;
}

// The row is blanked first: a flip leaves a tuning mode without clearing the
// display, and its label must not stay beside the volume bar.
void DrawAdjustLine() {
    const uint8_t mode = EmulatorState.AdjustMode;
    FieldInputs inputs;
    inputs.Add(mode).Add(EepromSettings.Volume).Add(EepromSettings.SquelchSetting);
    if (!EmulatorLcd().BeginField(kAdjustLineField, inputs)) return;
    EmulatorLcd().GotoText(0, 7);
    EmulatorLcd().DrawText(std::string(LcdWidth / 8, ' '));
    EmulatorLcd().GotoText(0, 7);
    if (mode == AdjustVolume) {
        EmulatorLcd().DrawBar(28, 7, EepromSettings.Volume);
        EmulatorLcd().DrawText("Vol");
    } else if (mode == AdjustSquelch) {
        EmulatorLcd().DrawBar(28, 7, static_cast<uint16_t>((63 - EepromSettings.SquelchSetting) / 2));
        EmulatorLcd().DrawText("Sql");
    } else if (mode <= AdjustChannel) {
        EmulatorLcd().GotoText(6, 7);
        EmulatorLcd().DrawText(kTuningLabels[mode - AdjustMhz]);
    }
    EmulatorLcd().EndField();
}

}  // namespace

void NormaliseCurrentRecord() {
    FreqRecord& r = EmulatorState.CurrentRecord;
    if (r.NameLength != FreqTextCapacity) r.SetName(kBlankField);
    if (r.TypeLength != FreqTextCapacity) r.SetType(kBlankField);
    if (r.FreqKHz < kLowestKHz) r.FreqKHz = kLowestKHz;
    if (r.FreqKHz > kHighestKHz) r.FreqKHz = kHighestKHz;
}

void DrawMainScreen() {
    const Layout& layout = ChooseLayout();
    EmulatorLcd().BigFont = false;
    const bool mainAndStandby = layout.rowImage == HeaderBarImage;
    const bool scanMark = mainAndStandby && EmulatorState.ScanOn && EmulatorState.BlinkPhase;
    if (EmulatorLcd().BeginField(kHeaderField, FieldInputs().Add(layout.rowImage).Add(scanMark))) {
        EmulatorLcd().GotoText(0, 0);
        EmulatorLcd().DrawPageRow(layout.rowImage);
        if (scanMark) DrawScanMark();
        EmulatorLcd().EndField();
    }
    if (layout.activeX != kHidden) DrawActiveFrequency(layout.activeX);
    if (layout.standbyX != kHidden) DrawStandbyFrequency(layout.standbyX);
    if (layout.activeX != kHidden) DrawActiveChannel(layout.activeX);
    if (layout.standbyX != kHidden) DrawStandbyChannel(layout.standbyX + 3);
    DrawBanner();
    DrawAdjustLine();
}
