#pragma once

// The record of the program's mutable global state. The display, the
// firmware, the frequency database and the help pane are objects owned by
// the main window; what is left here is listed below.
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
//   the PNG writer of the exports    session/recording_export.cpp       main() (--export), tests SetDisplayPngWriter
//   EmulatorRunning, OnlineWatchdog, modes/operating_mode.cpp           Timer1, time base        OperatingMode-
//     the mode view                                                                              ResetState
//   CommsPort                        ports/comms_port_opener.cpp        port choice              OperatingMode-
//                                                                                                ResetState
//   default device stem              ports/port_names.cpp               tests                    SetDefaultDeviceStem
//   plain message handler            gui/common/message_box.cpp         tests                    SetPlainMessageHandler
//   save changes handler             gui/freqdb/save_changes_question   tests                    SetSaveChangesHandler
//   panel inputs changed handler     gui/shell/panel_input_hook.cpp     main window              SetPanelInputs-
//                                                                                                ChangedHandler
//
// Constant tables (font, row images, menu pictures, menu items, help texts)
// are not state.

// Puts every global of the Qt-free layers back to its state at program start.
// Every test starts from here; the GUI tests also reset the message handler.
void ResetGlobalState();
