#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "message/adjust_mode.h"
#include "message/display_message_layout.h"

// The bytes of a whole display message and of its payload.
using DisplayMessageBytes = std::array<uint8_t, DisplayMessageSize>;
using DisplayPayload = std::array<uint8_t, DisplayFrameSize>;
using DisplayCodes = std::array<uint8_t, display_frame::TextSize>;  // display font codes, blank-padded

// A display message, field by field. The reserved bits and bytes are not
// kept: nothing shows them.
struct DisplayMessage {
    DisplayAdjustMode adjustMode = DisplayAdjustMode::Vol;  // any value 0..7
    bool transmitting = false;
    int32_t activeKhz = 0, standbyKhz = 0;
    uint8_t activeChannel = 0, standbyChannel = 0;  // 0 = not a channel
    DisplayCodes activeName{}, activeType{}, standbyName{}, standbyType{};
    uint8_t volume = 0, squelch = 0, rxLevel = 0, txLevel = 0;  // bar values as sent
    bool operator==(const DisplayMessage&) const = default;
};

DisplayMessage DecodeDisplayPayload(std::span<const uint8_t, DisplayFrameSize> payload);

// The message as the transceiver sends it, header included; reserved bits
// and bytes are 0.
DisplayMessageBytes EncodeDisplayMessage(const DisplayMessage& message);
