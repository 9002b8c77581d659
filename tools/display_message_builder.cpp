#include "display_message_builder.h"

#include "common/little_endian.h"

namespace {

void PutText(uint8_t* field, const std::string& text) {
    for (int i = 0; i < display_frame::TextSize; ++i)
        field[i] = i < static_cast<int>(text.size()) ? static_cast<uint8_t>(text[i]) : ' ';
}

}  // namespace

DisplayMessage BuildDisplayMessage(const SimulatedDisplay& d) {
    namespace f = display_frame;
    DisplayMessage message{};
    message[0] = DisplayMessageStart;
    message[1] = DisplayMessageType;
    message[2] = DisplayMessageZero;
    uint8_t* p = message.data() + DisplayMessageHeaderSize;
    p[f::Status] = static_cast<uint8_t>(d.adjustMode << f::AdjustModeShift | (d.transmitting ? f::TransmittingBit : 0));
    p[f::VolumeBar] = d.volumeBar;
    p[f::SquelchBar] = d.squelchBar;
    WriteLe32(p + f::ActiveFreq, d.activeFreq);
    WriteLe32(p + f::StandbyFreq, d.standbyFreq);
    p[f::ActiveChannel] = d.activeChannel;
    p[f::StandbyChannel] = d.standbyChannel;
    p[f::RxLevel] = d.rxLevel;
    p[f::TxLevel] = d.txLevel;
    PutText(p + f::ActiveName, d.activeName);
    PutText(p + f::ActiveType, d.activeType);
    PutText(p + f::StandbyName, d.standbyName);
    PutText(p + f::StandbyType, d.standbyType);
    return message;
}
