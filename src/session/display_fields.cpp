#include "session/display_fields.h"

#include <algorithm>

#include "common/little_endian.h"

namespace {

namespace f = display_frame;

DisplayCodes CodesAt(const DisplayPayload& payload, int offset) {
    DisplayCodes codes{};
    std::copy_n(payload.begin() + offset, codes.size(), codes.begin());
    return codes;
}

}  // namespace

DisplayFields DecodeDisplayFields(const DisplayPayload& p) {
    const uint8_t status = p[f::Status];
    return {
        .adjustMode = static_cast<uint8_t>(status >> f::AdjustModeShift),
        .transmitting = (status & f::TransmittingBit) != 0,
        .activeKhz = ReadLe32(p.data() + f::ActiveFreq),
        .standbyKhz = ReadLe32(p.data() + f::StandbyFreq),
        .activeChannel = p[f::ActiveChannel],
        .standbyChannel = p[f::StandbyChannel],
        .activeName = CodesAt(p, f::ActiveName),
        .activeType = CodesAt(p, f::ActiveType),
        .standbyName = CodesAt(p, f::StandbyName),
        .standbyType = CodesAt(p, f::StandbyType),
        .volume = p[f::VolumeBar],
        .squelch = p[f::SquelchBar],
        .rxLevel = p[f::RxLevel],
        .txLevel = p[f::TxLevel],
    };
}
