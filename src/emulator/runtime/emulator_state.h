#pragma once
#include <cstdint>
#include <string>

#include "freqdb/freq_database.h"

// Run-time state of the emulated firmware. Never saved and not reset between
// two emulator runs: only what the start-up sequence sets starts afresh.
struct EmulatorStateRecord {
    // Time base, advanced by the tick operation every 20 ms.
    bool TickFlag = false;
    uint8_t TickCounter = 0;  // 0..24
    bool RefreshFlag = false;
    uint8_t HalfSeconds = 0;  // wraps
    bool BlinkPhase = false;
    uint16_t MsCounter = 0;  // +10 per tick: unit of 2 ms

    // Receiver and transmitter.
    int32_t TunedFreq = 0;
    int32_t ScanTarget = 0;
    uint8_t RxState = 0;        // 0 not evaluated, 1 transmitting, 2 receiving, 3 squelch closed
    uint16_t RxLevel = 0;       // 180 (no signal) .. 551
    int32_t FilteredLevel = 0;  // scaled by 128
    uint16_t CloseDelay = 0;
    int32_t ForcedOpen = 0;
    bool BelowSquelch = false;
    uint8_t OutputLatch = 0;  // image of hardware register 11
    bool ScanOn = false;
    uint8_t ScanCounter = 0;
    bool Transmitting = false;
    int32_t TxInhibit = 0;
    uint16_t StuckPttCount = 0;      // whole seconds a PTT has been held
    uint32_t PttHeldIterations = 0;  // poll iterations of the second being counted
    bool PttWasHeld = false;         // a PTT was held at the previous poll step
    uint16_t TxTimer = 0;
    bool MicActive = false;
    bool AuxDucked = false;
    uint8_t AuxHold = 0;
    uint8_t AuxLevel = 0;
    bool AuxChanged = false;

    // Poll step.
    uint8_t SevenTickCounter = 0;
    bool DiagTickMark = false;

    // Main screen and keys.
    uint8_t AdjustMode = 0;  // 0 volume, 1 squelch, 2 MHz, 3 kHz, 4 channel
    uint8_t AdjustTimeout = 0;
    uint8_t SquelchTimeout = 0;
    uint8_t SaveCountdown = 0;
    bool Step25 = false;
    bool ChannelMode = false;
    bool MenuActive = false;
    uint8_t KeyEvent = 0;
    uint8_t FoundChannel = 0;
    FreqRecord CurrentRecord;
    std::string ActiveName, ActiveType, ActiveChannelText;
    std::string StandbyName, StandbyType, StandbyChannelText;

    // Key scan.
    uint8_t LastKey = 0;
    uint8_t KeyGuard = 0;
    uint8_t HoldCounter = 0;
    bool FlipHold = false;
    bool StepHold = false;

    // Status row inputs.
    uint16_t ModLevel = 0;
    uint16_t ModPeak = 0;
    uint8_t ModWarnCount = 0;

    // Menus.
    uint8_t MenuCursor = 0;
    bool MenuEditing = false;
    uint8_t AuxTarget = 0;
    uint16_t MeterPeak = 0;
    int16_t MicSample = 0;
    uint8_t SetupCursor = 0;
    uint8_t SetupTop = 0;
    bool SetupEditing = false;
    int16_t CpuFreqReading = 0;

    // Readings of the diagnostic screens without an emulated source.
    uint16_t VinReading = 0;
    uint16_t StnReading = 0;
    uint16_t TmpReading = 0;
    int16_t Stn2Reading = 0;
    int16_t AudLReading = 0;
    uint16_t OffsetReading = 0;
};

struct Firmware;

// Every change of a persisted setting: the settings are saved when this many
// main-loop passes (about 5 s) have gone by without another change.
inline constexpr uint8_t SaveDelayPasses = 10;
void MarkSettingsChanged(Firmware& fw);

// Key codes delivered in KeyEvent.
enum KeyCode : uint8_t {
    KeyNone = 0,
    KeyVolSq = 1,
    KeyActive = 2,
    KeyMhzKhzCh = 3,
    KeyDownArrow = 4,
    KeyMenu = 5,
    KeyUpArrow = 6,
};

// What UP and DOWN change on the main screen (AdjustMode).
enum AdjustModeValue : uint8_t {
    AdjustVolume = 0,
    AdjustSquelch = 1,
    AdjustMhz = 2,
    AdjustKhz = 3,
    AdjustChannel = 4,
};
