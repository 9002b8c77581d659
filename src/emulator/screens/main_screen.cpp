#include "emulator/screens/main_screen.h"

#include <string>
#include <string_view>

#include "display/display_text.h"
#include "display/lcd_font.h"
#include "display/row_images.h"
#include "emulator/hardware/eeprom_settings.h"
#include "emulator/radio/channel_lookup.h"
#include "emulator/radio/radio_constants.h"
#include "emulator/runtime/emulator_state.h"
#include "emulator/runtime/firmware.h"
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

const Layout& ChooseLayout(Firmware& fw) {
    if (fw.Settings.DirectSelect) return kDirectSelectLayout;
    const uint8_t mode = fw.Settings.DualMode;
    return mode < std::size(kDualModeLayouts) ? kDualModeLayouts[mode] : kDualModeLayouts[0];
}

void DrawText(Firmware& fw, std::string_view text, int x, uint8_t row) {
    fw.Display.GotoPixel(static_cast<uint8_t>(x), row);
    fw.Display.DrawText(text);
}

// The third decimal of a frequency as a small raised digit after the large ones.
void DrawSmallDigit(Firmware& fw, int32_t kHz, int x) {
    DrawText(fw, std::string(1, static_cast<char>(SmallDigitZeroCode + kHz % 10)), x + 48, 1);
}

bool Blinking(Firmware& fw, AdjustModeValue adjustMode) {
    return fw.State.BlinkPhase && fw.State.AdjustMode == adjustMode;
}

std::string ChannelText(uint8_t index) { return ("CH " + std::to_string(index + 1)).substr(0, 6); }

void DrawScanMark(Firmware& fw) {
    fw.Display.Inverse = true;
    DrawText(fw, "S", 6 * 8, 0);
    fw.Display.Inverse = false;
}

void DrawActiveFrequency(Firmware& fw, int x) {
    const EmulatorStateRecord& s = fw.State;
    const int32_t kHz = fw.Settings.ActiveFreq;
    const bool receiving = s.RxState == RxReceiving && s.TunedFreq == kHz && s.BlinkPhase;
    if (!fw.Display.BeginField(kActiveFrequencyField, FieldInputs().Add(x).Add(kHz).Add(receiving).Add(s.Step25)))
        return;
    fw.Display.Inverse = false;
    fw.Display.BigFont = true;
    DrawText(fw, receiving ? "   .  " : FormatFreq6(kHz), x, 1);
    fw.Display.BigFont = false;
    if (s.Step25) DrawSmallDigit(fw, kHz, x);
    fw.Display.EndField();
}

// In three pieces, so that the MHz part and the kHz part blink on their own.
void DrawStandbyFrequency(Firmware& fw, int x) {
    const EmulatorStateRecord& s = fw.State;
    const int32_t kHz = fw.Settings.StandbyFreq;
    const bool receiving = s.ScanOn && s.RxState == RxReceiving && s.TunedFreq == kHz && s.BlinkPhase;
    FieldInputs inputs;
    inputs.Add(x).Add(kHz).Add(receiving).Add(Blinking(fw, AdjustMhz)).Add(Blinking(fw, AdjustKhz)).Add(s.Step25);
    if (!fw.Display.BeginField(kStandbyFrequencyField, inputs)) return;
    const std::string digits = pad5(static_cast<uint16_t>(kHz / 10));
    fw.Display.BigFont = true;
    fw.Display.Inverse = Blinking(fw, AdjustMhz);
    DrawText(fw, receiving ? "   " : digits.substr(0, 3), x, 1);
    fw.Display.Inverse = false;
    DrawText(fw, ".", x + 24, 1);
    fw.Display.Inverse = Blinking(fw, AdjustKhz);
    DrawText(fw, receiving ? "  " : digits.substr(3, 2), x + 32, 1);
    fw.Display.Inverse = false;
    fw.Display.BigFont = false;
    if (s.Step25) {
        fw.Display.Inverse = Blinking(fw, AdjustKhz);
        DrawSmallDigit(fw, kHz, x);
        fw.Display.Inverse = false;
    }
    fw.Display.EndField();
}

void DrawChannelFields(Firmware& fw, MainScreenField field, std::string_view name, std::string_view type,
                       std::string_view channel, int x, bool inverse) {
    if (!fw.Display.BeginField(field, FieldInputs().Add(name).Add(type).Add(channel).Add(x).Add(inverse))) return;
    DrawText(fw, Center6(name), x, 3);
    DrawText(fw, Center6(type), x, 4);
    fw.Display.Inverse = inverse;
    DrawText(fw, Center6(channel), x, 5);
    fw.Display.Inverse = false;
    fw.Display.EndField();
}

void DrawActiveChannel(Firmware& fw, int x) {
    EmulatorStateRecord& s = fw.State;
    if (!FindChannelByFrequency(fw, fw.Settings.ActiveFreq)) {
        s.ActiveName = s.ActiveType = kBlankField;
        DrawChannelFields(fw, kActiveChannelField, kBlankField, kBlankField, kNoChannel, x, false);
        return;
    }
    s.CurrentRecord = fw.Db.Table[s.FoundChannel];
    s.ActiveName = s.CurrentRecord.Name();
    s.ActiveType = s.CurrentRecord.Type();
    s.ActiveChannelText = ChannelText(s.FoundChannel);
    DrawChannelFields(fw, kActiveChannelField, s.ActiveName, s.ActiveType, s.ActiveChannelText, x, false);
}

// The standby record: the selected channel in channel mode, else the first
// channel on the standby frequency.
bool ChooseStandbyRecord(Firmware& fw) {
    EmulatorStateRecord& s = fw.State;
    if (s.ChannelMode) {
        s.CurrentRecord = fw.Db.Table[fw.Settings.ChannelIndex];
        NormaliseCurrentRecord(fw);
        s.FoundChannel = fw.Settings.ChannelIndex;
        return true;
    }
    if (!FindChannelByFrequency(fw, fw.Settings.StandbyFreq)) return false;
    s.CurrentRecord = fw.Db.Table[s.FoundChannel];
    return true;
}

void DrawStandbyChannel(Firmware& fw, int x) {
    EmulatorStateRecord& s = fw.State;
    const bool inverse = Blinking(fw, AdjustChannel);
    if (!ChooseStandbyRecord(fw)) {
        s.StandbyName = s.StandbyType = kBlankField;
        DrawChannelFields(fw, kStandbyChannelField, kBlankField, kBlankField, kNoChannel, x, inverse);
        return;
    }
    s.StandbyName = s.CurrentRecord.Name();
    s.StandbyType = s.CurrentRecord.Type();
    s.StandbyChannelText = ChannelText(s.FoundChannel);
    DrawChannelFields(fw, kStandbyChannelField, s.StandbyName, s.StandbyType, s.StandbyChannelText, x, inverse);
}

void DrawBanner(Firmware& fw) {
    const bool transmitBanner = fw.State.Transmitting && fw.Settings.DualMode < 2;
    if (fw.Display.BeginField(kBannerField, FieldInputs().Add(transmitBanner))) {
        fw.Display.GotoText(0, 6);
        fw.Display.DrawPageRow(transmitBanner ? TxBannerImage : RxBannerImage);
        fw.Display.EndField();
    }
    fw.Display.Inverse = false;
}

// The row is blanked first: a flip leaves a tuning mode without clearing the
// display, and its label must not stay beside the volume bar.
void DrawAdjustLine(Firmware& fw) {
    const uint8_t mode = fw.State.AdjustMode;
    FieldInputs inputs;
    inputs.Add(mode).Add(fw.Settings.Volume).Add(fw.Settings.SquelchSetting);
    if (!fw.Display.BeginField(kAdjustLineField, inputs)) return;
    fw.Display.GotoText(0, 7);
    fw.Display.DrawText(std::string(LcdWidth / 8, ' '));
    fw.Display.GotoText(0, 7);
    if (mode == AdjustVolume) {
        fw.Display.DrawBar(28, 7, fw.Settings.Volume);
        fw.Display.DrawText("Vol");
    } else if (mode == AdjustSquelch) {
        fw.Display.DrawBar(28, 7, static_cast<uint16_t>((63 - fw.Settings.SquelchSetting) / 2));
        fw.Display.DrawText("Sql");
    } else if (mode <= AdjustChannel) {
        fw.Display.GotoText(6, 7);
        fw.Display.DrawText(kTuningLabels[mode - AdjustMhz]);
    }
    fw.Display.EndField();
}

}  // namespace

void NormaliseCurrentRecord(Firmware& fw) {
    FreqRecord& r = fw.State.CurrentRecord;
    if (r.NameLength != FreqTextCapacity) r.SetName(kBlankField);
    if (r.TypeLength != FreqTextCapacity) r.SetType(kBlankField);
    if (r.FreqKHz < kLowestKHz) r.FreqKHz = kLowestKHz;
    if (r.FreqKHz > kHighestKHz) r.FreqKHz = kHighestKHz;
}

void DrawMainScreen(Firmware& fw) {
    const Layout& layout = ChooseLayout(fw);
    fw.Display.BigFont = false;
    const bool mainAndStandby = layout.rowImage == HeaderBarImage;
    const bool scanMark = mainAndStandby && fw.State.ScanOn && fw.State.BlinkPhase;
    if (fw.Display.BeginField(kHeaderField, FieldInputs().Add(layout.rowImage).Add(scanMark))) {
        fw.Display.GotoText(0, 0);
        fw.Display.DrawPageRow(layout.rowImage);
        if (scanMark) DrawScanMark(fw);
        fw.Display.EndField();
    }
    if (layout.activeX != kHidden) DrawActiveFrequency(fw, layout.activeX);
    if (layout.standbyX != kHidden) DrawStandbyFrequency(fw, layout.standbyX);
    if (layout.activeX != kHidden) DrawActiveChannel(fw, layout.activeX);
    if (layout.standbyX != kHidden) DrawStandbyChannel(fw, layout.standbyX + 3);
    DrawBanner(fw);
    DrawAdjustLine(fw);
}
