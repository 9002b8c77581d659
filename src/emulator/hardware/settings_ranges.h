#pragma once

#include "emulator/hardware/eeprom_settings.h"

// The ranges the firmware keeps its settings in: its keys and menus never
// step a value out of them. A settings file may hold any byte, so the emulator
// run, right after loading the file, gives every item with a range that lies
// outside it its default; a value inside its range stays exactly as stored.
//
//   ActiveFreq, StandbyFreq  108000..136975 kHz on the 25 kHz tuning grid
//   Contrast                 20..63
//   Volume                   0..31
//   SquelchSetting           0..63
//   MicLevel                 0..3
//   DualMode                 0..2
//   AuxOpenLevel             0..31 (31 off)
//   ChannelIndex             0..99
//   AuxMuteLevel             0..31 (31 off)
//   NoiseMode                0..2
//   NoiseLevel               0..6 in mode 0 (VOGAD), 0..10 in modes 1 and 2
//   TxOffset                 -32000..32000 on the 1000 grid: the firmware's
//                            only change is a step of 1000 from 2000
//
// The on/off items, the reserved items and ChannelSelected have no range:
// the firmware reads any byte of them.
void ReplaceOutOfRangeSettings(EepromSettingsRecord& settings);
