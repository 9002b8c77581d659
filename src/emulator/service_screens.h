#pragma once

// The service screens the Setup menu opens. Each is a waiting loop on the
// poll step that ends on the first key code the poll step delivers (any key,
// repeats and long presses included); the Setup menu then redraws fully.

// " ADC 1 ": "Vin:", "Srx:" (RxLevel), "Stn:" and "Tmp:", refreshed every 500 ms.
void RunReadingsScreen1();
// " ADC 2 ": "Stn:", "AudL:", "SLO:" (ModLevel) and "OFF:", refreshed every 500 ms.
void RunReadingsScreen2();

// " RX 200Khz ": the receiver stepped through 112.00, 114.00, ... 142.00 MHz
// and round again, 0.5 to 1 s on each, with the live receive level bar.
// Retunes the receiver to its normal frequency on exit.
void RunReceiverStepTest();
// " RX Test ": the receiver stepped through the band in 50 kHz steps (25 kHz
// channels with Step25) from 112.00 MHz, 5 ticks on a frequency without a
// signal and 100 ticks on one with a signal above the squelch threshold.
// Retunes the receiver to its normal frequency on exit.
void RunReceiverScanTest();
// " TX Test ": the transmitter stepped through 11200, 11400, ... 14200 (10 kHz
// units), three ticks each, the transmit-enable line on during the first.
// On exit the receiver is tuned again, which also drops the enable line.
void RunTransmitterStepTest();
