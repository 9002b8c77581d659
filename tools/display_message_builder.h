#pragma once
#include <cstdint>
#include <string>

#include "message/display_message.h"

// What a simulated transceiver shows, turned into its 44-byte display
// message. Used by the simulator tool, the tests and the benchmark.
struct SimulatedDisplay {
    uint8_t adjustMode = 0;  // a DisplayAdjustMode value, 0..7
    bool transmitting = false;
    uint8_t volumeBar = 0;
    uint8_t squelchBar = 0;
    int32_t activeFreq = 118000;
    int32_t standbyFreq = 121500;
    uint8_t activeChannel = 0;
    uint8_t standbyChannel = 0;
    uint8_t rxLevel = 0;
    uint8_t txLevel = 0;
    std::string activeName, activeType, standbyName, standbyType;  // cut or blank-padded to 6
};

DisplayMessage SimulatedMessage(const SimulatedDisplay& display);

DisplayMessageBytes BuildDisplayMessage(const SimulatedDisplay& display);
