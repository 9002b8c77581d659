#pragma once

// The record of the program's mutable global state. The firmware and the
// display are written as module-level records (the emulated unit has no
// objects); everything else lives in objects: the program core (core/program_core.h)
// owns the display, the link, the port, the operating mode and the recorder.
//
// Every global is touched on the GUI thread only. The serial component's
// event thread touches nothing here: it hands its events to the GUI thread
// (serial/comm_hand_over.h); nor does a recording's writer thread
// (session/recording_writer.h).
//
//   global                           defined in                         written by               reset
//   ProgramDirectory, the settings   common/program_directory.cpp       main(), tests            SetProgramDirectory
//     folders of RADIO.INI, e2.dfd
//   file write fault                 common/atomic_file.cpp             tests                    SetFileWriteFault
//   CurrentHelpTopic, the pane       help/help.cpp                      ShowHelpTopic, window    HelpResetState
//   FreqTable, CurrentFreqFile,      freqdb/freq_database.cpp           file commands, editor,   FreqDbResetState
//     FreqDbDirty                                                       CSV import
//   EmulatorState                    emulator/runtime/emulator_state    firmware, tick           EmulatorResetState
//   EepromSettings, save flags,      emulator/hardware/eeprom_settings  firmware, menus          EmulatorResetState
//     the settings-file problems reported (kept across emulator runs: each is reported once a program run)
//   EmulatedHardware                 emulator/hardware/hardware         firmware                 EmulatorResetState
//   PanelInputs                      emulator/hardware/panel_inputs     key areas, PTT buttons,  EmulatorResetState
//                                                                        panel keyboard
//   StopRequest, the chain that      emulator/runtime/emulator_wait     modes, window close,     EmulatorResetState
//     suspended last                                                    the firmware's waits
//   poll clock, emulator host,       emulator/runtime/                  emulator run, window     EmulatorResetState
//     the emulator's display
//   the PNG writer of the exports    session/recording_export.cpp       main() (--export), tests SetDisplayPngWriter
//   CommsPort                        ports/comms_port_opener.cpp        port choice              ResetGlobalState
//   default device stem              ports/port_names.cpp               tests                    SetDefaultDeviceStem
//   plain message handler            gui/common/message_box.cpp         tests                    SetPlainMessageHandler
//   save changes handler             gui/freqdb/save_changes_question   tests                    SetSaveChangesHandler
//
// Constant tables (font, row images, menu pictures, help texts) are not state.

// Puts every global of the Qt-free layers back to its state at program start.
// Every test starts from here; the GUI tests also reset the message handler.
void ResetGlobalState();
