#pragma once

struct Firmware;

// Every tick outside the menus: the live level bar of row 6 (receive level,
// or the modulation peak while transmitting), or "->Stuck PTT<-" /
// "Modulation !!" across the row.
void UpdateStatusRow(Firmware& fw);

// The receive level bar of row 6: RxLevel 180..372 as 0..64 lit columns of
// the banner's level frame. Also drawn by the receiver test screens.
void DrawReceiveLevelBar(Firmware& fw);
