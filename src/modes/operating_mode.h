#pragma once
#include <cstdint>

#include "link/display_message_listener.h"

struct Firmware;

// What a view shows of the mode; the main window implements it.
class ModeView {
public:
    virtual ~ModeView() = default;
    virtual void ShowOnlineMode() = 0;     // online caption, simulation controls disabled
    virtual void ShowOfflineMode() = 0;    // offline caption, simulation controls enabled
    virtual void StartEmulatorSoon() = 0;  // enable Timer1
};

// Offline (the emulator runs) and online (a transceiver on the serial port
// draws the display), and the 20 ms time base that switches back offline.
// As the device link's listener, the first complete display message after
// silence switches online; every one restarts the online watchdog. Runs on
// the GUI thread.
class OperatingMode final : public DisplayMessageListener {
public:
    // The mode stops and restarts this firmware. A mode without a view
    // switches all the same and shows nothing.
    explicit OperatingMode(Firmware& fw, ModeView* view = nullptr) : fw_(&fw), view_(view) {}

    void EnterOnlineMode();
    void EnterOfflineMode();

    // The Timer2 handler's work: the emulator's tick operation, then every
    // 500 ms the online watchdog countdown.
    void TimeBase(uint16_t sliderActivePosition, uint16_t sliderStandbyPosition);

    void DisplayMessageReceived() override;

    bool Online() const { return watchdog_ != 0; }
    // Half-seconds left before falling back offline; 0 = offline.
    uint8_t Watchdog() const { return watchdog_; }
    // The emulator run was started (Timer1) and has not stopped.
    bool EmulatorRunning() const { return emulatorRunning_; }
    void SetEmulatorRunning(bool running) { emulatorRunning_ = running; }

private:
    Firmware* fw_;  // never null; a pointer so that a mode can be assigned afresh
    ModeView* view_;
    bool emulatorRunning_ = false;
    uint8_t watchdog_ = 0;
};
