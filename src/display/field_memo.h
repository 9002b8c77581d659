#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "display/lcd_frame.h"

// What a field of a screen is drawn from (numbers, flags, texts), gathered
// as bytes to compare with what it was drawn from last time. Inputs that do
// not fit never compare equal, so such a field is always drawn.
class FieldInputs {
public:
    FieldInputs& Add(int32_t value) {
        if (size_ + sizeof value > Capacity) return Overflow();
        std::memcpy(bytes_.data() + size_, &value, sizeof value);
        size_ = static_cast<uint8_t>(size_ + sizeof value);
        return *this;
    }
    FieldInputs& Add(std::string_view text);
    // A constant the field draws (an image), by its address.
    FieldInputs& Add(const void* constant);
    // The bytes past size_ stay 0, so that whole arrays compare.
    bool operator==(const FieldInputs& other) const {
        return !overflowed_ && !other.overflowed_ && size_ == other.size_ && bytes_ == other.bytes_;
    }

private:
    FieldInputs& Overflow() {
        overflowed_ = true;
        return *this;
    }

    static constexpr std::size_t Capacity = 48;
    std::array<char, Capacity> bytes_{};
    uint8_t size_ = 0;
    bool overflowed_ = false;
};

// The drawing position and text style, which a field may start from.
struct LcdPen {
    uint16_t x = 0;
    uint16_t row = 0;
    bool bigFont = false;
    bool inverse = false;
    bool operator==(const LcdPen&) const = default;
};

// The last drawing of one field: its inputs and the pen it started with, the
// bands it drew in with their revisions right after, and the pen it left.
// While none of those bands has changed since, drawing the field again from
// the same inputs and pen would change no pixel.
struct FieldMemo {
    FieldInputs inputs;
    LcdPen start;
    LcdPen end;
    uint8_t bands = 0;  // bit b: the field drew in band b
    std::array<uint64_t, LcdFrame::Bands> bandRevisions{};
    bool drawn = false;

    // Whether the field, drawn from `now` with `pen`, is on `frame` already.
    bool Shown(const LcdFrame& frame, const FieldInputs& now, const LcdPen& pen) const;
    // Takes the bands' revisions once the field has been drawn.
    void TakeRevisions(const LcdFrame& frame);
};
