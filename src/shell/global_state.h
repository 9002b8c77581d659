#pragma once

// The record of the program's mutable global state. The firmware and the
// display are written as module-level records (the emulated unit has no
// objects); everything else lives in objects owned by the main window.
//
// Every global is touched on the GUI thread only. The serial component's
// event thread touches nothing here: it hands its events to the GUI thread
// (comm/comm_hand_over.h).
//
//   global                          defined in                        written by                     reset
//   ProgramDirectory                common/program_directory.cpp      main(), tests SetProgramDirectory("") file write
//   fault                common/atomic_file.cpp            tests                          SetFileWriteFault(nullptr)
//   LcdX, LcdRow, LcdText,          display/lcd.cpp                   screens, online renderer       LcdResetState
//     LcdBigFont, LcdInverse,
//     the attached surface
//   CurrentHelpTopic, the pane      help/help.cpp                     ShowHelpTopic, main window     HelpResetState
//   FreqTable, CurrentFreqFile,     freqdb/freq_database.cpp          file commands, editor dialog,  FreqDbResetState
//     FreqDbDirty                                                       CSV import
//   EmulatorState                   emulator/runtime/emulator_state   firmware, tick operation       EmulatorResetState
//   EepromSettings, save flags      emulator/hardware/eeprom_settings firmware, menus                EmulatorResetState
//   EmulatedHardware                emulator/hardware/hardware        firmware                       EmulatorResetState
//   PanelInputs                     emulator/hardware/panel_inputs    key areas, PTT buttons         EmulatorResetState
//   StopRequest                     emulator/runtime/emulator_wait    operating modes, window close  EmulatorResetState
//   poll clock, emulator host       emulator/runtime/                 emulator run, main()           EmulatorResetState
//   FrameReceiver, DisplayFrame,    comm/frame_receiver, display_*    device link DeviceLinkResetState
//     PreviousAdjustMode
//   EmulatorRunning,                shell/operating_mode.cpp          Timer1 handler, time base,
//   OperatingModeResetState
//     OnlineWatchdog, CommsPort,                                      port choice
//     the mode view
//   default device stem             shell/port_names.cpp              tests SetDefaultDeviceStem plain message handler
//   gui/common/message_box.cpp        tests                          SetPlainMessageHandler({}) save changes handler
//   gui/freqdb/save_changes_question  tests                          SetSaveChangesHandler({})
//
// Constant tables (font, row images, menu pictures, help texts) are not state.

// Puts every global of the Qt-free layers back to its state at program start.
// Every test starts from here; the GUI tests also reset the message handler.
void ResetGlobalState();
