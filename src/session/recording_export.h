#pragma once
#include <iosfwd>
#include <string>

#include "session/display_bitmap.h"

// Exports a recording as a picture of the final display (.png), an animation
// of the display (.gif), a table of the messages (.csv) or a web page that
// plays the display (.html), chosen by the output's extension in any case.
// An export touches nothing but its own objects and the files it names, so
// it may run on any thread (the window runs it on a worker of its own).

inline constexpr int DefaultExportScale = 4;  // image pixels per display pixel, each way
inline constexpr int MaxExportScale = 64;

// Writes a PNG of `bitmap`, each display pixel a scale x scale square, to
// `path`, replacing it atomically. Returns an empty string or the cause in
// words. The program's Qt side provides it, so that this library stays free
// of Qt; without one, PNG exports fail with a message. It must be safe to
// call from any thread.
using DisplayPngWriter = std::string (*)(const DisplayBitmap& bitmap, int scale, const std::string& path);

// Exit statuses of ExportRecording.
inline constexpr int ExportDone = 0;
inline constexpr int ExportFailed = 1;   // not a recording, unreadable, or the output cannot be written
inline constexpr int ExportMisused = 2;  // unknown output extension or scale out of 1..64

// Reads the recording and writes the output through a temporary file, so a
// failure leaves no output behind. A recording cut short exports the
// messages it holds and says on `err` where it was cut; that still counts as
// done. Every failure is one line on `err`; `out` gets one line on success.
// A PNG is written with `pngWriter`.
int ExportRecording(const std::string& recordingPath, const std::string& outputPath, int scale,
                    DisplayPngWriter pngWriter, std::ostream& out, std::ostream& err);
