#include "message/display_message.h"

#include <algorithm>

#include "common/little_endian.h"

namespace {

namespace f = display_frame;

using Payload = std::span<const uint8_t, DisplayFrameSize>;

DisplayCodes CodesAt(Payload payload, int offset) {
    DisplayCodes codes{};
    std::copy_n(payload.begin() + offset, codes.size(), codes.begin());
    return codes;
}

void PutCodes(uint8_t* payload, int offset, const DisplayCodes& codes) {
    std::copy(codes.begin(), codes.end(), payload + offset);
}

}  // namespace

DisplayMessage DecodeDisplayPayload(Payload p) {
    const uint8_t status = p[f::Status];
    return {
        .adjustMode = static_cast<DisplayAdjustMode>(status >> f::AdjustModeShift),
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

DisplayMessageBytes EncodeDisplayMessage(const DisplayMessage& m) {
    DisplayMessageBytes bytes{DisplayMessageStart, DisplayMessageType, DisplayMessageZero};
    uint8_t* p = bytes.data() + DisplayMessageHeaderSize;
    const auto mode = static_cast<uint8_t>(static_cast<uint8_t>(m.adjustMode) & DisplayAdjustModeMask);
    p[f::Status] = static_cast<uint8_t>(mode << f::AdjustModeShift | (m.transmitting ? f::TransmittingBit : 0));
    p[f::VolumeBar] = m.volume;
    p[f::SquelchBar] = m.squelch;
    WriteLe32(p + f::ActiveFreq, m.activeKhz);
    WriteLe32(p + f::StandbyFreq, m.standbyKhz);
    p[f::ActiveChannel] = m.activeChannel;
    p[f::StandbyChannel] = m.standbyChannel;
    p[f::RxLevel] = m.rxLevel;
    p[f::TxLevel] = m.txLevel;
    PutCodes(p, f::ActiveName, m.activeName);
    PutCodes(p, f::ActiveType, m.activeType);
    PutCodes(p, f::StandbyName, m.standbyName);
    PutCodes(p, f::StandbyType, m.standbyType);
    return bytes;
}
