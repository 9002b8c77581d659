#pragma once

// The record of the program's mutable global state. The display, the
// firmware, the frequency database, the help pane, the link, the port and the
// operating mode are objects owned by the program core (core/program_core.h);
// what is left here is listed below.
//
// Every global is touched on the GUI thread only. The serial component's
// event thread touches nothing here: it hands its events to the GUI thread
// (serial/comm_hand_over.h); nor does a recording's writer thread
// (session/recording_writer.h); an export's worker thread only reads the
// file write fault, which tests set while no export runs.
//
//   global                           defined in                         written by               reset
//   file write fault of the writes   common/atomic_file.cpp             tests                    SetFileWriteFault
//     given no seams of their own
//   plain message handler            gui/common/message_box.cpp         tests                    SetPlainMessageHandler
//   save changes handler             gui/freqdb/save_changes_question   tests                    SetSaveChangesHandler
//
// Constant tables (font, row images, menu pictures, menu items, help texts)
// are not state.

// Puts every global of the Qt-free layers back to its state at program start.
// Every test starts from here; the GUI tests also reset the message handler.
void ResetGlobalState();
