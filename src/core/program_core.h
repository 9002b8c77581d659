#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/atomic_file.h"
#include "common/program_directory.h"
#include "core/program_emulator_host.h"
#include "core/program_view.h"
#include "display/lcd.h"
#include "display/lcd_frame.h"
#include "emulator/runtime/firmware.h"
#include "emulator/runtime/firmware_runner.h"
#include "freqdb/freq_database.h"
#include "help/help.h"
#include "link/device_link.h"
#include "link/link_clock.h"
#include "modes/operating_mode.h"
#include "ports/comms_port_opener.h"
#include "ports/port_names.h"
#include "serial/comm.h"
#include "session/recording_writer.h"
#include "settings/radio_ini.h"

// The two push-to-talk inputs.
enum class Ptt { Pilot, Pax };

// The program without its windows: its folders, the display's frame and the
// Lcd that the emulator and the device link draw with, the frequency
// database, the help pane's topic, the emulated unit and its runner, the
// serial port and its opener, the device link, the operating mode, the
// recording of the received bytes and RADIO.INI. A view (the main window) shows it through
// ProgramView and drives it with the commands below; the browser view reads
// the frame by its revision. Qt-only pieces stay in the view: the serial
// hand-over waker around Comm1, the watch of WatchDescriptor, the two timers
// and the message boxes. GUI thread only.
class ProgramCore {
public:
    // The settings files live in `folders`; an unmapped COMn opens
    // `deviceStem` + (n - 1). The clock is the emulator's and the link's: the
    // steady clock in the program, a scripted one in tests.
    ProgramCore(ProgramView& view, ProgramFolders folders, std::string deviceStem = DefaultDeviceStem,
                const LinkClock& clock = SteadyLinkClock());
    ~ProgramCore();
    ProgramCore(const ProgramCore&) = delete;
    ProgramCore& operator=(const ProgramCore&) = delete;

    // RADIO.INI read: the port and the frequency file in use from now on. The
    // zoom is the view's.
    RadioSettings LoadSettings();
    // The device of this run from the command line, in place of the COMn setting.
    void UseDeviceOnce(const std::string& path);
    // Opens the port of the settings, or only chooses it while a replay at
    // start takes its place.
    void ConnectAtStart(bool replaying);

    // Timer1: starts the emulator run, unless a radio came online meanwhile.
    void StartEmulator();
    // Timer2, every 20 ms: what Comm1 received since the last tick, the time
    // base, then the emulator resumed.
    void Tick();
    // Resumes the emulator after an event it may act on; stops it instead
    // once StopRequest is set.
    void ResumeEmulator();

    void PressKey(uint8_t keyBits);
    void ReleaseKey(uint8_t keyBits);
    void SetPtt(Ptt which, bool held);
    // Lets go of a PTT input without waking the emulator: it sees that at its next tick.
    void DropPtt(Ptt which);
    // Slider positions, 0 (strongest signal) to SliderMaximum (none).
    void SetActiveSlider(uint16_t position);
    void SetStandbySlider(uint16_t position);

    // Comm1 has `count` bytes: the link reads them, through the recorder.
    void ReceiveFromPort(int32_t count);
    // Bytes of a replay, in place of the port's.
    void FeedReplayed(const uint8_t* bytes, std::size_t count);

    // The serial port as a replay leaves it and takes it back.
    void ClosePort() { Ports.Close(); }
    void ReopenPort() { Ports.Reopen(); }
    bool PortInUse() const { return Ports.IsOpen() || Ports.Watching(); }
    // The view watches this descriptor and calls ServeWatch when it is readable.
    int WatchDescriptor() const { return Ports.WatchDescriptor(); }
    void ServeWatch() { Ports.ServeWatch(); }

    // Records what the port receives from now on; an empty string or the
    // cause of the failure. A failure later is reported on the writer thread.
    std::string StartRecording(const std::string& path, RecordingWriter::FailureHandler onFailure);
    void StopRecording() { Recorder.Stop(); }

    // The window closes: the emulator stops, the recording ends, RADIO.INI
    // is written with the view's zoom, and the port is closed.
    void Close(int zoomPercent);

    std::string_view ModeCaption() const;

    // The seams of the program's file writes: RADIO.INI's, the emulator's
    // settings store's and the frequency database's.
    void SetWriteSeams(const FileWriteSeams& seams);

private:
    // Made before the parts below: the firmware holds the host.
    ProgramView& view_;
    ProgramEmulatorHost host_;

public:
    const ProgramFolders Folders;  // where RADIO.INI and e2.dfd are
    LcdFrame Frame;                // the display's pixels
    Lcd Display{Frame};            // draws on it: the emulator and the link
    FreqDatabase FreqDb;           // the 100 channels and their file
    Help HelpText;                 // the help pane's topic, shown by the view
    Firmware Emulator;             // the emulated unit
    TComm Comm1;                   // the transceiver's serial port
    CommsPortOpener Ports;         // opens the port chosen and keeps the choice
    OperatingMode Mode;
    DeviceLink Link;  // frames and draws Comm1's display messages
    FirmwareRunner Runner{Emulator};
    RecordingWriter Recorder;  // the received bytes, while recording

private:
    void AfterEmulatorStep();
    void EndRunIfStopped();

    uint16_t activeSlider_;
    uint16_t standbySlider_;
    uint8_t chosenPort_ = 0;  // RADIO.INI's CommsPort, until the port is opened
    FileWriteSeams radioIniSeams_;
};
