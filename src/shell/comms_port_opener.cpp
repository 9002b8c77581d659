#include "shell/comms_port_opener.h"

#include <string>
#include <utility>

#include "comm/comm.h"
#include "shell/operating_mode.h"
#include "shell/port_names.h"

void CommsPortOpener::Open(uint8_t index) {
    CommsPort = index;
    const int portNumber = index + 1;
    comm_.Close();
    const std::string device = std::exchange(deviceOfThisRun_, {});
    comm_.SetDeviceName(device.empty() ? DevicePathOf("COM" + std::to_string(portNumber)) : device);
    try {
        comm_.SetBaudRate(cbr9600);
        comm_.Open();
    } catch (const ECommError&) {
        if (ReportNotAvailable) ReportNotAvailable(portNumber);
    }
}

bool CommsPortOpener::IsOpen() const { return comm_.Enabled(); }
