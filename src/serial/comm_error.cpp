#include "serial/comm_error.h"

ECommError::ECommError(const std::string& message, int32_t code)
    : std::runtime_error(message + " (Error: " + std::to_string(code) + ") "), ErrorCode(code) {}
