#pragma once
#include <cstdint>
#include <functional>
#include <initializer_list>

// Value types of the serial port component: its enumerations, the sets built
// from them, the event-mask bits, the error flags and the handler types.

// clang-format off
enum TBaudRate : uint8_t {
    cbr110, cbr300, cbr600, cbr1200, cbr2400, cbr4800, cbr9600, cbr14400,
    cbr19200, cbr38400, cbr56000, cbr57600, cbr115200, cbr128000, cbr256000,
};
// clang-format on
enum TParity : uint8_t { paNone, paOdd, paEven, paMark, paSpace };
enum TStopbits : uint8_t { sb10, sb15, sb20 };
enum TDatabits : uint8_t { da4, da5, da6, da7, da8 };
enum TFlowControl : uint8_t { fcNone, fcCTS, fcDTR, fcSoftware, fcDefault };
enum TCommOption : uint8_t { coParityCheck, coDsrSensitivity, coIgnoreXOff, coErrorChar, coNullStrip };
enum TCommEventState : uint8_t { evBreak, evCTS, evDSR, evError, evRing, evRlsd, evRxChar, evRxFlag, evTxEmpty };

// A set of enumeration values, one bit per value.
template <typename E>
class EnumSet {
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> values) {
        for (E v : values) bits_ |= Bit(v);
    }
    constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool operator==(const EnumSet&) const = default;

private:
    static constexpr uint32_t Bit(E v) { return uint32_t{1} << static_cast<unsigned>(v); }
    uint32_t bits_ = 0;
};

using TCommOptions = EnumSet<TCommOption>;
using TCommEventType = EnumSet<TCommEventState>;

inline constexpr TCommEventType AllCommEvents = {evBreak, evCTS,    evDSR,    evError,  evRing,
                                                 evRlsd,  evRxChar, evRxFlag, evTxEmpty};

// Event-mask bits, the values the event wait reports.
inline constexpr uint32_t EV_RXCHAR = 0x0001;
inline constexpr uint32_t EV_RXFLAG = 0x0002;
inline constexpr uint32_t EV_TXEMPTY = 0x0004;
inline constexpr uint32_t EV_CTS = 0x0008;
inline constexpr uint32_t EV_DSR = 0x0010;
inline constexpr uint32_t EV_RLSD = 0x0020;
inline constexpr uint32_t EV_BREAK = 0x0040;
inline constexpr uint32_t EV_ERR = 0x0080;
inline constexpr uint32_t EV_RING = 0x0100;

// The mask bit of each event, indexed by TCommEventState.
inline constexpr uint32_t CommEventBits[] = {EV_BREAK, EV_CTS,    EV_DSR,    EV_ERR,    EV_RING,
                                             EV_RLSD,  EV_RXCHAR, EV_RXFLAG, EV_TXEMPTY};

constexpr uint32_t CommEventMask(TCommEventType events) {
    uint32_t mask = 0;
    for (unsigned e = evBreak; e <= evTxEmpty; ++e)
        if (events.Contains(static_cast<TCommEventState>(e))) mask |= CommEventBits[e];
    return mask;
}

// Error flags handed to OnError: the line errors counted by the driver since
// the previous query, and the loss of the device itself.
inline constexpr int32_t CommErrorRxOver = 0x0001;   // driver input buffer overflowed
inline constexpr int32_t CommErrorOverrun = 0x0002;  // UART overrun
inline constexpr int32_t CommErrorParity = 0x0004;
inline constexpr int32_t CommErrorFrame = 0x0008;
inline constexpr int32_t CommErrorBreak = 0x0010;
inline constexpr int32_t CommErrorDeviceLost = 0x8000;  // hung up: adapter pulled, other end closed

class TCustomComm;
using TNotifyEvent = std::function<void(TCustomComm* Sender)>;
using TCommRxCharEvent = std::function<void(TCustomComm* Sender, int32_t Count)>;
using TCommErrorEvent = std::function<void(TCustomComm* Sender, int32_t Errors)>;
