#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "ports/device_path_watch.h"
#include "ports/port_failure.h"
#include "ports/port_names.h"

class TComm;

// Opens the serial port the user chose by number, COM1 for index 0, at
// start-up and from the serial port dialog alike, and opens it again by
// itself when its device comes back. GUI thread only.
//
// A port that cannot be opened, or whose device is pulled while open, is
// watched (DevicePathWatch, no polling): when its device path appears or
// changes, the opener opens it quietly; a failure then is not reported and
// the watch goes on. Choosing a port, a change of the mapping of the port in
// use and Close end the watch. The owner's event loop calls ServeWatch
// whenever WatchDescriptor is readable.
//
// The opener takes the component's OnError handler: a pulled device is
// reported there (CommErrorDeviceLost).
class CommsPortOpener {
public:
    // COMn names resolve through `naming` (port_names.h).
    CommsPortOpener(TComm& comm, PortNaming naming);

    // Remembers `index` as the port in use, also when it cannot be opened,
    // closes the port open now and opens COM<index + 1> (the device its
    // [Ports] mapping names, see port_names.h) at 9600 bit/s, 8-N-1. A port
    // that cannot be opened is reported with ReportNotAvailable and watched.
    void Open(uint8_t index);
    // Remembers `index` and the device it stands for as Open does and closes
    // the port open now, but opens nothing yet: a replay at start takes the
    // port's place, and Reopen opens it afterwards.
    void Choose(uint8_t index);

    // Whether the chosen port is open now.
    bool IsOpen() const;
    // The serial port index chosen last (0 is COM1), kept in RADIO.INI as
    // CommsPort.
    uint8_t Index() const { return index_; }
    const PortNaming& Naming() const { return naming_; }

    // The port in use as chosen: its index and the device it opens.
    struct Choice {
        uint8_t index = 0;
        std::string device;
        bool deviceOfThisRun = false;
    };
    Choice Current() const;
    // Goes back to an earlier choice (a cancelled dialog), quietly as Reopen
    // does; nothing when it is the choice in use.
    void Restore(const Choice& choice);

    // The device of this run given on the command line: the next Open uses
    // it in place of COM<index + 1>, still remembering `index`.
    // A port chosen afterwards replaces it for the rest of the run.
    void UseDeviceOnce(std::string path) { deviceOfThisRun_ = std::move(path); }

    // The [Ports] mapping of COM<portNumber> changed: the port in use is
    // opened again on its new device (reported as a choice would be). The
    // device of this run is no mapping and stays.
    void MappingChanged(int portNumber);

    // Ends the watch and closes the port: the program ends, or a replay takes
    // the port's place for a while.
    void Close();
    // Opens the port in use again after a Close for a replay, quietly: a
    // failure is not reported, the port is watched for its device. Nothing
    // before the first Open or Choose.
    void Reopen();

    // The device path the port in use opens; empty before the first Open.
    const std::string& Device() const { return device_; }
    bool Watching() const { return watch_.Active(); }
    int WatchDescriptor() const { return watch_.Descriptor(); }
    // Call when WatchDescriptor is readable: opens the port quietly when its
    // device may be back.
    void ServeWatch();

    // Tells the user why the chosen port could not be opened.
    std::function<void(const PortFailure& failure)> ReportNotAvailable;

private:
    // Opens device_ with the watch armed first, so that a device that comes
    // right after a failure is not missed; reports a failure when asked to.
    void Attempt(bool report);
    std::optional<PortFailure> TryOpen();

    TComm& comm_;
    const PortNaming naming_;
    uint8_t index_ = 0;
    std::string deviceOfThisRun_;
    bool onDeviceOfThisRun_ = false;
    std::string device_;
    DevicePathWatch watch_;
};
