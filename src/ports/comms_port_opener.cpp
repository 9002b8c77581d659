#include "ports/comms_port_opener.h"

#include <string>
#include <system_error>
#include <utility>

#include "ports/port_names.h"
#include "serial/comm.h"

CommsPortOpener::CommsPortOpener(TComm& comm, PortNaming naming) : comm_(comm), naming_(std::move(naming)) {
    // The component closes itself after this handler; the watch is armed
    // before, so a device that comes back at once is seen.
    comm_.OnError = [this](TCustomComm*, int32_t Errors) {
        if (Errors & CommErrorDeviceLost) watch_.Watch(device_);
    };
}

void CommsPortOpener::Open(uint8_t index) {
    Choose(index);
    Attempt(true);
}

void CommsPortOpener::Choose(uint8_t index) {
    index_ = index;
    watch_.Stop();
    comm_.Close();
    std::string device = std::exchange(deviceOfThisRun_, {});
    onDeviceOfThisRun_ = !device.empty();
    device_ = onDeviceOfThisRun_ ? std::move(device) : DevicePathOf("COM" + std::to_string(index + 1), naming_);
}

void CommsPortOpener::Attempt(bool report) {
    watch_.Watch(device_);
    const std::optional<PortFailure> failure = TryOpen();
    // A device that opened but refused a setting stays open: nothing to wait for.
    if (!failure || comm_.Enabled()) watch_.Stop();
    // The message box runs the event loop: the watch may open the port meanwhile.
    if (failure && report && ReportNotAvailable) ReportNotAvailable(*failure);
}

std::optional<PortFailure> CommsPortOpener::TryOpen() {
    comm_.SetDeviceName(device_);
    try {
        comm_.SetBaudRate(cbr9600);
        comm_.Open();
        return std::nullopt;
    } catch (const ECommError& error) {
        const PortFailureCause cause = PortFailureCauseOf(error.ErrorCode);
        PortFailure failure{
            .portNumber = index_ + 1,
            .device = device_,
            .cause = cause,
            .detail = error.what(),
            .deviceOfThisRun = onDeviceOfThisRun_,
            .groupToJoin = cause == PortFailureCause::PermissionDenied ? GroupThatWouldGrant(device_) : std::string(),
        };
        if (comm_.Enabled())
            failure.cause = PortFailureCause::Other;  // opened, then a setting refused
        else if (error.ErrorCode > 0)
            failure.detail = std::generic_category().message(error.ErrorCode);
        return failure;
    }
}

void CommsPortOpener::ServeWatch() {
    if (!watch_.TakeEvents() || comm_.Enabled()) return;
    if (!TryOpen() || comm_.Enabled()) watch_.Stop();
}

bool CommsPortOpener::IsOpen() const { return comm_.Enabled(); }

void CommsPortOpener::MappingChanged(int portNumber) {
    if (!onDeviceOfThisRun_ && !device_.empty() && portNumber == index_ + 1) Open(index_);
}

CommsPortOpener::Choice CommsPortOpener::Current() const { return {index_, device_, onDeviceOfThisRun_}; }

void CommsPortOpener::Restore(const Choice& choice) {
    if (choice.index == index_ && choice.device == device_) return;
    index_ = choice.index;
    watch_.Stop();
    comm_.Close();
    device_ = choice.device;
    onDeviceOfThisRun_ = choice.deviceOfThisRun;
    Reopen();
}

void CommsPortOpener::Reopen() {
    if (!device_.empty()) Attempt(false);
}

void CommsPortOpener::Close() {
    watch_.Stop();
    comm_.Close();
}
