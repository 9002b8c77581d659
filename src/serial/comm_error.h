#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

// The failure raised by the serial port component. Its text is the message
// followed by " (Error: <code>) ", for example
// "Error accessing specified device (Error: 2) ".
class ECommError : public std::runtime_error {
public:
    ECommError(const std::string& message, int32_t code);
    int32_t ErrorCode;
};
