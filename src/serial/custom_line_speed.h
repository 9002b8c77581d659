#pragma once
#include <cstdint>

// Sets a speed that has no B constant (14400, 56000, 128000, 256000). Returns
// 0 or the error; EINVAL where the platform offers no free speeds.
int SetCustomLineSpeed(int fd, uint32_t bitsPerSecond);
