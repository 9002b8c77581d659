#pragma once
#include <cstdint>

// What the front-panel controls record; the emulated firmware reads it.
struct PanelInputsRecord {
    uint8_t KeyDown = 0;     // one bit per panel key, set while the mouse or keyboard holds it
    uint8_t KeyLatched = 0;  // the keys pressed since the last key scan, released or not
    uint8_t PttPilot = 0;    // 1 while "PTT Pilot" is held
    uint8_t PttPax = 0;      // 1 while "PTT PAX" is held
};

// A key goes down, and stays down for the key matrix until the next key scan
// has seen it, however soon it is released: a tap shorter than a tick counts.
inline void PressPanelKey(PanelInputsRecord& inputs, uint8_t keyBit) {
    inputs.KeyDown |= keyBit;
    inputs.KeyLatched |= keyBit;
}

inline void ReleasePanelKey(PanelInputsRecord& inputs, uint8_t keyBit) {
    inputs.KeyDown &= static_cast<uint8_t>(~keyBit);
}

// KeyDown bits. MHz/KHz/CH has the lower value 0x10, VOL/SQ 0x20.
inline constexpr uint8_t KeyBitMenu = 0x01;
inline constexpr uint8_t KeyBitActive = 0x02;
inline constexpr uint8_t KeyBitUp = 0x04;
inline constexpr uint8_t KeyBitDown = 0x08;
inline constexpr uint8_t KeyBitMhzKhzCh = 0x10;
inline constexpr uint8_t KeyBitVolSq = 0x20;
