#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "message/display_message.h"

// What a simulated transceiver shows, turned into its 44-byte display
// message. Used by the simulator tool, the tests and the benchmark.
struct SimulatedDisplay {
    uint8_t adjustMode = 0;  // 0 Vol, 1 Sql, 2 MHz, 3 KHz, 4 Channel, 5..7 none
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

using DisplayMessage = std::array<uint8_t, DisplayMessageSize>;

DisplayMessage BuildDisplayMessage(const SimulatedDisplay& display);
