#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

class TComm;

// Opens the serial port the user chose by number, COM1 for CommsPort 0, at
// start-up and from the serial port dialog alike. GUI thread only.
class CommsPortOpener {
public:
    explicit CommsPortOpener(TComm& comm) : comm_(comm) {}

    // Remembers `index` in CommsPort, also when the port cannot be opened,
    // closes the port open now and opens COM<index + 1> (the device its
    // [Ports] mapping names, see port_names.h) at 9600 bit/s, 8-N-1. A port
    // that cannot be opened is reported with ReportNotAvailable.
    void Open(uint8_t index);

    // Whether the chosen port is open now.
    bool IsOpen() const;

    // The device of this run given on the command line: the next Open uses
    // it in place of COM<index + 1>, still remembering `index` in CommsPort.
    // A port chosen afterwards replaces it for the rest of the run.
    void UseDeviceOnce(std::string path) { deviceOfThisRun_ = std::move(path); }

    // Tells the user that port COM<portNumber> could not be opened.
    std::function<void(int portNumber)> ReportNotAvailable;

private:
    TComm& comm_;
    std::string deviceOfThisRun_;
};
