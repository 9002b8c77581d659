#pragma once
#include <array>
#include <cstdint>

#include "message/display_message.h"

// A display message's payload, field by field.
using DisplayPayload = std::array<uint8_t, DisplayFrameSize>;
using DisplayCodes = std::array<uint8_t, display_frame::TextSize>;  // display font codes, blank-padded

struct DisplayFields {
    uint8_t adjustMode;  // 0 Vol, 1 Sql, 2 MHz, 3 KHz, 4 Channel, 5..7 none
    bool transmitting;
    int32_t activeKhz, standbyKhz;
    uint8_t activeChannel, standbyChannel;  // 0 = not a channel
    DisplayCodes activeName, activeType, standbyName, standbyType;
    uint8_t volume, squelch, rxLevel, txLevel;  // bar values as sent
};

DisplayFields DecodeDisplayFields(const DisplayPayload& payload);
