#include "emulator/hardware/hardware.h"

#include "emulator/runtime/firmware.h"

void WriteRegister(Firmware& fw, uint8_t value, uint8_t reg) { fw.Hardware.Registers[reg] = value; }

void SetSynthesizer(Firmware& fw, int32_t kHz) { fw.Hardware.SynthesizerKHz = kHz; }

void WritePathRegister1(Firmware& fw, uint32_t value) {
    fw.Hardware.PathRegister1 = value;
    fw.Hardware.Outputs |= value;
}

void WritePathRegister2(Firmware& fw, uint32_t value) {
    fw.Hardware.PathRegister2 = value;
    fw.Hardware.Outputs &= ~value;
}

void SelectReceivePath(Firmware& fw) {
    WritePathRegister1(fw, PathReceive);
    WritePathRegister2(fw, PathTransmitEnable);
}

void SelectTransmitPath(Firmware& fw) {
    WritePathRegister1(fw, PathTransmitEnable);
    WritePathRegister2(fw, PathReceive);
}

void HardwareStartupOperation1() {}
void HardwareStartupOperation2() {}
void HardwareStartupOperation3() {}
void HardwareStartupOperation4() {}
void HardwareStartupOperation5() {}
void HardwarePollOperation1() {}
void HardwarePollOperation2() {}
void HardwarePeriodicOperation() {}

void StoreChannelRecord(Firmware& fw, const FreqRecord& record, uint8_t channelIndex) {
    fw.Hardware.StoredRecord = record;
    fw.Hardware.StoredChannel = channelIndex;
}
