#pragma once

struct Firmware;

// Turns the key matrix into key codes once per tick (run by the poll step):
// a press acts at the first tick that sees it; after 31 ticks (620 ms) UP and
// DOWN repeat every 11 ticks (220 ms), a long ACTIVE toggles scanning and
// delivers a second ACTIVE (flipping the frequencies back), a long MHz/KHz/CH
// toggles 25/50 kHz steps and sets kHz tuning. After a release 5 ticks
// (100 ms) must pass before a new press of the same key counts; pressed
// again sooner it continues the old hold. Another key is a new press. A tap
// released before the scan still counts once (PressPanelKey latches it).
void KeyScan(Firmware& fw);
