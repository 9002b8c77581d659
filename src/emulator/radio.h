#pragma once
#include <cstdint>

// The emulated transceiver's radio logic: which frequency the receiver hears,
// the squelch, scanning, the transmitter and the AUX audio level. Counts in
// poll iterations are nominal iterations of 10 microseconds (poll_clock.h).

inline constexpr int32_t LowestTransmitKHz = 118000;      // nothing is transmitted below 118.000 MHz
inline constexpr int32_t TxInhibitIterations = 10000;     // 100 ms after start-up without transmission
inline constexpr int32_t ForcedOpenIterations = 100000;   // 1 s of squelch held open
inline constexpr uint16_t CloseDelayIterations = 7000;    // 70 ms below the threshold close the squelch
inline constexpr uint16_t StuckPttSeconds = 60;           // a PTT held longer counts as stuck
inline constexpr uint16_t TransmitTimerStart = 6000;

// RxState values.
inline constexpr uint8_t RxNotEvaluated = 0;
inline constexpr uint8_t RxTransmitting = 1;
inline constexpr uint8_t RxReceiving = 2;  // squelch open
inline constexpr uint8_t RxSquelched = 3;  // squelch closed

// OutputLatch bits (hardware register 11).
inline constexpr uint8_t LatchAuxPath = 0x2;
inline constexpr uint8_t LatchReceiveAudio = 0x4;

// AUX level that means off.
inline constexpr uint8_t AuxLevelOff = 31;

// The frequency the transmitter uses: StandbyFreq in direct selection mode,
// else ActiveFreq.
int32_t TransmitFrequency();
// Whether the pilot's or the passenger's PTT is held.
bool PttHeld();

// TunedFreq := the frequency in use (StandbyFreq in direct selection mode,
// else ActiveFreq); programs the synthesizer 45000 kHz above it and selects
// the receive path.
void TuneReceiver();
// TunedFreq := ScanTarget, programmed as above, then Delay(10).
void RetuneToScanTarget();
// Programs the synthesizer to TransmitFrequency() and selects the transmit
// path; TunedFreq stays.
void TuneTransmitter();

// Keys and unkeys the transmitter from the PTTs; counts how long a PTT is
// held (StuckPttCount, whole seconds) and spends TxInhibit. Runs on every poll
// step with the poll iterations elapsed since the previous one.
void TransmitControl(uint32_t iterations);
// Ends a transmission: back to the receiver, main screen redraw requested.
void EndTransmission();

// Opens and closes the squelch on RxLevel: a low-pass filter (weight 127/128
// per iteration), an immediate open above the threshold, a close after
// CloseDelayIterations below threshold - 30 and ForcedOpen. Behaves as the
// given number of single iterations; past a few thousand the filter has
// settled and the rest is counted without iterating.
void SquelchEvaluation(uint32_t iterations);

// Once per tick: the alternation between active and standby while scanning,
// and the priority look at the active frequency.
void ScanningDuty();
// Once per tick: writes the AUX level in effect to hardware register 15.
void AuxLevelDuty();
