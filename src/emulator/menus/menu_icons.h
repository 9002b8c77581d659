#pragma once
#include <array>
#include <cstdint>

// The pictures of the transceiver's menus, in the display's column-byte
// format (bands of 8 pixel rows, top band first, bit 0 the top pixel).

// 24 x 24 item icons, drawn with Lcd::DrawIcon24.
using MenuIcon = std::array<uint8_t, 72>;

extern const MenuIcon NoiseIcon;
extern const MenuIcon ChannelsIcon;
extern const MenuIcon ContrastIcon;
extern const MenuIcon MicLevelIcon;
extern const MenuIcon AuxIcon;
extern const MenuIcon MicFilterIcon;
extern const MenuIcon ScanIcon;
extern const MenuIcon PttModeIcon;
extern const MenuIcon SetupIcon;
