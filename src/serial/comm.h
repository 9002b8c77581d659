#pragma once
#include <termios.h>

#include <cstdint>
#include <memory>
#include <string>

#include "serial/arrival_ledger.h"
#include "serial/comm_error.h"
#include "serial/comm_hand_over.h"
#include "serial/comm_types.h"
#include "serial/line_settings.h"
#include "serial/serial_status.h"

class TCommEventThread;
class TCustomComm;

// The two flow-control characters of a component; a change is applied to
// an open device at once.
class TCommEventChars {
public:
    explicit TCommEventChars(TCustomComm& owner) : owner_(owner) {}
    uint8_t XonChar() const { return xon_; }
    uint8_t XoffChar() const { return xoff_; }
    void SetXonChar(uint8_t value);   // throws ECommError when the device refuses it
    void SetXoffChar(uint8_t value);  // throws ECommError when the device refuses it

private:
    TCustomComm& owner_;
    uint8_t xon_ = 17;
    uint8_t xoff_ = 19;
};

// A serial port: opens a device by name, applies line settings and delivers
// its events as handler calls on the GUI thread. It never writes to the
// device.
//
// Threads: every operation and every handler runs on the GUI thread. While
// open, an event thread waits for the device; each batch of events becomes
// pending for the GUI thread, which handles it in ServeHandOver, one batch at
// a time: at once when the waker asks for it, or at the owner's next tick
// (see SetHandOverWaker). The event thread never waits for the GUI thread; batches
// it finds meanwhile are merged (serial/comm_hand_over.h). It also notes when
// bytes arrived, so that a read later still knows (LastReadArrivals).
//
// Exclusive access: the device is locked with flock (so a second program, or
// a second component, fails to open it) and marked TIOCEXCL. Open keeps the
// device's line settings and Close puts them back.
class TCustomComm {
public:
    TCustomComm();
    virtual ~TCustomComm();  // closes
    TCustomComm(const TCustomComm&) = delete;
    TCustomComm& operator=(const TCustomComm&) = delete;

    bool Enabled() const { return device_ >= 0; }
    // Which Open the device open now belongs to: a new number at every Open.
    uint64_t Session() const { return session_; }

    // Closes, then opens the device whose path is DeviceName (ports/ turns
    // the port names users know, COM1..COM16, into paths), starts the event
    // thread and applies all settings. Throws ECommError:
    // - "Error accessing specified device" with errno (missing, no permission,
    //   in use: EBUSY); the component is closed;
    // - "Invalid device handle, access denied", -1, for anything but a
    //   terminal device; closed;
    // - "Error updating DataControlBlock", "Error initializing Read/Write
    //   Buffers" or "Error updating CommTimeouts" with errno when a setting is
    //   refused; the device stays open with its thread running.
    void Open();
    // Stops the event thread and drops a batch pending for the GUI thread, discards
    // unsent output instead of waiting for it, restores the line settings
    // found at Open, releases exclusive access and closes. Nothing when closed.
    void Close();
    // Up to Count bytes already received, at once; never waits. Returns the
    // number read, 0 when nothing is waiting and CharsTimeOut is 0, or -1 when
    // the read would have to wait (CharsTimeOut above 0), fails, or the
    // component is closed.
    int32_t Read(void* Buffer, int32_t Count);
    // When the bytes of the last Read arrived at the device, oldest first.
    std::span<const ByteArrival> LastReadArrivals() const { return lastArrivals_; }

    // Called when a batch becomes pending for the GUI thread: on the event
    // thread, or in ServeHandOver for input left after a partial read (a
    // backlog, to be served at once).
    void SetHandOverWaker(CommHandOver::Waker waker);
    // GUI thread: handles the pending batch, if any; true when there was one.
    // An owner with a time base calls it at every tick.
    bool ServeHandOver();
    // GUI thread: whether the owner calls ServeHandOver at every tick of its
    // time base, and whether ServeHandOver then looks for new bytes itself:
    // the event thread wakes only for the loss of the device, not for every
    // message, and the bytes carry the time of the tick that found them.
    // Otherwise the event thread marks each arrival as it happens. Both off
    // at first; kept across Close and Open.
    void SetServedAtTicks(bool served);
    void SetInputPolled(bool polled);

protected:
    virtual void CreateHandle();
    virtual void DoEvent(uint32_t EventMask);

    // Properties; the setters of the settings marked "refused while open"
    // throw ECommError "Device already assigned (open)", -1, while open. The
    // others are applied to an open device at once, and only when the value
    // changes; they throw the ECommError of UpdateDataControlBlock.
    const std::string& DeviceName() const { return deviceName_; }
    void SetDeviceName(const std::string& value);
    TCommEventType MonitorEvents() const { return monitorEvents_; }
    void SetMonitorEvents(TCommEventType value);
    TBaudRate BaudRate() const { return line_.BaudRate; }
    void SetBaudRate(TBaudRate value);
    TParity Parity() const { return line_.Parity; }
    void SetParity(TParity value);
    TStopbits Stopbits() const { return line_.Stopbits; }
    void SetStopbits(TStopbits value);
    TDatabits Databits() const { return line_.Databits; }
    void SetDatabits(TDatabits value);
    int32_t ReadBufSize() const { return readBufSize_; }
    void SetReadBufSize(int32_t value);
    int32_t WriteBufSize() const { return writeBufSize_; }
    void SetWriteBufSize(int32_t value);
    int32_t CharsTimeOut() const { return charsTimeOut_; }
    void SetCharsTimeOut(int32_t value);  // applied at once, also to the same value
    TCommOptions Options() const { return line_.Options; }
    void SetOptions(TCommOptions value);
    TFlowControl FlowControl() const { return line_.FlowControl; }
    void SetFlowControl(TFlowControl value);
    TCommEventChars& EventChars() { return eventChars_; }

    // Handlers, called on the GUI thread; empty ones are skipped.
    TNotifyEvent OnBreak, OnCTS, OnDSR, OnRing, OnRLSD;
    TCommErrorEvent OnError;
    TCommRxCharEvent OnRxChar;
    TNotifyEvent OnRxFlag, OnTxEmpty;

private:
    friend class TCommEventChars;

    // Writes the line settings to the open device; nothing when closed.
    void UpdateDataControlBlock();
    // Stores the interval timeout and writes it to the open device.
    void ApplyTimeouts(int32_t charsTimeOut);
    void SetupQueues();
    void SetModemLinesForFlowControl();
    // The GUI-thread half of the hand-over: ClearCommError's counterpart,
    // then DoEvent for every bit in event order. A lost device is closed.
    void HandleEvents(const CommEventBatch& batch);
    void ReportInputLeft(const CommEventBatch& served);
    // Sets both switches and hands the watch for new bytes to the ticks or
    // back to the event thread when that changed.
    void SetPolling(bool servedAtTicks, bool pollingWanted);
    bool InputPolled() const { return servedAtTicks_ && pollingWanted_; }
    int32_t StripNulls(uint8_t* bytes);
    void QueryDeviceStatus();
    void RefuseWhileOpen() const;
    void ReleaseDevice();
    template <typename T>
    void ChangeLineSetting(T& field, T value);

    std::string deviceName_ = "Com2";
    TCommEventType monitorEvents_ = AllCommEvents;
    LineSettings line_;
    int32_t readBufSize_ = 4096;
    int32_t writeBufSize_ = 2048;
    int32_t charsTimeOut_ = 250;
    TCommEventChars eventChars_{*this};

    int device_ = -1;
    std::optional<termios> foundSettings_;
    int32_t inputQueue_ = 0;  // status record of the last query
    int32_t errors_ = 0;      // error flags of the last query
    std::optional<SerialCounters> counters_;
    uint64_t session_ = 0;
    uint64_t bytesRead_ = 0;  // by Read, counted before the null strip
    CommHandOver handOver_;
    ArrivalLedger arrivals_;
    std::vector<ByteArrival> lastArrivals_;  // of the last Read
    std::unique_ptr<TCommEventThread> thread_;
    bool servedAtTicks_ = false;
    bool pollingWanted_ = false;
};

// The component with its properties published.
class TComm : public TCustomComm {
public:
    using TCustomComm::DeviceName;
    using TCustomComm::SetDeviceName;
    using TCustomComm::MonitorEvents;
    using TCustomComm::SetMonitorEvents;
    using TCustomComm::BaudRate;
    using TCustomComm::SetBaudRate;
    using TCustomComm::Parity;
    using TCustomComm::SetParity;
    using TCustomComm::Stopbits;
    using TCustomComm::SetStopbits;
    using TCustomComm::Databits;
    using TCustomComm::SetDatabits;
    using TCustomComm::ReadBufSize;
    using TCustomComm::SetReadBufSize;
    using TCustomComm::WriteBufSize;
    using TCustomComm::SetWriteBufSize;
    using TCustomComm::CharsTimeOut;
    using TCustomComm::SetCharsTimeOut;
    using TCustomComm::Options;
    using TCustomComm::SetOptions;
    using TCustomComm::FlowControl;
    using TCustomComm::SetFlowControl;
    using TCustomComm::EventChars;
    using TCustomComm::OnBreak;
    using TCustomComm::OnCTS;
    using TCustomComm::OnDSR;
    using TCustomComm::OnRing;
    using TCustomComm::OnRLSD;
    using TCustomComm::OnError;
    using TCustomComm::OnRxChar;
    using TCustomComm::OnRxFlag;
    using TCustomComm::OnTxEmpty;
};
