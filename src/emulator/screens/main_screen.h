#pragma once

struct Firmware;

// The main frequency screen: the active and standby frequencies in large
// digits, the channel name, type and number under each, the RX/TX banner with
// its level bar and the adjust line. Layouts (row 0 and block columns):
//   direct selection   ACTIVE bar,  StandbyFreq at column 24
//   main + standby     ACTIVE/STANDBY header, active at 0, standby at 53
//   main only          ACTIVE bar,  active at 24
//   standby only       STANDBY bar, standby at 24

// Redraws every field over what is shown (callers clear the display first
// where the layout may change). Sets the current record, FoundChannel and the
// six channel strings as it goes.
void DrawMainScreen(Firmware& fw);

// Makes the current record fit for display and tuning: a name or type not
// exactly 6 characters long (a record never edited) becomes six blanks, and
// the frequency is clamped to 108000..136975 kHz.
void NormaliseCurrentRecord(Firmware& fw);
