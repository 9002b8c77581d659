#pragma once
#include <cstdint>

struct Firmware;

// The transceiver's key matrix, read from the panel's KeyDown bits and the
// presses latched for the key scan.
//   port 85: 255 when any key is down, else 0
//   port 64: 8 UP,   else 128 MENU
//   port  4: 8 DOWN, else 128 MHz/KHz/CH
//   port 16: 8 VOL/SQ, else 128 ACTIVE
// The first key of a row wins when both are down; any other port returns
// `defaultValue` unchanged.
inline constexpr uint8_t KeyPortAny = 85;
inline constexpr uint8_t KeyPortUpMenu = 64;
inline constexpr uint8_t KeyPortDownStep = 4;
inline constexpr uint8_t KeyPortVolActive = 16;
inline constexpr uint8_t KeyRowFirst = 8;
inline constexpr uint8_t KeyRowSecond = 128;

uint8_t ReadKeyPort(Firmware& fw, uint8_t port, uint8_t defaultValue);
