#include "display/field_memo.h"

#include <algorithm>
#include <bit>
#include <cstring>

FieldInputs& FieldInputs::Add(int32_t value) {
    if (size_ + sizeof value > Capacity) {
        overflowed_ = true;
        return *this;
    }
    std::memcpy(bytes_.data() + size_, &value, sizeof value);
    size_ = static_cast<uint8_t>(size_ + sizeof value);
    return *this;
}

FieldInputs& FieldInputs::Add(const void* constant) {
    const auto address = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(constant));
    return Add(static_cast<int32_t>(address)).Add(static_cast<int32_t>(address >> 32));
}

// The length goes first, so that texts side by side cannot run into each other.
FieldInputs& FieldInputs::Add(std::string_view text) {
    if (size_ + 1 + text.size() > Capacity) {
        overflowed_ = true;
        return *this;
    }
    bytes_[size_] = static_cast<char>(text.size());
    std::copy(text.begin(), text.end(), bytes_.begin() + size_ + 1);
    size_ = static_cast<uint8_t>(size_ + 1 + text.size());
    return *this;
}

bool FieldInputs::operator==(const FieldInputs& other) const {
    if (overflowed_ || other.overflowed_ || size_ != other.size_) return false;
    return std::equal(bytes_.begin(), bytes_.begin() + size_, other.bytes_.begin());
}

bool FieldMemo::Shown(const LcdFrame& frame, const FieldInputs& now, const LcdPen& pen) const {
    if (!drawn || !(start == pen) || !(inputs == now)) return false;
    for (unsigned left = bands; left != 0; left &= left - 1) {
        const int band = std::countr_zero(left);
        if (frame.BandRevision(band) != bandRevisions[band]) return false;
    }
    return true;
}

void FieldMemo::TakeRevisions(const LcdFrame& frame) {
    for (int band = 0; band < LcdFrame::Bands; ++band)
        bandRevisions[band] = (bands >> band & 1) != 0 ? frame.BandRevision(band) : 0;
}
