#pragma once
#include <array>
#include <cstdint>

// The pictures of the transceiver's menus, in the display's column-byte
// format (bands of 8 pixel rows, top band first, bit 0 the top pixel).

// 24 x 8 tabs above the MENU and ACTIVE keys and the AUX level words, drawn
// with Lcd::DrawStrip24At.
using TabPicture = std::array<uint8_t, 24>;
// 10 x 24 labels at the right edge beside the UP and DOWN keys, drawn with
// Lcd::DrawIcon10.
using SideLabel = std::array<uint8_t, 30>;

extern const TabPicture EndTab;
extern const TabPicture SelTab;
extern const TabPicture BackTab;
extern const TabPicture TypeTab;
extern const TabPicture EditTab;
extern const TabPicture OpenWord;
extern const TabPicture MuteWord;

extern const SideLabel PrevLabel;
extern const SideLabel NextLabel;
extern const SideLabel UpArrowLabel;
extern const SideLabel DownArrowLabel;
extern const SideLabel OnLabel;
extern const SideLabel OffLabel;
extern const SideLabel IsoLabel;
extern const SideLabel JoinLabel;
