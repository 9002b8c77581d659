#pragma once
#include <cstdint>

// What the front-panel controls record; the emulated firmware reads it.
struct PanelInputsRecord {
    uint8_t KeyDown = 0;   // one bit per panel key, set while the mouse or keyboard holds it
    uint8_t PttPilot = 0;  // 1 while "PTT Pilot" is held
    uint8_t PttPax = 0;    // 1 while "PTT PAX" is held
};

extern PanelInputsRecord PanelInputs;

// KeyDown bits. MHz/KHz/CH has the lower value 0x10, VOL/SQ 0x20.
inline constexpr uint8_t KeyBitMenu = 0x01;
inline constexpr uint8_t KeyBitActive = 0x02;
inline constexpr uint8_t KeyBitUp = 0x04;
inline constexpr uint8_t KeyBitDown = 0x08;
inline constexpr uint8_t KeyBitMhzKhzCh = 0x10;
inline constexpr uint8_t KeyBitVolSq = 0x20;
