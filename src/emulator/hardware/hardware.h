#pragma once
#include <array>
#include <cstdint>

#include "freqdb/freq_database.h"

struct Firmware;

// The emulated transceiver's hardware outputs. None of them changes anything
// outside the emulator: they keep the values the firmware writes, so that a
// richer simulation (or a test) can look at them.
struct EmulatedHardwareRecord {
    std::array<uint8_t, 256> Registers{};  // last value written to each register
    int32_t SynthesizerKHz = 0;            // last frequency programmed
    uint32_t PathRegister1 = 0;            // last value written: output bits switched on
    uint32_t PathRegister2 = 0;            // last value written: output bits switched off
    uint32_t Outputs = 0;                  // output bits on now, as the two path registers left them
    FreqRecord StoredRecord{};             // last record handed to the channel memory
    int StoredChannel = -1;                // its channel index; -1 before the first
};

// Hardware registers written by the firmware.
inline constexpr uint8_t RegisterOutputLatch = 11;  // bit 2 receive audio, bit 1 AUX audio path
inline constexpr uint8_t RegisterAuxLevel = 15;     // 0..31, 31 off
inline constexpr uint8_t RegisterMicLevel1 = 16;
inline constexpr uint8_t RegisterMicLevel2 = 17;
inline constexpr uint8_t RegisterVolume = 23;  // 31 - Volume, 0 loudest

// Output port bits.
inline constexpr uint32_t PathReceive = 0x2;
inline constexpr uint32_t PathTransmitEnable = 0x100000;

// The receiver is always programmed this far above the frequency it hears.
inline constexpr int32_t ReceiverOffsetKHz = 45000;

void WriteRegister(Firmware& fw, uint8_t value, uint8_t reg);
void SetSynthesizer(Firmware& fw, int32_t kHz);
// Path register 1 switches on the output bits set in the value, path
// register 2 switches them off.
void WritePathRegister1(Firmware& fw, uint32_t value);
void WritePathRegister2(Firmware& fw, uint32_t value);
void SelectReceivePath(Firmware& fw);
void SelectTransmitPath(Firmware& fw);

// Hooks the firmware calls at fixed places of its start-up, on every poll
// step and every seventh tick; they have no effect in the emulation.
void HardwareStartupOperation1();
void HardwareStartupOperation2();
void HardwareStartupOperation3();
void HardwareStartupOperation4();
void HardwareStartupOperation5();
void HardwarePollOperation1();
void HardwarePollOperation2();
void HardwarePeriodicOperation();

// Hands an edited channel to the transceiver's channel memory. The emulation
// has none: the record is only kept as the last one stored, and the database
// stays as it is.
void StoreChannelRecord(Firmware& fw, const FreqRecord& record, uint8_t channelIndex);
