#pragma once
#include <cstdint>

#include "link/device_link.h"

struct Firmware;

// Offline (the emulator runs) and online (a transceiver on the serial port
// draws the display) and the 20 ms time base that switches back offline.
// Everything here runs on the GUI thread.

extern bool EmulatorRunning;    // the emulator run was started by Timer1 and has not stopped
extern uint8_t OnlineWatchdog;  // half-seconds left before falling back offline; 0 = offline

// What the main window shows of the mode; the main window implements it.
class ModeView {
public:
    virtual ~ModeView() = default;
    virtual void ShowOnlineMode() = 0;     // online caption, simulation controls disabled
    virtual void ShowOfflineMode() = 0;    // offline caption, simulation controls enabled
    virtual void StartEmulatorSoon() = 0;  // enable Timer1
};

void ModeAttachView(ModeView* view);

// Back to the state at program start: offline, no run, no view.
void OperatingModeResetState();

// Online: the firmware is asked to stop and the help shows the online topic.
void EnterOnlineMode(Firmware& fw);
// Offline: the firmware may run again; a new run starts soon.
void EnterOfflineMode(Firmware& fw);

// The Timer2 handler's work: the emulator's tick operation, then every
// 500 ms the online watchdog countdown.
void TimeBase(Firmware& fw, uint16_t sliderActivePosition, uint16_t sliderStandbyPosition);

// The device link's listener in the program: the first complete display
// message after silence switches online; every one restarts the watchdog.
class OnlineModeListener final : public DisplayMessageListener {
public:
    explicit OnlineModeListener(Firmware& fw) : fw_(fw) {}
    void DisplayMessageReceived() override;

private:
    Firmware& fw_;
};
