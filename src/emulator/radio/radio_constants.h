#pragma once
#include <cstdint>

// Limits, states and bits shared by the emulated transceiver's radio logic
// (receiver tuning, squelch, scanning, transmit control, AUX level). Counts in
// poll iterations are nominal iterations of 10 microseconds (poll_clock.h).

inline constexpr int32_t LowestTransmitKHz = 118000;     // nothing is transmitted below 118.000 MHz
inline constexpr int32_t TxInhibitIterations = 10000;    // 100 ms after start-up without transmission
inline constexpr int32_t ForcedOpenIterations = 100000;  // 1 s of squelch held open
inline constexpr uint16_t CloseDelayIterations = 7000;   // 70 ms below the threshold close the squelch
inline constexpr uint16_t StuckPttSeconds = 60;          // a PTT held this long counts as stuck
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
