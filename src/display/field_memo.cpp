#include "display/field_memo.h"

#include <algorithm>
#include <bit>

FieldInputs& FieldInputs::Add(const void* constant) {
    const auto address = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(constant));
    return Add(static_cast<int32_t>(address)).Add(static_cast<int32_t>(address >> 32));
}

// The length goes first, so that texts side by side cannot run into each other.
FieldInputs& FieldInputs::Add(std::string_view text) {
    if (size_ + 1 + text.size() > Capacity) return Overflow();
    bytes_[size_] = static_cast<char>(text.size());
    std::copy(text.begin(), text.end(), bytes_.begin() + size_ + 1);
    size_ = static_cast<uint8_t>(size_ + 1 + text.size());
    return *this;
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
