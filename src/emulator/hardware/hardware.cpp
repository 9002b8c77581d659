#include "emulator/hardware/hardware.h"

EmulatedHardwareRecord EmulatedHardware;

void WriteRegister(uint8_t value, uint8_t reg) { EmulatedHardware.Registers[reg] = value; }

void SetSynthesizer(int32_t kHz) { EmulatedHardware.SynthesizerKHz = kHz; }

void WritePathRegister1(uint32_t value) {
    EmulatedHardware.PathRegister1 = value;
    EmulatedHardware.Outputs |= value;
}

void WritePathRegister2(uint32_t value) {
    EmulatedHardware.PathRegister2 = value;
    EmulatedHardware.Outputs &= ~value;
}

void SelectReceivePath() {
    WritePathRegister1(PathReceive);
    WritePathRegister2(PathTransmitEnable);
}

void SelectTransmitPath() {
    WritePathRegister1(PathTransmitEnable);
    WritePathRegister2(PathReceive);
}

void HardwareStartupOperation1() {}
void HardwareStartupOperation2() {}
void HardwareStartupOperation3() {}
void HardwareStartupOperation4() {}
void HardwareStartupOperation5() {}
void HardwarePollOperation1() {}
void HardwarePollOperation2() {}
void HardwarePeriodicOperation() {}

void StoreChannelRecord(const FreqRecord& record, uint8_t channelIndex) {
    EmulatedHardware.StoredRecord = record;
    EmulatedHardware.StoredChannel = channelIndex;
}
