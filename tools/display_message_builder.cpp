#include "display_message_builder.h"

namespace {

DisplayCodes Codes(const std::string& text) {
    DisplayCodes codes;
    for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = i < text.size() ? static_cast<uint8_t>(text[i]) : ' ';
    return codes;
}

}  // namespace

DisplayMessage SimulatedMessage(const SimulatedDisplay& d) {
    return {
        .adjustMode = static_cast<DisplayAdjustMode>(d.adjustMode),
        .transmitting = d.transmitting,
        .activeKhz = d.activeFreq,
        .standbyKhz = d.standbyFreq,
        .activeChannel = d.activeChannel,
        .standbyChannel = d.standbyChannel,
        .activeName = Codes(d.activeName),
        .activeType = Codes(d.activeType),
        .standbyName = Codes(d.standbyName),
        .standbyType = Codes(d.standbyType),
        .volume = d.volumeBar,
        .squelch = d.squelchBar,
        .rxLevel = d.rxLevel,
        .txLevel = d.txLevel,
    };
}

DisplayMessageBytes BuildDisplayMessage(const SimulatedDisplay& d) { return EncodeDisplayMessage(SimulatedMessage(d)); }
