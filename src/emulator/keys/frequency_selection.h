#pragma once

struct Firmware;

// How the main screen's keys change the frequencies. Each marks the settings
// changed (SaveCountdown := 10).

// Swaps active and standby with their channel strings and retunes the
// receiver (or the transmitter while transmitting); back to volume
// adjustment and a redraw requested. Channel mode ends: each side then shows
// the channel found for its own frequency. In direct selection mode it
// exchanges the shown frequency with the hidden one.
void Flip(Firmware& fw);

// The MHz part of StandbyFreq one up or down, stopping at 108 and 136; the
// kHz part stays.
void MhzStep(Firmware& fw, bool up);
// The kHz part one step (25 or 50 kHz, by Step25) up or down, wrapping inside
// the same MHz.
void KhzStep(Firmware& fw, bool up);
// ChannelIndex one up or down, wrapping between 0 and 99, then selects it.
void ChannelStep(Firmware& fw, bool up);

// Loads channel ChannelIndex as the current record, normalised, into the
// standby frequency, name and type.
void SelectChannel(Firmware& fw);

// In direct selection mode the receiver follows the edited frequency at once.
void DirectModeFollow(Firmware& fw);
