#pragma once
#include <cstdint>

// The transceiver's display message, 44 bytes, no checksum, no terminator:
//
//   offset size value
//   0      1    0x02  start
//   1      1    0x05  message type: display
//   2      1    0x00
//   3      41   payload:
//
//   payload offset size field
//   0              1    status: bits 7..5 adjust mode (adjust_mode.h); bit 0
//                       set while transmitting; bits 4..1 reserved
//   1              1    volume bar value (0..32 fills the bar)
//   2              1    squelch bar value
//   3              4    active frequency, kHz, signed, little-endian
//   7              4    standby frequency, kHz, signed, little-endian
//   11             1    active channel number, 0 = not a channel
//   12             1    standby channel number
//   13             1    RX level bar value
//   14             1    reserved
//   15             1    TX level bar value
//   16             6    active name, display font codes, blank-padded
//   22             6    active type
//   28             6    standby name
//   34             6    standby type
//   40             1    reserved

inline constexpr uint8_t DisplayMessageStart = 0x02;
inline constexpr uint8_t DisplayMessageType = 0x05;
inline constexpr uint8_t DisplayMessageZero = 0x00;
inline constexpr int DisplayMessageHeaderSize = 3;
inline constexpr int DisplayFrameSize = 41;
inline constexpr int DisplayMessageSize = DisplayMessageHeaderSize + DisplayFrameSize;

namespace display_frame {
inline constexpr int Status = 0;
inline constexpr int VolumeBar = 1;
inline constexpr int SquelchBar = 2;
inline constexpr int ActiveFreq = 3;
inline constexpr int StandbyFreq = 7;
inline constexpr int ActiveChannel = 11;
inline constexpr int StandbyChannel = 12;
inline constexpr int RxLevel = 13;
inline constexpr int TxLevel = 15;
inline constexpr int ActiveName = 16;
inline constexpr int ActiveType = 22;
inline constexpr int StandbyName = 28;
inline constexpr int StandbyType = 34;
inline constexpr int TextSize = 6;

inline constexpr uint8_t TransmittingBit = 0x01;
inline constexpr int AdjustModeShift = 5;
}  // namespace display_frame
